#include "gui/data/CUserRegistryDlg.h"

#include "gui/widgets/CEditLIB.h"
#include "gui/data/CMessages.h"
#include "core/data/CRegistryDictionary.h"
#include "gui/data/CSelectionTree.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/data/GroupDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

namespace orvelan {

namespace {

constexpr int kNameLength = 80;

/// Population numbers of the ticked dictionary rows, in dictionary order.
std::vector<int> tickedPopulations(const SelectionList& list) {
    std::vector<int> populations;
    for (int row = 0; row < kRegistryRowCount; ++row) {
        const int population = CRegistryDictionary::populationNumber(row);
        if (list[static_cast<std::size_t>(row)] >= 0 && population >= 0 &&
            population < kPopulationCount) {
            populations.push_back(population);
        }
    }
    return populations;
}

} // namespace

CUserRegistryDlg::CUserRegistryDlg(CUserGroupDictionary& groups, CIncidenceStore& store,
                                   QWidget* parent)
    : QDialog(parent), m_groups(groups), m_store(store) {
    setObjectName(QStringLiteral("userRegistry"));
    setWindowTitle(QStringLiteral("User-defined registry"));
    m_name = new CEditLIB(this);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setMaxLength(kNameLength);
    m_tree = new CSelectionTree(TreeKind::Registry, CSelectionTree::Form::Multiple, this);
    m_tree->setObjectName(QStringLiteral("registryTree"));
    m_tree->setSelection(emptySelectionList());
    m_list = makeReportList(this, QStringLiteral("selectedList"),
                            {{QString(), 300}, {QStringLiteral("Age-classes"), 75}});

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CUserRegistryDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), m_name);
    auto* panes = new QHBoxLayout;
    panes->addWidget(m_tree, 1);
    panes->addWidget(m_list, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(panes, 1);
    layout->addWidget(buttons);
    resize(820, 520);

    connect(m_tree, &CSelectionTree::selectionChanged, this, &CUserRegistryDlg::updateList);
    connect(m_name, &QLineEdit::textChanged, this, &CUserRegistryDlg::updateList);
    updateList();
}

void CUserRegistryDlg::updateList() {
    const std::vector<int> populations = tickedPopulations(m_tree->selection());
    const QString name = m_name->text();
    m_list->headerItem()->setText(
        0, name.isEmpty() ? QStringLiteral("%1 item(s) selected").arg(populations.size())
                          : QStringLiteral("%1: %2 item(s)").arg(name).arg(populations.size()));
    m_list->clear();
    for (int population : populations) {
        const PopulationInfo info = populationInfo(m_store, population);
        auto* row = new QTreeWidgetItem(m_list);
        row->setText(0, info.label);
        row->setText(1, info.ageClasses);
    }
}

void CUserRegistryDlg::accept() {
    // A name of blanks only would read back as an empty name.
    if (m_name->text().trimmed().isEmpty()) {
        CMessages::error(this, QStringLiteral("Name: Invalid selection"));
        return;
    }
    const std::vector<int> populations = tickedPopulations(m_tree->selection());
    if (populations.empty()) {
        CMessages::error(this, QStringLiteral("Registries: Invalid selection"));
        return;
    }
    if (m_groups.count() >= m_groups.capacity()) {
        CMessages::error(this, QStringLiteral("You defined too many items"));
        return;
    }
    if (!m_groups.append(m_name->text().toLatin1().toStdString(), populations)) {
        CMessages::error(this, cannotWrite(m_groups));
        return;
    }
    QDialog::accept();
}

} // namespace orvelan
