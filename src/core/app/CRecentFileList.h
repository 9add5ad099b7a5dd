#pragma once

#include <string>
#include <vector>

// The most-recently-used list of the File menu: newest first, at most a fixed number of
// entries, each path once.
namespace orvelan {

class CRecentFileList {
  public:
    explicit CRecentFileList(int capacity = 10) : m_capacity(capacity) {}

    /// Puts a path at the top, removing an older entry of the same path.
    void add(const std::string& path);
    void remove(const std::string& path);
    /// Replaces the list (e.g. from the settings file), keeping the first entries that fit.
    void assign(const std::vector<std::string>& paths);

    const std::vector<std::string>& paths() const { return m_paths; }
    int capacity() const { return m_capacity; }

  private:
    int m_capacity;
    std::vector<std::string> m_paths;
};

} // namespace orvelan
