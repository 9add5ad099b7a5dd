#include "core/app/CRecentFileList.h"

#include <algorithm>
#include <cstddef>

namespace orvelan {

void CRecentFileList::add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    remove(path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > static_cast<std::size_t>(m_capacity)) {
        m_paths.resize(static_cast<std::size_t>(m_capacity));
    }
}

void CRecentFileList::remove(const std::string& path) { std::erase(m_paths, path); }

void CRecentFileList::assign(const std::vector<std::string>& paths) {
    m_paths.clear();
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
        add(*it);
    }
}

} // namespace orvelan
