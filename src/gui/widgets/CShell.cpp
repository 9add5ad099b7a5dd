#include "gui/widgets/CShell.h"

#include <QDesktopServices>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

namespace orvelan {

namespace {

CShell::Opener& opener() {
    static CShell::Opener instance;
    return instance;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// The desktop's launcher reports through its exit status whether a program took the address;
// the platform call returns as soon as the launcher started and never hears of that.
bool launch(const QUrl& url, QObject* context, const CShell::Failed& failed) {
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (launcher.isEmpty()) {
        return QDesktopServices::openUrl(url);
    }
    // Never deleted while running: a browser started through the launcher outlives the
    // program, and deleting a running process would end the launcher.
    auto* process = new QProcess;
    process->setProgram(launcher);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QPointer<QObject> guard(context);
    const bool watched = context != nullptr && failed;
    QObject::connect(process, &QProcess::finished, process,
                     [process, guard, watched, failed](int status, QProcess::ExitStatus how) {
                         process->deleteLater();
                         if ((status != 0 || how != QProcess::NormalExit) && watched && guard) {
                             failed();
                         }
                     });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
}
#endif

} // namespace

bool CShell::open(const QUrl& url, QObject* context, Failed failed) {
    if (opener()) {
        if (!context || !failed) {
            return opener()(url, {});
        }
        QPointer<QObject> guard(context);
        return opener()(url, [guard, failed] {
            if (guard) {
                failed();
            }
        });
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return launch(url, context, failed);
#else
    Q_UNUSED(context);
    Q_UNUSED(failed);
    return QDesktopServices::openUrl(url);
#endif
}

void CShell::setOpener(Opener function) { opener() = std::move(function); }

void CShell::setOpener(const std::function<bool(const QUrl&)>& function) {
    if (!function) {
        resetOpener();
        return;
    }
    opener() = [function](const QUrl& url, const Failed&) { return function(url); };
}

void CShell::resetOpener() { opener() = {}; }

} // namespace orvelan
