#pragma once

// A view that handles some commands itself (copy, print, save as, ...). The main window asks the
// active view first and falls back to its own handlers.
namespace orvelan {

class CCommandTarget {
  public:
    virtual ~CCommandTarget() = default;
    /// True when the view has a handler for the command.
    virtual bool handlesCommand(int id) const = 0;
    /// Whether the command can run now (e.g. Copy needs a selection).
    virtual bool isCommandEnabled(int id) const { return handlesCommand(id); }
    virtual void runCommand(int id) = 0;
    /// Whether a checkable command (Swap) is shown checked.
    virtual bool isCommandChecked(int /*id*/) const { return false; }
};

} // namespace orvelan
