#pragma once

#include <QWizardPage>

// What every page of the report wizard has: the sheet it edits, the wizard title it sets when
// shown, and the banner painted behind its controls.
namespace orvelan {

class CRptWizard;
class CIncidenceStore;
class CUserGroupDictionary;
struct ReportChoices;

class CRptPage : public QWizardPage {
    Q_OBJECT
  public:
    /// role: the page's object name ("report kind", "registry selection" ...).
    CRptPage(CRptWizard& wizard, const QString& role);

    /// The wizard's title while this page is shown.
    virtual QString wizardTitle() const = 0;
    /// Checks the page's fields and stores them into the sheet; false keeps the page (any
    /// message has been shown). Next and Finish call it; Back does not.
    virtual bool store() { return true; }
    bool validatePage() override { return store(); }
    /// Pages keep what the user did when he steps back.
    void cleanupPage() override {}

  protected:
    CRptWizard& sheet() const { return m_wizard; }
    ReportChoices& choices() const;
    /// The text painted at the top of the page; empty for none.
    virtual QString bannerLabel() const { return {}; }
    void paintEvent(QPaintEvent* event) override;
    /// A layout with room for the banner above and below.
    void setBannerMargins(class QLayout* layout) const;

  private:
    CRptWizard& m_wizard;
};

} // namespace orvelan
