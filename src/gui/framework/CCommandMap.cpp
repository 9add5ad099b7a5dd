#include "gui/framework/CCommandMap.h"

#include <utility>

namespace orvelan {

void CCommandMap::add(int id, Action run, Condition enabled) {
    m_entries[id] = Entry{std::move(run), std::move(enabled)};
}

bool CCommandMap::handles(int id) const { return m_entries.count(id) != 0; }

bool CCommandMap::isEnabled(int id) const {
    const auto found = m_entries.find(id);
    if (found == m_entries.end()) {
        return false;
    }
    return !found->second.enabled || found->second.enabled();
}

bool CCommandMap::run(int id) const {
    const auto found = m_entries.find(id);
    if (found == m_entries.end()) {
        return false;
    }
    found->second.run();
    return true;
}

} // namespace orvelan
