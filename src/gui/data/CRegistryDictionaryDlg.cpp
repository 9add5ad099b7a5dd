#include "gui/data/CRegistryDictionaryDlg.h"

#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/data/PopulationSummary.h"
#include "graphics/CoreText.h"
#include "gui/data/CUserRegistryDlg.h"
#include "gui/data/GroupDialogs.h"
#include "gui/widgets/CReportList.h"

namespace orvelan {

CRegistryDictionaryDlg::CRegistryDictionaryDlg(CUserGroupDictionary& groups, CIncidenceStore& store,
                                               QWidget* parent)
    : CDictionaryDlg(
          TreeKind::Registry, groups,
          {{QString(), 250}, {QStringLiteral("Type"), 70}, {QStringLiteral("Age-classes"), 70}},
          parent),
      m_store(store) {}

void CRegistryDictionaryDlg::describe(int value, int group) {
    QTreeWidget* rows = list();
    if (group >= 0) {
        const UserGroup& g = groups().group(group);
        const std::vector<int> members = g.memberList();
        rows->headerItem()->setText(
            0, QStringLiteral("%1 (%2 registries) %3")
                   .arg(fromCoreText(g.trimmedName()))
                   .arg(members.size())
                   .arg(fromCoreText(registryGroupAgeClasses(m_store, group))));
        listPopulations(members);
    } else if (isDictionaryPopulation(value)) {
        rows->headerItem()->setText(0, programName() + QStringLiteral(" registry"));
        listPopulations({value});
    } else {
        rows->headerItem()->setText(0, QString());
    }
}

void CRegistryDictionaryDlg::listPopulations(const std::vector<int>& populations) {
    for (int population : populations) {
        const PopulationSummary summary = summarizePopulation(m_store, population);
        auto* row = new QTreeWidgetItem(list());
        row->setText(0, fromCoreText(summary.label));
        row->setText(1, fromCoreText(summary.type));
        row->setText(2, fromCoreText(summary.ageClasses));
    }
}

bool CRegistryDictionaryDlg::runAddDialog() {
    CUserRegistryDlg dialog(groups(), m_store, this);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace orvelan
