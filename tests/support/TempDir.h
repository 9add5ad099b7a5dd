#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvelan::test {

/// A fresh directory under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string str() const { return m_path.string(); }
    /// Path of a file inside the directory.
    std::string file(const std::string& name) const { return (m_path / name).string(); }

    /// Writes a text file byte for byte (no line-end translation).
    void write(const std::string& name, const std::string& content) const;
    /// Reads a file byte for byte; empty when it does not exist.
    std::string read(const std::string& name) const;
    /// The names in the directory, sorted: what a writer left behind.
    std::vector<std::string> names() const;

  private:
    std::filesystem::path m_path;
};

} // namespace orvelan::test
