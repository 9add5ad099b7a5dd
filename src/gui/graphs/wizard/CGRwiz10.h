#pragma once

#include "core/graphs/GraphSettings.h"
#include "gui/graphs/wizard/CGphPage.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace orvelan {

class CReportList;

/// Graph template selection: one row per readable .GPH file of the templates folder; Next
/// reads the chosen file into the settings and goes to the first page of its kind.
class CGRwiz10 : public CGphPage {
    Q_OBJECT
  public:
    explicit CGRwiz10(CGphWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Graph templates selection"); }
    int backId() const override;
    void initializePage() override;
    bool store() override;
    int nextId() const override;

    CReportList* list() const { return m_list; }

  private:
    int chosenRow() const;

    CReportList* m_list = nullptr;
    QStringList m_paths;
    std::vector<int> m_kinds; // the first word of each row's file
    std::optional<GraphKind> m_loadedKind;
};

} // namespace orvelan
