#pragma once

#include <QWizardPage>

class QLayout;

// What every page of the export wizard has: the sheet it edits and the program's name painted
// at its lower right.
namespace orvelan {

class CExpWizard;
struct ExportSettings;

class CExpPage : public QWizardPage {
    Q_OBJECT
  public:
    /// role: the page's object name ("population selection" ...).
    CExpPage(CExpWizard& wizard, const QString& role);

    /// Checks the page's fields and stores them into the sheet; false keeps the page (any
    /// message has been shown). Next and Finish call it; Back does not.
    virtual bool store() = 0;
    bool validatePage() override { return store(); }
    /// Pages keep what the user did when he steps back.
    void cleanupPage() override {}

  protected:
    CExpWizard& sheet() const { return m_wizard; }
    ExportSettings& settings() const;
    void paintEvent(QPaintEvent* event) override;
    /// Room for the program's name below the controls.
    void setBannerMargins(QLayout* layout) const;

  private:
    CExpWizard& m_wizard;
};

} // namespace orvelan
