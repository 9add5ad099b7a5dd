#include "gui/data/CRegistryDictionaryDlg.h"

#include "core/data/CIncidenceStore.h"
#include "gui/data/CMessages.h"
#include "gui/data/CSelectionTree.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/data/CUserRegistryDlg.h"
#include "gui/data/GroupDialogs.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvelan {

CRegistryDictionaryDlg::CRegistryDictionaryDlg(CUserGroupDictionary& groups, CIncidenceStore& store,
                                               QWidget* parent)
    : QDialog(parent), m_groups(groups), m_store(store) {
    setObjectName(QStringLiteral("registryDictionary"));
    setWindowTitle(QStringLiteral("Registry dictionary"));
    m_tree = new CSelectionTree(TreeKind::Registry, CSelectionTree::Form::Browse, this);
    m_tree->setObjectName(QStringLiteral("registryTree"));
    m_tree->setGroups(&m_groups);
    m_tree->rebuild();
    m_list = makeReportList(
        this, QStringLiteral("registryList"),
        {{QString(), 250}, {QStringLiteral("Type"), 70}, {QStringLiteral("Age-classes"), 70}});

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
    panes->addWidget(m_tree, 1);
    panes->addWidget(m_list, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);
    resize(820, 520);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CRegistryDictionaryDlg::showItem);
    connect(addButton, &QPushButton::clicked, this, &CRegistryDictionaryDlg::addGroup);
    connect(m_deleteButton, &QPushButton::clicked, this, &CRegistryDictionaryDlg::deleteGroup);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void CRegistryDictionaryDlg::setGroupDeletedHandler(std::function<void(int)> handler) {
    m_groupDeleted = std::move(handler);
}

void CRegistryDictionaryDlg::showItem() {
    const int value = m_tree->currentValue();
    const int group = value - kFirstRegistryGroup;
    const bool isGroup = group >= 0 && group < m_groups.count();
    m_deleteButton->setVisible(isGroup);
    m_list->clear();
    if (isGroup) {
        const UserGroup& g = m_groups.group(group);
        const std::vector<int> members = g.memberList();
        // The group's last age group is what the store derives when it pools the members.
        QString ages = QStringLiteral("?");
        if (m_store.loadRegistryGroup(group, 0, 0)) {
            ages = QString::number(5 * m_store.lastAgeGroup());
        }
        m_list->headerItem()->setText(0, QStringLiteral("%1 (%2 registries) [0-%3+]")
                                             .arg(latin1(g.trimmedName()))
                                             .arg(members.size())
                                             .arg(ages));
        listPopulations(members);
    } else if (value >= 0 && value < kPopulationCount) {
        m_list->headerItem()->setText(0, programName() + QStringLiteral(" registry"));
        listPopulations({value});
    } else {
        m_list->headerItem()->setText(0, QString());
    }
}

void CRegistryDictionaryDlg::listPopulations(const std::vector<int>& populations) {
    for (int population : populations) {
        const PopulationInfo info = populationInfo(m_store, population);
        auto* row = new QTreeWidgetItem(m_list);
        row->setText(0, info.label);
        row->setText(1, info.type);
        row->setText(2, info.ageClasses);
    }
}

void CRegistryDictionaryDlg::addGroup() {
    CUserRegistryDlg dialog(m_groups, m_store, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_tree->rebuild();
        if (QTreeWidgetItem* item = m_tree->findValue(kFirstRegistryGroup + m_groups.count() - 1)) {
            m_tree->setCurrentItem(item);
        }
    }
}

void CRegistryDictionaryDlg::deleteGroup() {
    const int group = m_tree->currentValue() - kFirstRegistryGroup;
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
    m_tree->rebuild(); // the "User-defined registries" node goes with the last group
    showItem();
}

} // namespace orvelan
