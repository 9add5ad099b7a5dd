#include "gui/app/MenuLayout.h"

#include "gui/framework/CommandIds.h"

namespace orvelan {

namespace {

MenuEntry command(int id) { return MenuEntry{id, "", {}}; }
MenuEntry separator() { return MenuEntry{kMenuSeparator, "", {}}; }
MenuEntry submenu(const char* title, std::vector<MenuEntry> children) {
    return MenuEntry{kMenuSubmenu, title, std::move(children)};
}

MenuEntry fileMenu(MenuSet set, bool document) {
    std::vector<MenuEntry> entries = {command(cmd::kNewGraph), command(cmd::kNewReport),
                                      command(cmd::kNewAnalysis), separator(), command(cmd::kOpen)};
    if (document) {
        entries.push_back(command(cmd::kClose));
        entries.push_back(command(cmd::kSaveAs));
        if (set == MenuSet::Graphs) {
            entries.push_back(command(cmd::kSaveForPublication));
        }
        entries.push_back(separator());
        entries.push_back(command(cmd::kPrint));
        entries.push_back(command(cmd::kPrintPreview));
    }
    entries.push_back(command(cmd::kPrintSetup));
    for (MenuEntry entry :
         {separator(), command(cmd::kExport), separator(), MenuEntry{kMenuRecentFiles, "", {}},
          separator(), command(cmd::kExit)}) {
        entries.push_back(std::move(entry));
    }
    return submenu("&File", std::move(entries));
}

MenuEntry editMenu(MenuSet set) {
    switch (set) {
    case MenuSet::StandardTableText:
        return submenu("&Edit", {command(cmd::kUndo), separator(), command(cmd::kCopy),
                                 command(cmd::kSelectAll), separator(), command(cmd::kFind),
                                 command(cmd::kFindNext)});
    case MenuSet::Tables:
        return submenu("&Edit", {command(cmd::kCopy), command(cmd::kCopyNumbers), separator(),
                                 command(cmd::kSwap), command(cmd::kSort)});
    default:
        return submenu("&Edit", {command(cmd::kCopy)});
    }
}

// The graph toolbar's commands; each graph view enables those of its kind.
std::vector<MenuEntry> graphViewEntries() {
    return {separator(),
            command(cmd::kDecreaseFont),
            command(cmd::kIncreaseFont),
            separator(),
            command(cmd::kGraphBackgroundColour),
            command(cmd::kGraphTextColour),
            command(cmd::kBarColour),
            command(cmd::kErrorBars),
            separator(),
            command(cmd::kLogScale),
            command(cmd::kAgeRange),
            command(cmd::kVerticalLines),
            separator(),
            command(cmd::kPieLarger),
            command(cmd::kPieSmaller)};
}

MenuEntry viewMenu(MenuSet set) {
    std::vector<MenuEntry> entries = {command(cmd::kToolbar), command(cmd::kStatusBar)};
    if (set == MenuSet::StandardTableText || set == MenuSet::Tables) {
        entries.push_back(separator());
        entries.push_back(command(cmd::kDecreaseFont));
        entries.push_back(command(cmd::kIncreaseFont));
    }
    if (set == MenuSet::Tables) {
        entries.push_back(separator());
        entries.push_back(command(cmd::kBackgroundColour));
        entries.push_back(command(cmd::kTextColour));
        entries.push_back(separator());
        entries.push_back(submenu("&Confidence intervals", {command(cmd::kIntervalsNormal),
                                                            command(cmd::kIntervalsSmallCounts)}));
    }
    if (set == MenuSet::Tables || set == MenuSet::Graphs) {
        std::vector<MenuEntry> standards = {
            command(cmd::kStandardWorldSegi),    command(cmd::kStandardWorldWho2000), separator(),
            command(cmd::kStandardEuropean1976), command(cmd::kStandardEuropean2013), separator()};
        for (int id = cmd::kStandardUser1; id <= cmd::kStandardUserLast; ++id) {
            standards.push_back(command(id));
        }
        entries.push_back(submenu("Standard &population", std::move(standards)));
    }
    if (set == MenuSet::Tables) {
        entries.push_back(command(cmd::kSirTests));
    }
    if (set == MenuSet::Graphs) {
        entries.push_back(submenu("Graph &style", {command(cmd::kGraphStyleClassic),
                                                   command(cmd::kGraphStylePublication)}));
        for (MenuEntry entry : graphViewEntries()) {
            entries.push_back(std::move(entry));
        }
    }
    return submenu("&View", std::move(entries));
}

MenuEntry dictionariesMenu() {
    return submenu("&Dictionaries",
                   {command(cmd::kRegistryDictionary), command(cmd::kCancerDictionary), separator(),
                    submenu("&New user-defined group",
                            {command(cmd::kNewCancerGroup), command(cmd::kNewRegistryGroup)})});
}

MenuEntry windowMenu() {
    return submenu("&Window", {command(cmd::kWindowCascade), command(cmd::kWindowTile),
                               command(cmd::kWindowArrange), MenuEntry{kMenuWindowList, "", {}}});
}

MenuEntry helpMenu() {
    return submenu("&Help", {command(cmd::kAbout), command(cmd::kReference), separator(),
                             submenu("&ORVELAN on the Web...",
                                     {command(cmd::kWebUserGuide), command(cmd::kWebData),
                                      command(cmd::kWebMethods), command(cmd::kWebCitation)})});
}

} // namespace

std::vector<MenuEntry> menuLayout(MenuSet set) {
    if (set == MenuSet::NoDocument) {
        return {fileMenu(set, false), viewMenu(set), dictionariesMenu(), helpMenu()};
    }
    return {fileMenu(set, true), editMenu(set), viewMenu(set),
            dictionariesMenu(),  windowMenu(),  helpMenu()};
}

} // namespace orvelan
