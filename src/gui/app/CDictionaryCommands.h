#pragma once

#include "gui/app/CCommandArea.h"

// The registry and cancer dictionaries and the user-defined groups.
namespace orvelan {

class CDictionaryCommands : public CCommandArea {
    Q_OBJECT
  public:
    using CCommandArea::CCommandArea;

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;
};

} // namespace orvelan
