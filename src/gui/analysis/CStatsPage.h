#pragma once

#include <QWizardPage>

class QLabel;
class QLayout;

// What every page of the statistics wizard has: the sheet it edits, the wizard title it sets
// when shown, the program's name painted at its bottom right, and a quiet line that says why
// the page stays when it refuses Next or Finish without a message.
namespace orvelan {

class CStatsWizard;
struct AnalysisBlock;

class CStatsPage : public QWizardPage {
    Q_OBJECT
  public:
    /// role: the page's object name ("analysis kind", "reference curve" ...).
    CStatsPage(CStatsWizard& wizard, const QString& role);

    /// The wizard's title while this page is shown.
    virtual QString wizardTitle() const = 0;
    /// Checks the page's fields and stores them into the sheet; false keeps the page. Next and
    /// Finish call it; Back does not.
    virtual bool store() { return true; }
    bool validatePage() override;
    /// Pages keep what the user did when he steps back.
    void cleanupPage() override {}

    /// The quiet line's text; empty while there is nothing to say.
    QString reason() const;

  protected:
    CStatsWizard& sheet() const { return m_wizard; }
    AnalysisBlock& block() const;
    /// Shows why the page stays (no message box: a missing choice is not an error).
    void setReason(const QString& text);
    /// The quiet line, to be placed by the page's layout.
    QLabel* reasonLabel() const { return m_reason; }
    void paintEvent(QPaintEvent* event) override;
    void setBannerMargins(QLayout* layout) const;

  private:
    CStatsWizard& m_wizard;
    QLabel* m_reason = nullptr;
};

} // namespace orvelan
