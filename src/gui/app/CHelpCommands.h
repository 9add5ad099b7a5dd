#pragma once

#include "gui/app/CCommandArea.h"

// About box, reference dialog and the program's web pages.
namespace orvelan {

class CHelpCommands : public CCommandArea {
    Q_OBJECT
  public:
    using CCommandArea::CCommandArea;

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;
};

} // namespace orvelan
