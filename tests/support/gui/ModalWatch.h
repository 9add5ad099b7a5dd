#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// Closes the modal dialogs a test provokes so that nothing hangs: each new modal widget goes to
// the next expected handler; message boxes without one are recorded and answered with their
// escape button (No, or OK), other dialogs closed and recorded by their title. A recorded
// dialog the test does not take with takeMessages() fails verify(), as an unexpected dialog
// fails a GuiFixture: a test says which dialogs it provokes.
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
        m_unexpected.clear();
        return texts;
    }
    QStringList& icons() { return m_icons; }
    bool idle() const { return m_handlers.empty(); }
    /// For a test's cleanup: every expected dialog came and every other one was taken.
    void verify() {
        const QStringList unexpected = m_unexpected;
        takeMessages();
        QVERIFY2(m_handlers.empty(), "an expected dialog never came");
        QVERIFY2(unexpected.isEmpty(),
                 qPrintable(QStringLiteral("unexpected dialogs: ") + unexpected.join(" | ")));
    }

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
            m_unexpected << box->text();
            if (QAbstractButton* escape = box->escapeButton()) {
                escape->click();
            } else {
                box->reject();
            }
            return;
        }
        m_messages << QStringLiteral("[%1]").arg(modal->windowTitle());
        m_unexpected << m_messages.back();
        modal->close();
    }

    QTimer m_timer;
    QPointer<QWidget> m_last;
    std::deque<Handler> m_handlers;
    QStringList m_messages;
    QStringList m_unexpected; // answered without a handler and not taken yet
    QStringList m_icons;
};
