#pragma once

#include <QDialog>

class QTextBrowser;

// The program's own help window: shows a bundled page when no web browser takes it, with
// Contents, Back and Forward. Links between the bundled pages stay in the window; outside
// addresses go to the platform.
namespace orvelan {

class CHelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    /// Loads a page file; false when it cannot be read (the window keeps its previous page).
    bool showPage(const QString& path);
    QTextBrowser* browser() const { return m_browser; }

  private:
    QTextBrowser* m_browser;
};

} // namespace orvelan
