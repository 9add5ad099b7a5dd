#pragma once

#include "gui/app/CCommandArea.h"

// "Report /&Table...": the report wizard and the tables it opens.
namespace orvelan {

class CReportCommands : public CCommandArea {
    Q_OBJECT
  public:
    using CCommandArea::CCommandArea;

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;
};

} // namespace orvelan
