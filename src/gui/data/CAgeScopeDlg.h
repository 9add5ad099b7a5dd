#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

// "Age scope": edits an age range with two fields and their up-down controls. The fields show
// age-group labels and are read back by their text when OK is pressed.
namespace orvelan {

class CAgeScopeDlg : public QDialog {
    Q_OBJECT
  public:
    /// from and to are age groups 0-17; lastAgeGroup is that of the data on show.
    CAgeScopeDlg(int from, int to, int lastAgeGroup, QWidget* parent = nullptr);

    int from() const { return m_from; }
    int to() const { return m_to; }

    QLineEdit* fromField() const { return m_fromField; }
    QLineEdit* toField() const { return m_toField; }
    QSpinBox* fromSpin() const { return m_fromSpin; }
    QSpinBox* toSpin() const { return m_toSpin; }

    void accept() override;

  protected:
    /// Up and Down in a field step the field's up-down control.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showFrom(int position);
    void showTo(int position);

    int m_from;
    int m_to;
    int m_last;
    QLineEdit* m_fromField;
    QLineEdit* m_toField;
    QSpinBox* m_fromSpin;
    QSpinBox* m_toSpin;
};

} // namespace orvelan
