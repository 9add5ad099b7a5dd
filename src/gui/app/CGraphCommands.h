#pragma once

#include "gui/app/CCommandArea.h"

#include <functional>

// "&Graph...": the graph wizard and the graph documents it opens.
namespace orvelan {

struct GraphSettings;

class CGraphCommands : public CCommandArea {
    Q_OBJECT
  public:
    using CCommandArea::CCommandArea;

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    /// Runs the graph wizard from the remembered choices; Finish keeps the choices and opens
    /// the graph, Cancel changes nothing.
    void run(int id) override;

    /// Opens the document of finished settings; false when its view could not compute it.
    using Opener = std::function<bool(CMainFrame& frame, const GraphSettings& settings)>;
    /// Replaces the opener (tests); an empty function restores the program's own.
    static void setOpener(Opener opener);
};

} // namespace orvelan
