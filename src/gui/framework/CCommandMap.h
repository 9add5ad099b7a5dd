#pragma once

#include <functional>
#include <map>

// A view's own commands, each listed once with what it runs and when it can run, so that the
// three questions of CCommandTarget are answered from one table.
namespace orvelan {

class CCommandMap {
  public:
    using Action = std::function<void()>;
    using Condition = std::function<bool()>;

    /// Adds or replaces a command; an empty condition: the command can always run.
    void add(int id, Action run, Condition enabled = {});

    bool handles(int id) const;
    /// Whether a listed command can run now; false for a command not listed.
    bool isEnabled(int id) const;
    /// Runs a listed command; false (and nothing runs) for a command not listed.
    bool run(int id) const;

  private:
    struct Entry {
        Action run;
        Condition enabled;
    };
    std::map<int, Entry> m_entries;
};

} // namespace orvelan
