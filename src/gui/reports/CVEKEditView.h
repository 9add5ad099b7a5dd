#pragma once

#include "gui/app/CCommandTarget.h"

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
    /// Prints the whole text on a printer as it is set up.
    void printTo(QPrinter& printer) const;
    /// Searches from the cursor; false (with a beep) when the text is not found.
    bool findText(const QString& text, bool matchCase, bool wholeWord, bool down);
    bool findNext();

    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

  signals:
    void commandStateChanged();

  private:
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
};

} // namespace orvelan
