#include "gui/framework/CHelpPages.h"

#include "gui/framework/CHelpWindow.h"
#include "gui/framework/CommandIds.h"
#include "gui/widgets/CShell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
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

// The pages are plain HTML that the program can show itself when no browser takes them.
bool showInHelpWindow(QWidget* owner, const QString& path) {
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
        return false;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

void sayFailure(QWidget* owner, const WebOpenResult& result) {
    QMessageBox::critical(owner, QStringLiteral("ORVELAN"), CHelpPages::failureMessage(result));
}

} // namespace

WebOpenResult CHelpPages::show(QWidget* owner, const QString& pageName) {
    return showFile(owner, locate(pageName));
}

WebOpenResult CHelpPages::showFile(QWidget* owner, const QString& path) {
    const WebOpenResult notFound{false, kFileNotFound, 0};
    const WebOpenResult noProgram{false, kNoAssociation, 0};
    if (path.isEmpty()) {
        sayFailure(owner, notFound);
        return notFound;
    }
    // A browser that is started but then fails (the launcher finds none) is told apart from a
    // shown page only later: the help window then takes over.
    QObject* context = owner ? static_cast<QObject*>(owner) : QCoreApplication::instance();
    QPointer<QWidget> guardedOwner(owner);
    const bool started =
        CShell::open(QUrl::fromLocalFile(path), context, [guardedOwner, path, noProgram] {
            if (!showInHelpWindow(guardedOwner, path)) {
                sayFailure(guardedOwner, noProgram);
            }
        });
    if (started) {
        return {true, kAccepted, 0};
    }
    if (!showInHelpWindow(owner, path)) {
        sayFailure(owner, noProgram);
        return noProgram;
    }
    return {true, kAccepted, 0};
}

QString CHelpPages::failureMessage(const WebOpenResult& result) {
    return QString::asprintf("Cannot connect to the internet (%d,%d)", result.shellAnswer,
                             result.lookupAnswer);
}

} // namespace orvelan
