#include "gui/app/CFileCommands.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CommandIds.h"
#include "gui/widgets/CFileDialogs.h"

#include <QDir>
#include <QFile>
#include <QPageSetupDialog>

namespace orvelan {

std::vector<int> CFileCommands::commands() const {
    std::vector<int> ids = {cmd::kOpen, cmd::kPrintSetup};
    for (int id = cmd::kRecentFile1; id <= cmd::kRecentFileLast; ++id) {
        ids.push_back(id);
    }
    return ids;
}

bool CFileCommands::isAvailable(int id) const {
    if (id >= cmd::kRecentFile1 && id <= cmd::kRecentFileLast) {
        return static_cast<std::size_t>(id - cmd::kRecentFile1) <
               app().recentFiles().paths().size();
    }
    return true;
}

void CFileCommands::run(int id) {
    if (id == cmd::kOpen) {
        open();
    } else if (id == cmd::kPrintSetup) {
        printSetup();
    } else if (id >= cmd::kRecentFile1 && id <= cmd::kRecentFileLast) {
        openRecent(id - cmd::kRecentFile1);
    }
}

void CFileCommands::open() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Open");
    const QString work = app().workDirectory();
    request.directory =
        (QDir(work).exists() ? work : app().dataDirectory()) + QStringLiteral("/.prn");
    request.filter = QStringLiteral("Formatted text (*.prn);;Text files (*.txt)");
    request.defaultSuffix = QStringLiteral("prn");
    const QString path = CFileDialogs::getOpenFileName(&frame(), request);
    if (path.isEmpty()) {
        return;
    }
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        return; // an unreadable file opens nothing
    }
    probe.close();
    app().openDocumentFile(path);
}

void CFileCommands::openRecent(int index) {
    const auto& paths = app().recentFiles().paths();
    if (index < 0 || static_cast<std::size_t>(index) >= paths.size()) {
        return;
    }
    app().openDocumentFile(QString::fromStdString(paths[static_cast<std::size_t>(index)]));
}

void CFileCommands::printSetup() {
    QPageSetupDialog dialog(&app().printer(), &frame());
    dialog.exec();
}

} // namespace orvelan
