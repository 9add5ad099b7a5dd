#pragma once

#include "core/graphs/GraphSettings.h"

#include <string>

namespace CLI {
class App;
}

// The graph choices as orvelan-cli takes them, turned into the GraphSettings the graph models
// (and a .GPH template) are built from.
namespace orvelan::cli {

class CliContext;

struct GraphOptions {
    // Age-specific curves.
    std::string populations; // comma list with ranges: "0-3,272"
    std::string cancers;
    std::string sex = "0"; // 0|1|2 (or m, f, both)
    bool logarithmic = false;
    bool lines = false;
    bool thick = false;
    std::string symbol = "none"; // none, plus, x
    // Bar chart.
    std::string barType = "cancer"; // cancer, registry
    int cancer = -1;
    int population = -1;
    int rateKind = indexOf(RateKind::AsrWorld);
    int ageFrom = 0;
    int ageTo = kTopAgeGroup;
    // Pie chart and pyramid.
    int slices = GraphSettings::kDefaultSliceCount;
    std::string basis = "person-years"; // person-years, average
    // Every kind.
    std::string title; // empty: the title the graph wizard proposes
};

/// The options of each graph kind on a subcommand, bound to one GraphOptions.
void addCurvesOptions(CLI::App& command, GraphOptions& options);
void addBarOptions(CLI::App& command, GraphOptions& options);
void addPieOptions(CLI::App& command, GraphOptions& options);
void addPyramidOptions(CLI::App& command, GraphOptions& options);
void addTitleOption(CLI::App& command, GraphOptions& options);

/// The settings of a graph kind (0-3) from the options, checked as the wizard checks them; a
/// bad number or combination throws a usage error. An empty title becomes the wizard's
/// default title (this reads the data files).
GraphSettings makeGraphSettings(CliContext& context, GraphKind kind, const GraphOptions& options);

} // namespace orvelan::cli
