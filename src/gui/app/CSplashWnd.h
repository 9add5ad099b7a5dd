#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QTimer;

// The start-up picture: a borderless window that closes after 2,500 ms or at the first key or
// mouse button anywhere in the program.
namespace orvelan {

class CSplashWnd : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kDisplayMilliseconds = 2500;

    /// Shows the splash window; it deletes itself when it closes.
    static CSplashWnd* showSplash();
    /// The window on show, nullptr when none.
    static CSplashWnd* current();

    /// The picture the window shows.
    static QPixmap picture();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    CSplashWnd();
    ~CSplashWnd() override;
    void hideSplash();

    QPixmap m_picture;
    static QPointer<CSplashWnd> s_current;
};

} // namespace orvelan
