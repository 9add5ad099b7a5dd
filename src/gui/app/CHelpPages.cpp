#include "gui/app/CHelpPages.h"

#include "gui/app/CHelpWindow.h"
#include "gui/app/CommandIds.h"
#include "gui/widgets/CShell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

namespace orvelan {

namespace {

// Shell answers as the web commands report them.
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;
constexpr int kAccepted = 42;

bool holdsPages(const QString& folder) {
    return QFileInfo::exists(folder + QStringLiteral("/userguide.html"));
}

} // namespace

QString CHelpPages::pageName(int commandId) {
    switch (commandId) {
    case cmd::kWebUserGuide:
        return QStringLiteral("userguide.html");
    case cmd::kWebData:
        return QStringLiteral("data.html");
    case cmd::kWebMethods:
        return QStringLiteral("methods.html");
    case cmd::kWebCitation:
        return QStringLiteral("citation.html");
    default:
        return {};
    }
}

QString CHelpPages::folder() {
    const QString fromEnvironment = qEnvironmentVariable("ORVELAN_HTML_DIR");
    if (!fromEnvironment.isEmpty() && holdsPages(fromEnvironment)) {
        return QDir::cleanPath(fromEnvironment);
    }
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& relative :
         {QStringLiteral("html"), QStringLiteral("../share/orvelan/html")}) {
        const QString candidate = QDir::cleanPath(programFolder + QLatin1Char('/') + relative);
        if (holdsPages(candidate)) {
            return candidate;
        }
    }
    return {};
}

QString CHelpPages::locate(const QString& pageName) {
    const QString pages = folder();
    if (pages.isEmpty() || pageName.isEmpty()) {
        return {};
    }
    const QString path = pages + QLatin1Char('/') + pageName;
    return QFileInfo::exists(path) ? path : QString();
}

namespace {

WebOpenResult showPath(QWidget* owner, const QString& path) {
    if (path.isEmpty()) {
        return {false, kFileNotFound, 0};
    }
    if (CShell::open(QUrl::fromLocalFile(path))) {
        return {true, kAccepted, 0};
    }
    // No browser on this machine (or none that takes a local file): the pages are plain HTML
    // that the program can show itself.
    auto* window =
        owner ? owner->findChild<CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    const bool created = window == nullptr;
    if (created) {
        window = new CHelpWindow(owner);
        window->setAttribute(Qt::WA_DeleteOnClose, owner == nullptr);
    }
    if (!window->showPage(path)) {
        if (created) {
            window->deleteLater();
        }
        return {false, kNoAssociation, 0};
    }
    window->show();
    window->raise();
    window->activateWindow();
    return {true, kAccepted, 0};
}

} // namespace

WebOpenResult CHelpPages::show(QWidget* owner, const QString& pageName) {
    const WebOpenResult result = showPath(owner, locate(pageName));
    if (!result.ok) {
        QMessageBox::critical(owner, QStringLiteral("ORVELAN"), failureMessage(result));
    }
    return result;
}

QString CHelpPages::failureMessage(const WebOpenResult& result) {
    return QString::asprintf("Cannot connect to the internet (%d,%d)", result.shellAnswer,
                             result.lookupAnswer);
}

} // namespace orvelan
