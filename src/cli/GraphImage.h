#pragma once

#include "core/graphs/AgeCurvesModel.h"
#include "core/graphs/BarChartModel.h"
#include "core/graphs/FigureSize.h"
#include "core/graphs/GraphLook.h"
#include "core/graphs/PieChartModel.h"
#include "core/graphs/PyramidModel.h"
#include "core/io/IoResult.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <variant>

// Graph pictures from orvelan-cli. Only orvelan-cli-draw links the painters (and Qt); plain
// orvelan-cli hands a picture request over to it, and a core-only build has no pictures.
namespace orvelan::cli {

using GraphModel = std::variant<AgeCurvesModel, BarChartModel, PieChartModel, PyramidModel>;

/// What the command line may change of a graph's look.
struct GraphDisplay {
    int width = 800;
    int height = 600;
    int fontSizeIndex = -1; // -1: the kind's own start (3 for the pyramid, else 4)
    bool logarithmic = false;
    bool lines = false;
    GraphLook look = GraphLook::Classic;
    /// A printed size (--width-mm, --height-mm, --dpi) in place of width x height pixels.
    std::optional<FigureSize> figure;
};

/// The file name of the drawing sibling beside orvelan-cli.
inline constexpr const char* kDrawingToolName = "orvelan-cli-draw";

/// Keeps the command line, for handing a picture over to the drawing sibling.
void rememberCommandLine(int argc, char** argv);

/// True when this executable can draw pictures itself.
bool graphImagesAvailable();

/// Runs the same command line in the drawing sibling beside this executable (which then
/// prints and exits in this process's place); returns only when there is no such sibling.
void handOverToDrawingTool();

/// The publication style's layout of the picture the display asks for, as the painters place
/// it: the ticks of the axes (value and label) and the sizes in pixels. Null without graphics.
nlohmann::json publicationLayout(const GraphModel& model, const GraphSettings& settings,
                                 const GraphDisplay& display);

/// Draws the model offscreen and writes it in the format of the path's extension (.png, .bmp,
/// .jpg, .svg, .pdf); on failure the file and the reason, or why there are no pictures.
IoResult writeGraphImage(const std::string& path, const GraphModel& model,
                         const GraphSettings& settings, const GraphDisplay& display);

} // namespace orvelan::cli
