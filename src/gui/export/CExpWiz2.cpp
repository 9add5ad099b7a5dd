#include "gui/export/CExpWiz2.h"

#include "core/data/Codes.h"
#include "core/export/CRawDataExporter.h"
#include "graphics/CoreText.h"
#include "gui/data/CSelectionPanel.h"
#include "gui/export/CExpWizard.h"
#include "gui/widgets/CMessages.h"
#include "gui/widgets/CSexBoxes.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace orvelan {

CExpWiz2::CExpWiz2(CExpWizard& wizard)
    : CExpPage(wizard, QStringLiteral("cancerSelection"), CExpWizard::kCancerPage) {
    m_panel = new CSelectionPanel(
        TreeKind::Cancer, CSelectionPanel::ClearButton | CSelectionPanel::SelectAllButton, this);
    m_panel->tree()->setRootText(CMessages::caption() + QStringLiteral(" cancers"));
    m_sexes = new CSexBoxes(this);
    m_sexes->setObjectName(QStringLiteral("sexes"));

    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(m_panel, 1);
    auto* sexRow = new QHBoxLayout;
    sexRow->addWidget(m_sexes);
    sexRow->addStretch(1);
    layout->addLayout(sexRow);
}

void CExpWiz2::initializePage() {
    m_panel->load(&sheet().cancerGroups(), settings().cancerSelection);
    m_sexes->preset(settings().male, settings().female, SexPreset{});
}

bool CExpWiz2::store() {
    if (!m_sexes->any() || selectedCount(m_panel->selection()) == 0) {
        return false;
    }
    ExportSettings chosen = settings();
    chosen.cancerSelection = m_panel->selection();
    chosen.male = m_sexes->male();
    chosen.female = m_sexes->female();
    if (const auto problem = CRawDataExporter::sexSiteProblem(chosen, &sheet().cancerGroups())) {
        CMessages::warning(this, fromCoreMessage(*problem));
        return false;
    }
    settings() = chosen;
    CMessages::information(this,
                           QStringLiteral("Depending on your computer (network connections etc.), "
                                          "displaying the next page of the wizard might take some "
                                          "time. Please be patient..."));
    return true;
}

} // namespace orvelan
