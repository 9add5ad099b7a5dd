#include "gui/data/CDictionaryDlg.h"

#include "core/data/CUserGroupDictionary.h"
#include "core/data/Codes.h"
#include "gui/data/CSelectionTree.h"
#include "gui/data/GroupDialogs.h"
#include "gui/widgets/CMessages.h"
#include "gui/widgets/CReportList.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvelan {

CDictionaryDlg::CDictionaryDlg(TreeKind kind, CUserGroupDictionary& groups,
                               std::initializer_list<std::pair<QString, int>> columns,
                               QWidget* parent)
    : QDialog(parent), m_kind(kind), m_groups(groups) {
    const bool registries = kind == TreeKind::Registry;
    setObjectName(registries ? QStringLiteral("registryDictionary")
                             : QStringLiteral("cancerDictionary"));
    setWindowTitle(registries ? QStringLiteral("Registry dictionary")
                              : QStringLiteral("Cancer dictionary"));
    m_tree = new CSelectionTree(kind, CSelectionTree::Form::Browse, this);
    m_tree->setObjectName(registries ? QStringLiteral("registryTree")
                                     : QStringLiteral("cancerTree"));
    m_tree->setGroups(&m_groups);
    m_tree->rebuild();
    m_list = new CReportList(
        this, registries ? QStringLiteral("registryList") : QStringLiteral("cancerList"), columns);

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
    panes->addWidget(m_tree->withFilter(), registries ? 1 : 2);
    panes->addWidget(m_list, registries ? 1 : 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);
    resize(registries ? 820 : 900, 520);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CDictionaryDlg::showItem);
    connect(addButton, &QPushButton::clicked, this, &CDictionaryDlg::addGroup);
    connect(m_deleteButton, &QPushButton::clicked, this, &CDictionaryDlg::deleteGroup);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

QTreeWidget* CDictionaryDlg::list() const { return m_list; }

void CDictionaryDlg::setGroupDeletedHandler(std::function<void(int)> handler) {
    m_groupDeleted = std::move(handler);
}

int CDictionaryDlg::firstGroupValue() const {
    return m_kind == TreeKind::Registry ? kFirstRegistryGroup : kFirstCancerGroup;
}

void CDictionaryDlg::showItem() {
    const int value = m_tree->currentValue();
    const int group = value - firstGroupValue();
    const bool isGroup = group >= 0 && group < m_groups.count();
    m_deleteButton->setVisible(isGroup);
    m_list->clear();
    describe(value, isGroup ? group : -1);
    m_list->fitColumns();
}

void CDictionaryDlg::addGroup() {
    if (runAddDialog()) {
        m_tree->rebuild();
        if (QTreeWidgetItem* item = m_tree->findValue(firstGroupValue() + m_groups.count() - 1)) {
            m_tree->setCurrentItem(item);
        }
    }
}

void CDictionaryDlg::deleteGroup() {
    const int group = m_tree->currentValue() - firstGroupValue();
    if (group < 0 || group >= m_groups.count()) {
        return;
    }
    if (!CMessages::askYesNo(this, deleteQuestion(m_groups.group(group)))) {
        return;
    }
    if (const IoResult removed = m_groups.remove(group); !removed.ok()) {
        CMessages::error(this, cannotWrite(removed));
        return;
    }
    if (m_groupDeleted) {
        m_groupDeleted(group);
    }
    m_tree->rebuild(); // the "User-defined ..." node goes with the last group
    showItem();
}

} // namespace orvelan
