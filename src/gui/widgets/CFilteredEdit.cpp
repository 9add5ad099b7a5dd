#include "gui/widgets/CFilteredEdit.h"

#include "core/data/EditFilters.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QValidator>

namespace orvelan {

namespace {

/// Keeps pasted or dropped text to the characters the filter accepts.
class CFilterValidator : public QValidator {
  public:
    CFilterValidator(CFilteredEdit::Filter filter, QObject* parent)
        : QValidator(parent), m_filter(filter) {}

    State validate(QString& input, int& /*pos*/) const override {
        for (const QChar c : input) {
            if (!m_filter(static_cast<int>(c.unicode()))) {
                return Invalid;
            }
        }
        return Acceptable;
    }

  private:
    CFilteredEdit::Filter m_filter;
};

bool isEditingShortcut(const QKeyEvent* event) {
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
           event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

} // namespace

CFilteredEdit::CFilteredEdit(Filter filter, QWidget* parent) : QLineEdit(parent), m_filter(filter) {
    setValidator(new CFilterValidator(filter, this));
}

void CFilteredEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    // Keys without a character (arrows, Home, Delete) and the editing shortcuts pass; a typed
    // character must be one the filter takes.
    if (text.isEmpty() || isEditingShortcut(event) || event->key() == Qt::Key_Backspace) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    for (const QChar c : text) {
        if (!m_filter(static_cast<int>(c.unicode()))) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace orvelan
