#pragma once

#include "gui/framework/DocumentTypes.h"

#include <vector>

// The entries of the four menu sets: the window without a document, tables and reports, graphs,
// and the standard incidence table text.
namespace orvelan {

struct MenuEntry {
    int id = 0;             // a command number, or one of the markers below
    const char* title = ""; // submenu title
    std::vector<MenuEntry> children;
};

inline constexpr int kMenuSeparator = 0;
inline constexpr int kMenuRecentFiles = -1; // the recent-file list goes here
inline constexpr int kMenuWindowList = -2;  // the list of open windows goes here
inline constexpr int kMenuSubmenu = -3;

/// The top-level menus of a set, each a submenu entry.
std::vector<MenuEntry> menuLayout(MenuSet set);

} // namespace orvelan
