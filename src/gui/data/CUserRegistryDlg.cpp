#include "gui/data/CUserRegistryDlg.h"

#include "core/data/CRegistryDictionary.h"
#include "core/data/PopulationSummary.h"
#include "graphics/CoreText.h"
#include "gui/data/GroupDialogs.h"

#include <QTreeWidget>

namespace orvelan {

CUserRegistryDlg::CUserRegistryDlg(CUserGroupDictionary& groups, CIncidenceStore& store,
                                   QWidget* parent)
    : CUserGroupDlg(TreeKind::Registry, groups,
                    {{QString(), 300}, {QStringLiteral("Age-classes"), 75}}, parent),
      m_store(store) {
    updateList();
}

std::vector<int> CUserRegistryDlg::tickedMembers(const SelectionList& selection) const {
    std::vector<int> populations;
    for (int row = 0; row < kRegistryRowCount; ++row) {
        const int population = CRegistryDictionary::populationNumber(row);
        if (selection[static_cast<std::size_t>(row)] >= 0 && population >= 0 &&
            population < kPopulationCount) {
            populations.push_back(population);
        }
    }
    return populations;
}

void CUserRegistryDlg::addMemberRow(int population) {
    const PopulationSummary summary = summarizePopulation(m_store, population);
    auto* row = new QTreeWidgetItem(list());
    row->setText(0, fromCoreText(summary.label));
    row->setText(1, fromCoreText(summary.ageClasses));
}

} // namespace orvelan
