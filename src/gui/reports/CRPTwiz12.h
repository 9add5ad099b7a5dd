#pragma once

#include "gui/reports/CRptPage.h"
#include "gui/widgets/CReportList.h"

#include <QStringList>

namespace orvelan {

/// Report template selection: one row per .RPT file of the templates folder; Next reads the
/// chosen file into the sheet and goes to the first page of its kind.
class CRPTwiz12 : public CRptPage {
    Q_OBJECT
  public:
    explicit CRPTwiz12(CRptWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Report templates selection"); }
    void initializePage() override;
    bool store() override;
    int nextId() const override;

    QTreeWidget* list() const { return m_list; }

  private:
    CReportList* m_list = nullptr;
    QStringList m_paths;
};

} // namespace orvelan
