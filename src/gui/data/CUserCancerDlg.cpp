#include "gui/data/CUserCancerDlg.h"

#include "core/data/CCancerDictionary.h"
#include "gui/widgets/CEditLIB.h"
#include "gui/data/CMessages.h"
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

std::vector<int> tickedCancers(const SelectionList& list) {
    std::vector<int> cancers;
    for (int cancer = 0; cancer < kCancerCount; ++cancer) {
        if (list[static_cast<std::size_t>(cancer)] >= 0) {
            cancers.push_back(cancer);
        }
    }
    return cancers;
}

} // namespace

CUserCancerDlg::CUserCancerDlg(CUserGroupDictionary& groups, QWidget* parent)
    : QDialog(parent), m_groups(groups) {
    setObjectName(QStringLiteral("userCancer"));
    setWindowTitle(QStringLiteral("User-defined cancer"));
    m_name = new CEditLIB(this);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setMaxLength(kNameLength);
    m_tree = new CSelectionTree(TreeKind::Cancer, CSelectionTree::Form::Multiple, this);
    m_tree->setObjectName(QStringLiteral("cancerTree"));
    m_tree->setSelection(emptySelectionList());
    m_list = makeReportList(
        this, QStringLiteral("selectedList"),
        {{QString(), 300}, {QStringLiteral("Male"), 50}, {QStringLiteral("Female"), 50}});

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CUserCancerDlg::accept);
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
    resize(860, 520);

    connect(m_tree, &CSelectionTree::selectionChanged, this, &CUserCancerDlg::updateList);
    connect(m_name, &QLineEdit::textChanged, this, &CUserCancerDlg::updateList);
    updateList();
}

void CUserCancerDlg::updateList() {
    const std::vector<int> cancers = tickedCancers(m_tree->selection());
    const QString name = m_name->text();
    m_list->headerItem()->setText(
        0, name.isEmpty() ? QStringLiteral("%1 item(s) selected").arg(cancers.size())
                          : QStringLiteral("%1: %2 item(s)").arg(name).arg(cancers.size()));
    m_list->clear();
    for (int cancer : cancers) {
        auto* row = new QTreeWidgetItem(m_list);
        row->setText(0, QString::fromStdString(CCancerDictionary::label(cancer)));
        row->setText(1, sexMark(CCancerDictionary::appliesToMales(cancer)));
        row->setText(2, sexMark(CCancerDictionary::appliesToFemales(cancer)));
    }
}

void CUserCancerDlg::accept() {
    // A name of blanks only would read back as an empty name.
    if (m_name->text().trimmed().isEmpty()) {
        CMessages::error(this, QStringLiteral("Name: Invalid selection"));
        return;
    }
    const std::vector<int> cancers = tickedCancers(m_tree->selection());
    if (cancers.empty()) {
        CMessages::error(this, QStringLiteral("Cancers: Invalid selection"));
        return;
    }
    if (m_groups.count() >= m_groups.capacity()) {
        CMessages::error(this, QStringLiteral("You defined too many items"));
        return;
    }
    if (!m_groups.append(m_name->text().toLatin1().toStdString(), cancers)) {
        CMessages::error(this, cannotWrite(m_groups));
        return;
    }
    QDialog::accept();
}

} // namespace orvelan
