#pragma once

#include "gui/app/CCommandArea.h"

// "Report /&Table...": the report wizard and the tables it opens.
namespace orvelan {

struct ReportChoices;

class CReportCommands : public CCommandArea {
    Q_OBJECT
  public:
    using CCommandArea::CCommandArea;

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;

    /// The documents Finish opens for these choices (one per ticked sex, or the text tables).
    static void openOutputs(CMainFrame& frame, CORVELANApp& app, const ReportChoices& choices);
};

} // namespace orvelan
