#include "gui/data/CUserGroupDlg.h"

#include "core/data/CUserGroupDictionary.h"
#include "core/data/Validation.h"
#include "graphics/CoreText.h"
#include "gui/data/CSelectionTree.h"
#include "gui/data/GroupDialogs.h"
#include "gui/widgets/CEditLIB.h"
#include "gui/widgets/CMessages.h"
#include "gui/widgets/CReportList.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvelan {

namespace {

constexpr int kNameLength = 80;

} // namespace

CUserGroupDlg::CUserGroupDlg(TreeKind kind, CUserGroupDictionary& groups,
                             std::initializer_list<std::pair<QString, int>> columns,
                             QWidget* parent)
    : QDialog(parent), m_kind(kind), m_groups(groups) {
    const bool registries = kind == TreeKind::Registry;
    setObjectName(registries ? QStringLiteral("userRegistry") : QStringLiteral("userCancer"));
    setWindowTitle(registries ? QStringLiteral("User-defined registry")
                              : QStringLiteral("User-defined cancer"));
    m_name = new CEditLIB(this);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setMaxLength(kNameLength);
    m_tree = new CSelectionTree(kind, CSelectionTree::Form::Multiple, this);
    m_tree->setObjectName(registries ? QStringLiteral("registryTree")
                                     : QStringLiteral("cancerTree"));
    m_tree->setSelection(emptySelectionList());
    m_list = new CReportList(this, QStringLiteral("selectedList"), columns);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CUserGroupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), m_name);
    auto* panes = new QHBoxLayout;
    panes->addWidget(m_tree->withFilter(), 1);
    panes->addWidget(m_list, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(panes, 1);
    layout->addWidget(buttons);
    resize(registries ? 820 : 860, 520);

    connect(m_tree, &CSelectionTree::selectionChanged, this, &CUserGroupDlg::updateList);
    connect(m_name, &QLineEdit::textChanged, this, &CUserGroupDlg::updateList);
}

QTreeWidget* CUserGroupDlg::list() const { return m_list; }

void CUserGroupDlg::updateList() {
    const std::vector<int> members = tickedMembers(m_tree->selection());
    const QString name = m_name->text();
    m_list->headerItem()->setText(
        0, name.isEmpty() ? QStringLiteral("%1 item(s) selected").arg(members.size())
                          : QStringLiteral("%1: %2 item(s)").arg(name).arg(members.size()));
    m_list->clear();
    for (int member : members) {
        addMemberRow(member);
    }
    m_list->fitColumns();
}

void CUserGroupDlg::accept() {
    // A name of blanks only would read back as an empty name.
    if (m_name->text().trimmed().isEmpty()) {
        CMessages::error(this, QStringLiteral("Name: Invalid selection"));
        return;
    }
    const std::vector<int> members = tickedMembers(m_tree->selection());
    if (members.empty()) {
        CMessages::error(this, m_kind == TreeKind::Registry
                                   ? QStringLiteral("Registries: Invalid selection")
                                   : QStringLiteral("Cancers: Invalid selection"));
        return;
    }
    if (m_groups.count() >= m_groups.capacity()) {
        CMessages::error(this, fromCoreText(kTooManyItems));
        return;
    }
    if (const IoResult added = m_groups.append(toCoreText(m_name->text()), members); !added.ok()) {
        CMessages::error(this, cannotWrite(added));
        return;
    }
    QDialog::accept();
}

} // namespace orvelan
