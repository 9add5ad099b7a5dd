#pragma once

#include <functional>

class QPrinter;
class QWidget;

// Print, print without asking and print preview for a view that can draw itself on a printer:
// the dialogs, the high-resolution printer, and the message when the printer cannot start.
namespace orvelan {

class CPrintRunner {
  public:
    /// Draws every page on the printer; false when the printer could not start.
    using PrintFunction = std::function<bool(QPrinter&)>;
    /// The number of pages the printer's page size makes; 0: the dialog offers no range.
    using PageCount = std::function<int(const QPrinter&)>;

    /// The print dialog, then the pages on the printer chosen.
    static void print(QWidget* parent, const PrintFunction& printTo, const PageCount& pages = {});
    /// The pages on the default printer, without a dialog.
    static void printDirect(QWidget* parent, const PrintFunction& printTo);
    /// The preview dialog, drawn again whenever the preview asks.
    static void preview(QWidget* parent, const PrintFunction& printTo);

  private:
    static void reportFailure(QWidget* parent);
};

} // namespace orvelan
