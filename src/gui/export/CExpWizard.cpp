#include "gui/export/CExpWizard.h"

#include "core/app/RememberedBlocks.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/export/CExpWiz1.h"
#include "gui/export/CExpWiz2.h"
#include "gui/export/CExpWiz3.h"

namespace orvelan {

CExpWizard::CExpWizard(const ExportSettings& remembered, const ExportWizardContext& context,
                       QWidget* parent)
    : QWizard(parent), m_context(context),
      m_settings(exportForWizard(remembered, context.registryGroups.count(),
                                 context.cancerGroups.count())) {
    setObjectName(QStringLiteral("exportWizard"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    setPage(kPopulationPage, new CExpWiz1(*this));
    setPage(kCancerPage, new CExpWiz2(*this));
    setPage(kFilesPage, new CExpWiz3(*this));
    setStartId(kPopulationPage);
    resize(640, 540);
    connect(this, &QWizard::currentIdChanged, this, &CExpWizard::pageChanged);
}

void CExpWizard::pageChanged(int id) {
    setWindowTitle(QStringLiteral("Export wizard (%1/3)").arg(id));
}

} // namespace orvelan
