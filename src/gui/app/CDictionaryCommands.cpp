#include "gui/app/CDictionaryCommands.h"

#include "core/app/GroupRenumbering.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/data/CCancerDictionaryDlg.h"
#include "gui/data/CRegistryDictionaryDlg.h"
#include "gui/data/CUserCancerDlg.h"
#include "gui/data/CUserRegistryDlg.h"
#include "gui/framework/CommandIds.h"

namespace orvelan {

std::vector<int> CDictionaryCommands::commands() const {
    return {cmd::kRegistryDictionary, cmd::kCancerDictionary, cmd::kNewCancerGroup,
            cmd::kNewRegistryGroup};
}

bool CDictionaryCommands::isAvailable(int /*id*/) const { return true; }

void CDictionaryCommands::run(int id) {
    // Remembered wizard choices follow the groups when one is deleted.
    RememberedBlocks& blocks = app().blocks();
    if (id == cmd::kRegistryDictionary) {
        CRegistryDictionaryDlg dialog(app().registryGroups(), app().store(), &frame());
        dialog.setGroupDeletedHandler(
            [&blocks](int index) { forgetDeletedGroup(blocks, GroupKind::Registry, index); });
        dialog.exec();
    } else if (id == cmd::kCancerDictionary) {
        CCancerDictionaryDlg dialog(app().cancerGroups(), &frame());
        dialog.setGroupDeletedHandler(
            [&blocks](int index) { forgetDeletedGroup(blocks, GroupKind::Cancer, index); });
        dialog.exec();
    } else if (id == cmd::kNewCancerGroup) {
        CUserCancerDlg dialog(app().cancerGroups(), &frame());
        dialog.exec();
    } else if (id == cmd::kNewRegistryGroup) {
        CUserRegistryDlg dialog(app().registryGroups(), app().store(), &frame());
        dialog.exec();
    }
}

} // namespace orvelan
