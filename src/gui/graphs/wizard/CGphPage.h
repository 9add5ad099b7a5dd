#pragma once

#include <QStringList>
#include <QWizardPage>

class QLabel;
class QLayout;

// What every page of the graph wizard has: the sheet it edits, its caption, the page Back
// leads to, a quiet line that says why Next did nothing, and the program's name painted at
// the lower right (with the bar chart pages' heading at the top).
namespace orvelan {

class CGphWizard;
struct GraphSettings;

class CGphPage : public QWizardPage {
    Q_OBJECT
  public:
    /// role: the page's object name ("graph kind", "bar chart registry choice" ...).
    CGphPage(CGphWizard& wizard, const QString& role);

    /// The wizard's caption while this page is shown.
    virtual QString wizardTitle() const = 0;
    /// The page Back returns to; -1 for none.
    virtual int backId() const = 0;
    /// Checks the page and stores it into the settings; false keeps the page (a message box
    /// or the quiet line says why). Next and Finish call it; Back never does.
    virtual bool store() { return true; }
    bool validatePage() override;
    /// Pages keep what the user did when he steps back.
    void cleanupPage() override {}

    /// The quiet line's text; empty when the last Next said nothing.
    QString reason() const;
    void clearReason();

  protected:
    CGphWizard& sheet() const { return m_wizard; }
    GraphSettings& settings() const;
    /// Tells the user why Next or Finish did nothing, on the page itself.
    void refuseQuietly(const QString& text);
    /// Lines of the heading painted at the top centre; none by default.
    virtual QStringList headingLines() const { return {}; }
    /// Puts the page's controls above the quiet line, with room for the painted texts
    /// (withHeading: room for the heading's lines).
    void setContent(QLayout* content, bool withHeading = false);
    void paintEvent(QPaintEvent* event) override;

  private:
    CGphWizard& m_wizard;
    QLabel* m_reason = nullptr;
};

} // namespace orvelan
