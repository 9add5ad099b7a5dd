#pragma once

#include <QString>

class QPrinter;
class QWidget;

// What a view asks of the program it runs in, without knowing the program: the printer every
// print shares, the folder a Save As starts in, a line in the status bar, and the news that a
// document now has a file. The running program is the one host; a view shown on its own (in a
// test) has none, and current() is then nullptr.
namespace orvelan {

class CViewHost {
  public:
    CViewHost(const CViewHost&) = delete;
    CViewHost& operator=(const CViewHost&) = delete;

    /// The host of the running program; nullptr when there is none.
    static CViewHost* current();

    /// The printer of Print Setup, shared by every print.
    virtual QPrinter& printer() = 0;
    /// The folder proposed to a Save As.
    virtual QString workDirectory() const = 0;
    /// After a view has saved its document under a path: the document takes the file's name as
    /// its title and the path goes to the top of the recent-file list.
    virtual void documentSaved(const QWidget* view, const QString& path) = 0;
    /// A passing message in the main window's status bar.
    virtual void showStatusMessage(const QString& message) = 0;

  protected:
    /// The host is current from its construction to its destruction.
    CViewHost();
    virtual ~CViewHost();

  private:
    static CViewHost* s_current;
};

} // namespace orvelan
