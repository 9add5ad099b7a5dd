#include "gui/app/CStandardCommands.h"

#include "core/io/CTemplateFolder.h"
#include "graphics/CoreText.h"
#include "gui/analysis/CCMPseveralResult.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CIntervalTarget.h"

#include <QAction>
#include <QFile>

namespace orvelan {

namespace {

constexpr int kUserEntryCount = cmd::kStandardUserLast - cmd::kStandardUser1 + 1;

} // namespace

CStandardCommands::CStandardCommands(CORVELANApp& app, CMainFrame& frame)
    : CCommandArea(app, frame) {
    for (const int id : commands()) {
        if (QAction* action = this->frame().action(id)) {
            action->setCheckable(true);
        }
    }
    showChoice();
}

std::vector<int> CStandardCommands::commands() const {
    std::vector<int> ids = {cmd::kStandardWorldSegi, cmd::kStandardWorldWho2000,
                            cmd::kStandardEuropean1976, cmd::kStandardEuropean2013, cmd::kSirTests};
    for (int id = cmd::kStandardUser1; id <= cmd::kStandardUserLast; ++id) {
        ids.push_back(id);
    }
    return ids;
}

bool CStandardCommands::isAvailable(int id) const {
    return id < cmd::kStandardUser1 || id - cmd::kStandardUser1 < m_userFiles.size();
}

void CStandardCommands::listUserStandards() {
    m_userFiles.clear();
    for (int id = cmd::kStandardUser1; id <= cmd::kStandardUserLast; ++id) {
        frame().action(id)->setVisible(false);
    }
    const std::string folder =
        CTemplateFolder::folderOf(QFile::encodeName(app().dataDirectory()).toStdString());
    for (const std::string& path : findStandardFiles(folder)) {
        if (m_userFiles.size() == kUserEntryCount) {
            break;
        }
        StandardPopulation standard;
        const IoResult read = readStandardFile(path, standard);
        QAction* action =
            frame().action(cmd::kStandardUser1 + static_cast<int>(m_userFiles.size()));
        m_userFiles.append(QFile::decodeName(path.c_str()));
        // A file that is not a standard is listed by its file name and says why it is refused.
        action->setText(read ? fromCoreText(standard.title) : QString::fromStdString(path));
        action->setEnabled(read.ok());
        action->setStatusTip(read ? QStringLiteral("Standardises the World ASR to this standard")
                                  : fromCoreMessage(read.message));
        action->setVisible(true);
    }
    showChoice();
}

void CStandardCommands::run(int id) {
    if (!requireWholeData()) {
        showChoice();
        showTests();
        return;
    }
    if (id == cmd::kSirTests) {
        app().sirTests() = !app().sirTests();
        showTests();
        for (CChildFrame* child : frame().childFrames()) {
            if (auto* result = dynamic_cast<CCMPseveralResult*>(child->view())) {
                result->setTests(app().sirTests());
            }
        }
        return;
    }
    StandardChoice& standards = app().standards();
    switch (id) {
    case cmd::kStandardWorldSegi:
        standards.world = worldSegiStandard();
        break;
    case cmd::kStandardWorldWho2000:
        standards.world = worldWho2000Standard();
        break;
    case cmd::kStandardEuropean1976:
        standards.european = european1976Standard();
        break;
    case cmd::kStandardEuropean2013:
        standards.european = european2013Standard();
        break;
    default: {
        const auto index = static_cast<qsizetype>(id - cmd::kStandardUser1);
        if (index < 0 || index >= m_userFiles.size()) {
            return;
        }
        StandardPopulation standard;
        if (const IoResult read =
                readStandardFile(QFile::encodeName(m_userFiles[index]).toStdString(), standard);
            !read) {
            frame().showError(fromCoreMessage(read.message));
            showChoice();
            return;
        }
        standards.world = standard;
    }
    }
    showChoice();
    for (CChildFrame* child : frame().childFrames()) {
        if (auto* target = dynamic_cast<CStandardTarget*>(child->view())) {
            target->setStandards(standards);
        }
    }
}

void CStandardCommands::showTests() {
    if (QAction* action = frame().action(cmd::kSirTests)) {
        action->setChecked(app().sirTests());
    }
}

void CStandardCommands::showChoice() {
    showTests();
    const StandardChoice& standards = app().standards();
    const auto check = [this](int id, bool on) {
        if (QAction* action = frame().action(id)) {
            action->setChecked(on);
        }
    };
    check(cmd::kStandardWorldSegi, standards.world == worldSegiStandard());
    check(cmd::kStandardWorldWho2000, standards.world == worldWho2000Standard());
    check(cmd::kStandardEuropean1976, standards.european == european1976Standard());
    check(cmd::kStandardEuropean2013, standards.european == european2013Standard());
    for (int i = 0; i < kUserEntryCount; ++i) {
        const bool chosen = i < m_userFiles.size() && standards.world.isUser() &&
                            QFile::decodeName(standards.world.file.c_str()) == m_userFiles[i];
        check(cmd::kStandardUser1 + i, chosen);
    }
}

} // namespace orvelan
