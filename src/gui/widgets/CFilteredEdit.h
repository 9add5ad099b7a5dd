#pragma once

#include <QLineEdit>

// An edit field that takes only the typed characters its filter accepts and beeps at every
// other one. Pasted text is held to the same characters.
namespace orvelan {

class CFilteredEdit : public QLineEdit {
    Q_OBJECT
  public:
    using Filter = bool (*)(int code);
    CFilteredEdit(Filter filter, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Filter m_filter;
};

} // namespace orvelan
