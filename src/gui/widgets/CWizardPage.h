#pragma once

#include <QWizardPage>

class QLabel;
class QLayout;
class QPainter;

// What every page of the program's wizards has: its role as object name, the wizard title it
// sets when shown, a store() that Next and Finish run and Back never does, the banner painted
// behind its controls, and an optional quiet line that says why the page stays when it
// refuses Next or Finish without a message box.
namespace orvelan {

class CWizardPage : public QWizardPage {
    Q_OBJECT
  public:
    /// The wizard's title while this page is shown.
    virtual QString wizardTitle() const = 0;
    /// Checks the page's fields and stores them into the sheet; false keeps the page (a message
    /// box or the quiet line has said why).
    virtual bool store() { return true; }
    bool validatePage() override;
    /// Pages keep what the user did when he steps back.
    void cleanupPage() override {}

    /// The quiet line's text; empty while there is nothing to say or the page has no line.
    QString reason() const;
    void clearReason();

  protected:
    /// role: the page's object name ("report kind", "registry selection" ...).
    explicit CWizardPage(const QString& role);

    /// Creates the quiet line (object name "reason"); the page styles and places it.
    QLabel* createReasonLabel();
    /// The quiet line in dark red, as the graph and report wizards show it.
    QLabel* createRedReasonLabel();
    /// Tells the user on the page itself why Next or Finish did nothing.
    void refuseQuietly(const QString& text);

    /// Room above the controls for what the banner paints at the top, in pixels.
    virtual int bannerTopMargin() const { return 8; }
    /// The text painted at the top of the page; empty for none.
    virtual QString bannerLabel() const { return {}; }
    /// Paints the banner on the page: by default the label above and the program's name below.
    virtual void paintBanner(QPainter& painter);
    /// Margins that leave room for the banner.
    void setBannerMargins(QLayout* layout) const;
    void paintEvent(QPaintEvent* event) override;

  private:
    QLabel* m_reason = nullptr;
};

} // namespace orvelan
