#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Recommended reference": how to cite the data set, in a read-only field that never shows
// its text selected.
namespace orvelan {

class CReferenceDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CReferenceDlg(QWidget* parent = nullptr);

    static QString citation();
    QPlainTextEdit* citationField() const { return m_field; }

  private:
    QPlainTextEdit* m_field;
};

} // namespace orvelan
