#include "gui/data/CUserCancerDlg.h"

#include "core/data/CCancerDictionary.h"
#include "graphics/CoreText.h"
#include "gui/data/GroupDialogs.h"

#include <QTreeWidget>

namespace orvelan {

CUserCancerDlg::CUserCancerDlg(CUserGroupDictionary& groups, QWidget* parent)
    : CUserGroupDlg(
          TreeKind::Cancer, groups,
          {{QString(), 300}, {QStringLiteral("Male"), 50}, {QStringLiteral("Female"), 50}},
          parent) {
    updateList();
}

std::vector<int> CUserCancerDlg::tickedMembers(const SelectionList& selection) const {
    std::vector<int> cancers;
    for (int cancer = 0; cancer < kCancerCount; ++cancer) {
        if (selection[static_cast<std::size_t>(cancer)] >= 0) {
            cancers.push_back(cancer);
        }
    }
    return cancers;
}

void CUserCancerDlg::addMemberRow(int cancer) {
    auto* row = new QTreeWidgetItem(list());
    row->setText(0, fromCoreText(CCancerDictionary::label(cancer)));
    row->setText(1, sexMark(CCancerDictionary::appliesToMales(cancer)));
    row->setText(2, sexMark(CCancerDictionary::appliesToFemales(cancer)));
}

} // namespace orvelan
