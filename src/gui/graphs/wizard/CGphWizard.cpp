#include "gui/graphs/wizard/CGphWizard.h"

#include "core/app/RememberedBlocks.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "graphics/CoreText.h"
#include "gui/graphs/wizard/CGRwiz10.h"
#include "gui/graphs/wizard/CGRwizPop.h"
#include "gui/graphs/wizard/CGphPage.h"
#include "gui/graphs/wizard/GRoptAge.h"
#include "gui/graphs/wizard/GRoptBar.h"
#include "gui/graphs/wizard/GRoptPie.h"
#include "gui/graphs/wizard/GRwiz0.h"
#include "gui/graphs/wizard/GRwizBar.h"
#include "gui/graphs/wizard/GRwizBar1.h"
#include "gui/graphs/wizard/GRwizBar2.h"
#include "gui/graphs/wizard/GRwizBar8.h"
#include "gui/graphs/wizard/GRwizBar9.h"
#include "gui/graphs/wizard/GRwizPie.h"
#include "gui/graphs/wizard/GrWizAge.h"
#include "gui/widgets/CTemplateSaveDialog.h"

namespace orvelan {

CGphWizard::CGphWizard(const GraphSettings& remembered, const GraphWizardContext& context,
                       QWidget* parent)
    : CDataWizard(QStringLiteral("graphWizard"), context, parent),
      m_settings(graphForWizard(remembered, context.registryGroups.count(),
                                context.cancerGroups.count())) {
    setPage(kKindPage, new GRwiz0(*this));
    setPage(kTemplatePage, new CGRwiz10(*this));
    setPage(kAgeSpecific1, new GrWizAge(*this));
    setPage(kBar1, new GRwizBar(*this));
    setPage(kCancerChoice, new GRwizBar1(*this));
    setPage(kRegistryChoice, new GRwizBar2(*this));
    setPage(kRegistrySelection, new GRwizBar8(*this));
    setPage(kCancerSelection, new GRwizBar9(*this));
    setPage(kPie1, new GRwizPie(*this));
    setPage(kPyramid, new CGRwizPop(*this));
    setPage(kAgeSpecific2, new GRoptAge(*this));
    setPage(kBar4, new GRoptBar(*this));
    setPage(kPie2, new GRoptPie(*this));
    start(kKindPage, 640, 540);
    // Back goes where each page says (after a template load that skips the template list).
    routeBackThroughGoBack();
}

bool CGphWizard::hasTemplates() const { return hasTemplateFiles(CGraphTemplate::kExtension); }

void CGphWizard::goBack() {
    auto* current = qobject_cast<CGphPage*>(currentPage());
    const int target = current != nullptr ? current->backId() : -1;
    if (target < 0 || !visitedIds().contains(target)) {
        back();
        return;
    }
    while (currentId() != target && visitedIds().size() > 1) {
        back();
    }
}

void CGphWizard::noteTemplateLoaded() {
    ++m_templateLoads;
    m_loadedTemplate = m_settings;
}

bool CGphWizard::templateTitleStands() const {
    return m_loadedTemplate && !m_settings.title.empty() &&
           m_settings.title == m_loadedTemplate->title &&
           sameGraphSelection(m_settings, *m_loadedTemplate);
}

void CGphWizard::saveTemplate(const QString& title, bool confirmOverwrite) {
    const QString path = CTemplateSaveDialog::ask(
        this, preparedTemplateFolder(), QStringLiteral(".GPH"),
        QStringLiteral("GPH (ORVELAN table template file)(*.GPH)"), confirmOverwrite);
    if (path.isEmpty()) {
        return;
    }
    GraphSettings written = m_settings;
    written.title = toCoreText(title);
    reportTemplateProblem(CGraphTemplate::write(path.toStdString(), written,
                                                registryGroups().count(), cancerGroups().count()));
}

int CGphWizard::firstPageOf(GraphKind kind) {
    switch (kind) {
    case GraphKind::AgeSpecific:
        return kAgeSpecific1;
    case GraphKind::BarChart:
        return kBar1;
    case GraphKind::PieChart:
        return kPie1;
    case GraphKind::Pyramid:
        return kPyramid;
    case GraphKind::UseTemplate:
        return kTemplatePage;
    }
    return kAgeSpecific1;
}

QString CGphWizard::cancerRootText() {
    return fromCoreText(kProgramName) + QStringLiteral(" cancers");
}

} // namespace orvelan
