#pragma once

#include <QString>
#include <vector>

// Menu text, shortcut and status-bar prompt of every command. The prompt is "status text" or
// "status text\ntooltip", as the status bar and the toolbar tips use it.
namespace orvelan {

struct CommandInfo {
    int id = 0;
    const char* text = "";    // menu text with its "&" mnemonic, shortcut after "\t"
    const char* prompt = "";  // status prompt, tooltip after "\n"
    const char* iconKey = ""; // toolbar picture, empty when the command has none
};

/// The entry of a command number; nullptr for an unknown number.
const CommandInfo* commandInfo(int id);
/// Every command of the table, in table order.
const std::vector<CommandInfo>& allCommands();

/// The menu text without the shortcut part.
QString menuText(const CommandInfo& info);
/// The shortcut part of the menu text ("Ctrl+O"), empty when there is none.
QString shortcutText(const CommandInfo& info);
/// The status-bar text of the prompt (before "\n").
QString statusText(const CommandInfo& info);
/// The tooltip of the prompt (after "\n"), else the menu text without "&" and dots.
QString toolTipText(const CommandInfo& info);

} // namespace orvelan
