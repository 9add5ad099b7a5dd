#include "gui/framework/CHelpWindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orvelan {

namespace {

QPushButton* navigationButton(QDialogButtonBox* box, const char* name, const QString& text) {
    auto* button = box->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("ORVELAN Help"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* contents = navigationButton(buttons, "helpContents", QStringLiteral("C&ontents"));
    QPushButton* back = navigationButton(buttons, "helpBack", QStringLiteral("&Back"));
    QPushButton* forward = navigationButton(buttons, "helpForward", QStringLiteral("&Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] {
        const QString guide =
            QFileInfo(m_browser->source().toLocalFile()).dir().filePath("userguide.html");
        showPage(guide);
    });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(m_browser->documentTitle().isEmpty()
                           ? QStringLiteral("ORVELAN Help")
                           : QStringLiteral("ORVELAN Help - %1").arg(m_browser->documentTitle()));
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    // Wide enough for the guide's pictures of the main window, within the screen.
    QSize size(1100, 760);
    if (const QScreen* screen = this->screen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    }
    resize(size);
}

bool CHelpWindow::showPage(const QString& path) {
    QFile page(path);
    if (!QFileInfo(path).isFile() || !page.open(QIODevice::ReadOnly)) {
        return false;
    }
    page.close();
    m_browser->setSource(QUrl::fromLocalFile(path));
    return true;
}

} // namespace orvelan
