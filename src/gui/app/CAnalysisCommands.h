#pragma once

#include "gui/app/CCommandArea.h"

// "&Statistical analysis...": the statistics wizard and its results.
namespace orvelan {

struct AnalysisBlock;

class CAnalysisCommands : public CCommandArea {
    Q_OBJECT
  public:
    using CCommandArea::CCommandArea;

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;

  private:
    /// Several populations: a result document "Statistic N" with one row per population.
    void openSeveralCurves(const AnalysisBlock& block);
    /// Two curves (kind 0) or the typed-in curve (kind 2): the modal results dialog.
    void showTwoCurves(const AnalysisBlock& block);

    int m_statisticCount = 0;
};

} // namespace orvelan
