#pragma once

#include "gui/app/CCommandArea.h"

// "Confidence intervals" in the table views' View menu: "Normal approximation" or "Exact /
// gamma (small counts)". The choice applies to every open summary rates and report view at
// once and to those opened later, and is kept in the settings file.
namespace orvelan {

class CIntervalCommands : public CCommandArea {
    Q_OBJECT
  public:
    CIntervalCommands(CORVELANApp& app, CMainFrame& frame);

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;

  private:
    /// Ticks the entry of the current choice.
    void showChoice();
};

} // namespace orvelan
