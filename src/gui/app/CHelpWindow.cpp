#include "gui/app/CHelpWindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orvelan {

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("ORVELAN Help"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(760, 600);
}

bool CHelpWindow::showPage(const QString& path) {
    QFile page(path);
    if (!QFileInfo(path).isFile() || !page.open(QIODevice::ReadOnly)) {
        return false;
    }
    page.close();
    m_browser->setSource(QUrl::fromLocalFile(path));
    setWindowTitle(m_browser->documentTitle().isEmpty()
                       ? QStringLiteral("ORVELAN Help")
                       : QStringLiteral("ORVELAN Help - %1").arg(m_browser->documentTitle()));
    return true;
}

} // namespace orvelan
