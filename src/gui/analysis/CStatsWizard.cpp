#include "gui/analysis/CStatsWizard.h"

#include "core/analysis/StatsWizardTexts.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/analysis/CStatsWiz0.h"
#include "gui/analysis/CStatsWiz1.h"
#include "gui/analysis/CStatsWiz2.h"
#include "gui/analysis/CStatsWiz4.h"
#include "gui/analysis/CStatsWiz5.h"

namespace orvelan {

CStatsWizard::CStatsWizard(const AnalysisBlock& remembered, const StatsWizardContext& context,
                           QWidget* parent)
    : CDataWizard(QStringLiteral("statsWizard"), context, parent),
      m_block(analysisForWizard(remembered, context.registryGroups.count())) {
    setPage(kKindPage, new CStatsWiz0(*this));
    setPage(kReferencePage, new CStatsWiz1(*this));
    setPage(kComparisonPage, new CStatsWiz2(*this));
    setPage(kSeveralPage, new CStatsWiz4(*this));
    setPage(kUserCurvePage, new CStatsWiz5(*this));
    start(kKindPage, 680, 560);
}

QString CStatsWizard::referenceDescription() const {
    const std::string text = orvelan::referenceDescription(
        store(), m_block.refPopulation, m_block.refCancer,
        sexFromIndex(m_block.refSex).value_or(Sex::Male), m_block.ageLow, m_block.ageHigh);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace orvelan
