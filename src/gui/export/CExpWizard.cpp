#include "gui/export/CExpWizard.h"

#include "core/app/RememberedBlocks.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/export/CExpWiz1.h"
#include "gui/export/CExpWiz2.h"
#include "gui/export/CExpWiz3.h"

namespace orvelan {

CExpWizard::CExpWizard(const ExportSettings& remembered, const ExportWizardContext& context,
                       QWidget* parent)
    : CWizardBase(QStringLiteral("exportWizard"), QString(), parent), m_context(context),
      m_settings(exportForWizard(remembered, context.registryGroups.count(),
                                 context.cancerGroups.count())) {
    setPage(kPopulationPage, new CExpWiz1(*this));
    setPage(kCancerPage, new CExpWiz2(*this));
    setPage(kFilesPage, new CExpWiz3(*this));
    start(kPopulationPage, 640, 540);
}

} // namespace orvelan
