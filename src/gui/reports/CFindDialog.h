#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The modeless "Find" dialog of the text view.
namespace orvelan {

class CFindDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CFindDialog(QWidget* parent = nullptr);

    void setFindWhat(const QString& text);

  signals:
    void findNextRequested(const QString& text, bool matchCase, bool wholeWord, bool down);

  private:
    QLineEdit* m_findWhat;
    QCheckBox* m_wholeWord;
    QCheckBox* m_matchCase;
    QRadioButton* m_down;
    QPushButton* m_findNext;
};

} // namespace orvelan
