#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// Closes the modal dialogs a test provokes so that nothing hangs: each new modal widget goes to
// the next expected handler; message boxes without one are recorded and answered with their
// escape button (No, or OK).
class ModalWatch : public QObject {
  public:
    using Handler = std::function<void(QWidget*)>;

    ModalWatch() {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    void expect(Handler handler) { m_handlers.push_back(std::move(handler)); }
    /// A handler that answers the next message box with a button and records its text.
    void answer(QMessageBox::StandardButton button) {
        expect([this, button](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr) {
                widget->close();
                return;
            }
            m_messages << box->text();
            box->button(button)->click();
        });
    }
    /// Texts of the message boxes seen so far, then forgotten.
    QStringList takeMessages() {
        QStringList texts = m_messages;
        m_messages.clear();
        return texts;
    }
    QStringList& icons() { return m_icons; }
    bool idle() const { return m_handlers.empty(); }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == m_last) {
            return;
        }
        m_last = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            m_icons << QString::number(static_cast<int>(box->icon()));
        }
        if (!m_handlers.empty()) {
            Handler handler = std::move(m_handlers.front());
            m_handlers.pop_front();
            handler(modal);
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            m_messages << box->text();
            if (QAbstractButton* escape = box->escapeButton()) {
                escape->click();
            } else {
                box->reject();
            }
            return;
        }
        modal->close();
    }

    QTimer m_timer;
    QPointer<QWidget> m_last;
    std::deque<Handler> m_handlers;
    QStringList m_messages;
    QStringList m_icons;
};
