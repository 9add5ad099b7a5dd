#pragma once

#include "gui/app/CCommandArea.h"

// "&Export...": the raw-data export wizard.
namespace orvelan {

class CExportCommands : public CCommandArea {
    Q_OBJECT
  public:
    using CCommandArea::CCommandArea;

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;
};

} // namespace orvelan
