#pragma once

#include <QDialog>
#include <QString>

class QListWidget;
class QRadioButton;

// "Select the column to sort by": one entry per grid column, the first named by the owning
// view ("Registry name", "Cancer label"), the others the grid's column headings.
namespace orvelan {

class CGridCtrl;

class CSortColumnDlg : public QDialog {
    Q_OBJECT

  public:
    /// Lists nothing when grid is null.
    CSortColumnDlg(const QString& firstEntry, const CGridCtrl* grid, QWidget* parent = nullptr);

    /// Index of the chosen entry, which is the column to sort by; -1 when the list is empty.
    int column() const;
    bool ascending() const;
    int entryCount() const;
    QString entry(int index) const;

  private:
    QListWidget* m_list = nullptr;
    QRadioButton* m_ascending = nullptr;
    QRadioButton* m_descending = nullptr;
};

} // namespace orvelan
