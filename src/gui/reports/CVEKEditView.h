#pragma once

#include "gui/framework/CCommandMap.h"
#include "gui/framework/CCommandTarget.h"

#include <QPlainTextEdit>
#include <QString>
#include <string>

class QPrinter;

// The text view of standard incidence tables and of opened text files: "Courier New" at a
// font size of 7 to 15 (default 12, height in pixels), white ground, left margin 10. It prints,
// copies, finds, and saves its text as ".prn".
namespace orvelan {

class CFindDialog;

class CVEKEditView : public QPlainTextEdit, public CCommandTarget {
    Q_OBJECT
  public:
    static constexpr int kMinFontSize = 7;
    static constexpr int kMaxFontSize = 15;
    static constexpr int kDefaultFontSize = 12;

    explicit CVEKEditView(QWidget* parent = nullptr);
    ~CVEKEditView() override;

    /// Sets the text; "\r\n" and "\n" both end a line.
    void setText(const QString& text);
    /// The text with "\r\n" line ends.
    QString text() const;
    /// Sets the text from file bytes (UTF-8, else Latin-1); the same encoding is used to save.
    void setTextBytes(const std::string& bytes);
    /// The text in its encoding with "\r\n" line ends.
    std::string textBytes() const;

    int fontSize() const { return m_fontSize; }
    void decreaseFont();
    void increaseFont();

    /// Writes the text to a ".prn" file ("\n" line ends). Any other ending shows "File format
    /// not supported..." and writes nothing; false then, or when the file cannot be written.
    bool saveAs(const QString& path);
    /// How the text goes on the printer's page: the font size in points, and a note when it
    /// had to be made smaller than the screen's so that the longest line fits the page width.
    struct PrintFit {
        qreal pointSize = 0;
        QString note; // empty when the text prints at its own size
    };
    PrintFit printFit(QPrinter& printer) const;
    /// Turns a portrait page to landscape when only that fits the longest line at the text's
    /// own size; the note says so, empty when the orientation stays.
    QString chooseOrientation(QPrinter& printer) const;
    /// Prints the whole text, every column on the page; returns what printFit says.
    QString printTo(QPrinter& printer) const;
    /// Searches from the cursor; false (with a beep) when the text is not found.
    bool findText(const QString& text, bool matchCase, bool wholeWord, bool down);
    bool findNext();

    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

  signals:
    void commandStateChanged();

  private:
    void addCommands();
    void applyFont();
    void askSaveAs();
    void print();
    void printPreview();
    void showFindDialog();

    int m_fontSize = kDefaultFontSize;
    bool m_latin1 = false;
    bool m_copyAvailable = false;
    bool m_undoAvailable = false;
    QString m_lastFind;
    bool m_lastMatchCase = false;
    bool m_lastWholeWord = false;
    bool m_lastDown = true;
    CFindDialog* m_findDialog = nullptr;
    CCommandMap m_commands;
};

} // namespace orvelan
