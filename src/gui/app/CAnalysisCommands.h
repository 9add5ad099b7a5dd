#pragma once

#include "gui/app/CCommandArea.h"

// "&Statistical analysis...": the statistics wizard and its results.
namespace orvelan {

class CAnalysisCommands : public CCommandArea {
    Q_OBJECT
  public:
    using CCommandArea::CCommandArea;

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;
};

} // namespace orvelan
