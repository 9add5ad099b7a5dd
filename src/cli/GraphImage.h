#pragma once

#include "core/graphs/AgeCurvesModel.h"
#include "core/graphs/BarChartModel.h"
#include "core/graphs/PieChartModel.h"
#include "core/graphs/PyramidModel.h"

#include <optional>
#include <string>
#include <variant>

// Graph pictures from orvelan-cli. Built only with the graphics library; a core-only build
// reports that images are not available.
namespace orvelan::cli {

using GraphModel = std::variant<AgeCurvesModel, BarChartModel, PieChartModel, PyramidModel>;

/// What the command line may change of a graph's look.
struct GraphDisplay {
    int width = 800;
    int height = 600;
    int fontSizeIndex = -1; // -1: the kind's own start (3 for the pyramid, else 4)
    bool logarithmic = false;
    bool lines = false;
};

/// True when this orvelan-cli can draw pictures.
bool graphImagesAvailable();

/// Draws the model offscreen and writes it in the format of the path's extension (.png, .bmp,
/// .jpg, .svg, .pdf); nullopt on success, else the reason.
std::optional<std::string> writeGraphImage(const std::string& path, const GraphModel& model,
                                           const GraphSettings& settings,
                                           const GraphDisplay& display);

} // namespace orvelan::cli
