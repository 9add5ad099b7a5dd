#pragma once

#include "core/app/RememberedBlocks.h"
#include "gui/widgets/CDataWizard.h"

#include <QString>

// The statistics wizard behind "&Statistical analysis...": the kind of analysis, the reference
// curve, then the comparison curve, the comparison populations or a typed-in curve. It edits a
// copy of the remembered choices; the caller takes block() back when the wizard is accepted.
namespace orvelan {

/// What the statistics wizard reads besides the remembered choices.
using StatsWizardContext = WizardContext;

class CStatsWizard : public CDataWizard {
    Q_OBJECT
  public:
    static constexpr int kKindPage = 1;
    static constexpr int kReferencePage = 2;
    static constexpr int kComparisonPage = 3;
    static constexpr int kSeveralPage = 4;
    static constexpr int kUserCurvePage = 5;

    CStatsWizard(const AnalysisBlock& remembered, const StatsWizardContext& context,
                 QWidget* parent = nullptr);

    AnalysisBlock& block() { return m_block; }
    const AnalysisBlock& block() const { return m_block; }

    /// The reference curve of the block as the last three pages describe it (four lines).
    QString referenceDescription() const;

  private:
    AnalysisBlock m_block;
};

} // namespace orvelan
