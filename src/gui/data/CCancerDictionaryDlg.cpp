#include "gui/data/CCancerDictionaryDlg.h"

#include "core/data/CCancerDictionary.h"
#include "core/data/CUserGroupDictionary.h"
#include "graphics/CoreText.h"
#include "gui/data/CUserCancerDlg.h"
#include "gui/data/GroupDialogs.h"
#include "gui/widgets/CReportList.h"

namespace orvelan {

CCancerDictionaryDlg::CCancerDictionaryDlg(CUserGroupDictionary& groups, QWidget* parent)
    : CDictionaryDlg(TreeKind::Cancer, groups,
                     {{QString(), 200},
                      {QStringLiteral("Male"), 50},
                      {QStringLiteral("Female"), 50},
                      {QStringLiteral("ICD-10"), 50},
                      {QString(), 200}},
                     parent) {}

void CCancerDictionaryDlg::describe(int value, int group) {
    QTreeWidget* rows = list();
    if (group >= 0) {
        const UserGroup& g = groups().group(group);
        const std::vector<int> members = g.memberList();
        rows->headerItem()->setText(0, QStringLiteral("%1 (%2 cancers)")
                                           .arg(fromCoreText(g.trimmedName()))
                                           .arg(members.size()));
        listCancers(members);
    } else if (isDictionaryCancer(value)) {
        rows->headerItem()->setText(0, programName() + QStringLiteral(" cancer"));
        listCancers({value});
    } else {
        rows->headerItem()->setText(0, QString());
        rows->headerItem()->setText(4, QString());
    }
}

void CCancerDictionaryDlg::listCancers(const std::vector<int>& cancers) {
    bool anyMorphology = false;
    for (int cancer : cancers) {
        const bool morphology = CCancerDictionary::isMorphology(cancer);
        anyMorphology = anyMorphology || morphology;
        auto* row = new QTreeWidgetItem(list());
        row->setText(0, fromCoreText(CCancerDictionary::label(cancer)));
        row->setText(1, sexMark(CCancerDictionary::appliesToMales(cancer)));
        row->setText(2, sexMark(CCancerDictionary::appliesToFemales(cancer)));
        row->setText(3, fromView(CCancerDictionary::icd10Code(cancer)));
        row->setText(4, morphology ? fromView(CCancerDictionary::code(cancer)) : QString());
    }
    list()->headerItem()->setText(4, anyMorphology ? QStringLiteral("ICDO-2 (M)") : QString());
}

bool CCancerDictionaryDlg::runAddDialog() {
    CUserCancerDlg dialog(groups(), this);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace orvelan
