#include "CSortColumnDlg.h"

#include "CGridCtrl.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

CSortColumnDlg::CSortColumnDlg(const QString& firstEntry, const CGridCtrl* grid, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CSortColumnDlg"));
    setWindowTitle(QStringLiteral("Select the column to sort by"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("columnList"));
    m_ascending = new QRadioButton(QStringLiteral("Ascending"), this);
    m_ascending->setObjectName(QStringLiteral("ascending"));
    m_descending = new QRadioButton(QStringLiteral("Descending"), this);
    m_descending->setObjectName(QStringLiteral("descending"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* directions = new QHBoxLayout;
    directions->addWidget(m_ascending);
    directions->addWidget(m_descending);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(directions);
    layout->addWidget(buttons);

    if (grid != nullptr) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            m_list->addItem(column == 0 ? firstEntry : grid->itemText(0, column));
        }
    }
    if (m_list->count() > 0) {
        m_list->setCurrentRow(0);
    }
    m_ascending->setChecked(true);
}

int CSortColumnDlg::column() const { return m_list->currentRow(); }

bool CSortColumnDlg::ascending() const { return m_ascending->isChecked(); }

int CSortColumnDlg::entryCount() const { return m_list->count(); }

QString CSortColumnDlg::entry(int index) const {
    const QListWidgetItem* item = m_list->item(index);
    return item != nullptr ? item->text() : QString();
}

} // namespace orvelan
