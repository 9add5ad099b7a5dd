#pragma once

#include "gui/app/CCommandArea.h"

// "Graph style" in the graph views' View menu: "Classic" or "Publication". The choice applies to
// every open graph at once and to those opened later, and is kept in the settings file.
namespace orvelan {

class CGraphStyleCommands : public CCommandArea {
    Q_OBJECT
  public:
    CGraphStyleCommands(CORVELANApp& app, CMainFrame& frame);

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;

  private:
    /// Ticks the entry of the current choice.
    void showChoice();
};

} // namespace orvelan
