#include "gui/data/CCancerDictionaryDlg.h"

#include "core/data/CCancerDictionary.h"
#include "gui/data/CMessages.h"
#include "gui/data/CSelectionTree.h"
#include "gui/data/CUserCancerDlg.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/data/GroupDialogs.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvelan {

CCancerDictionaryDlg::CCancerDictionaryDlg(CUserGroupDictionary& groups, QWidget* parent)
    : QDialog(parent), m_groups(groups) {
    setObjectName(QStringLiteral("cancerDictionary"));
    setWindowTitle(QStringLiteral("Cancer dictionary"));
    m_tree = new CSelectionTree(TreeKind::Cancer, CSelectionTree::Form::Browse, this);
    m_tree->setObjectName(QStringLiteral("cancerTree"));
    m_tree->setGroups(&m_groups);
    m_tree->rebuild();
    m_list = makeReportList(this, QStringLiteral("cancerList"),
                            {{QString(), 200},
                             {QStringLiteral("Male"), 50},
                             {QStringLiteral("Female"), 50},
                             {QStringLiteral("ICD-10"), 50},
                             {QString(), 200}});

    auto* addButton = new QPushButton(QStringLiteral("&Add..."), this);
    addButton->setObjectName(QStringLiteral("addButton"));
    m_deleteButton = new QPushButton(QStringLiteral("&Delete"), this);
    m_deleteButton->setObjectName(QStringLiteral("deleteButton"));
    m_deleteButton->setVisible(false);
    auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(m_deleteButton);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    auto* panes = new QHBoxLayout;
    panes->addWidget(m_tree, 2);
    panes->addWidget(m_list, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);
    resize(900, 520);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CCancerDictionaryDlg::showItem);
    connect(addButton, &QPushButton::clicked, this, &CCancerDictionaryDlg::addGroup);
    connect(m_deleteButton, &QPushButton::clicked, this, &CCancerDictionaryDlg::deleteGroup);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void CCancerDictionaryDlg::setGroupDeletedHandler(std::function<void(int)> handler) {
    m_groupDeleted = std::move(handler);
}

void CCancerDictionaryDlg::showItem() {
    const int value = m_tree->currentValue();
    const int group = value - kFirstCancerGroup;
    const bool isGroup = group >= 0 && group < m_groups.count();
    m_deleteButton->setVisible(isGroup);
    m_list->clear();
    if (isGroup) {
        const UserGroup& g = m_groups.group(group);
        const std::vector<int> members = g.memberList();
        m_list->headerItem()->setText(
            0, QStringLiteral("%1 (%2 cancers)").arg(latin1(g.trimmedName())).arg(members.size()));
        listCancers(members);
    } else if (value >= 0 && value < kCancerCount) {
        m_list->headerItem()->setText(0, programName() + QStringLiteral(" cancer"));
        listCancers({value});
    } else {
        m_list->headerItem()->setText(0, QString());
        m_list->headerItem()->setText(4, QString());
    }
}

void CCancerDictionaryDlg::listCancers(const std::vector<int>& cancers) {
    bool anyMorphology = false;
    for (int cancer : cancers) {
        const bool morphology = CCancerDictionary::isMorphology(cancer);
        anyMorphology = anyMorphology || morphology;
        auto* row = new QTreeWidgetItem(m_list);
        row->setText(0, QString::fromStdString(CCancerDictionary::label(cancer)));
        row->setText(1, sexMark(CCancerDictionary::appliesToMales(cancer)));
        row->setText(2, sexMark(CCancerDictionary::appliesToFemales(cancer)));
        row->setText(3, fromView(CCancerDictionary::icd10Code(cancer)));
        row->setText(4, morphology ? fromView(CCancerDictionary::code(cancer)) : QString());
    }
    m_list->headerItem()->setText(4, anyMorphology ? QStringLiteral("ICDO-2 (M)") : QString());
}

void CCancerDictionaryDlg::addGroup() {
    CUserCancerDlg dialog(m_groups, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_tree->rebuild();
        if (QTreeWidgetItem* item = m_tree->findValue(kFirstCancerGroup + m_groups.count() - 1)) {
            m_tree->setCurrentItem(item);
        }
    }
}

void CCancerDictionaryDlg::deleteGroup() {
    const int group = m_tree->currentValue() - kFirstCancerGroup;
    if (group < 0 || group >= m_groups.count()) {
        return;
    }
    if (!CMessages::askYesNo(this, deleteQuestion(m_groups.group(group)))) {
        return;
    }
    if (!m_groups.remove(group)) {
        CMessages::error(this, cannotWrite(m_groups));
        return;
    }
    if (m_groupDeleted) {
        m_groupDeleted(group);
    }
    m_tree->rebuild(); // the "User-defined cancers" node goes with the last group
    showItem();
}

} // namespace orvelan
