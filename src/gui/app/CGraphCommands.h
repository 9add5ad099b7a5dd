#pragma once

#include "gui/app/CCommandArea.h"

// "&Graph...": the graph wizard and the graph documents it opens.
namespace orvelan {

class CGraphCommands : public CCommandArea {
    Q_OBJECT
  public:
    using CCommandArea::CCommandArea;

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;
};

} // namespace orvelan
