#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "Commands.h"
#include "GraphImage.h"
#include "GraphOptions.h"
#include "IntervalOptions.h"
#include "StandardOptions.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/data/Validation.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/graphs/GraphWizardRules.h"
#include "core/io/CTemplateFolder.h"

#include <CLI/CLI.hpp>
#include <array>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

namespace orvelan::cli {

namespace {

constexpr int kMinSide = 50;
constexpr int kMaxSide = 10000;
constexpr std::array<std::string_view, 6> kImageExtensions = {".png",  ".bmp", ".jpg",
                                                              ".jpeg", ".svg", ".pdf"};

struct GraphRequest {
    GraphOptions options;
    std::string templatePath;
    std::string out;
    std::string size = "800x600";
    int fontSize = -1;
    std::string style = "classic";
    double widthMm = 0.0; // --width-mm and --height-mm: a printed size in place of --size
    double heightMm = 0.0;
    int dpi = 0;
    StandardOptions standards; // bar charts only
    IntervalOptions intervals; // bar charts only: the whiskers of the publication style
};

GraphDisplay parseDisplay(const GraphRequest& request) {
    GraphDisplay display;
    const auto x = request.size.find('x');
    try {
        if (x == std::string::npos) {
            throw std::invalid_argument("no x");
        }
        std::size_t used = 0;
        display.width = std::stoi(request.size.substr(0, x), &used);
        if (used != x) {
            throw std::invalid_argument("trailing text");
        }
        const std::string rest = request.size.substr(x + 1);
        display.height = std::stoi(rest, &used);
        if (used != rest.size() || used == 0) {
            throw std::invalid_argument("trailing text");
        }
    } catch (const std::exception&) {
        throw usageError("invalid --size '" + request.size + "' (use WxH, e.g. 800x600)");
    }
    if (display.width < kMinSide || display.height < kMinSide || display.width > kMaxSide ||
        display.height > kMaxSide) {
        throw usageError("--size sides must be 50-10000 pixels");
    }
    if (request.fontSize < -1 || request.fontSize > 14) {
        throw usageError("--font-size must be 0-14");
    }
    display.fontSizeIndex = request.fontSize;
    display.logarithmic = request.options.logarithmic;
    display.lines = request.options.lines;
    if (const auto look = parseGraphLook(request.style)) {
        display.look = *look;
    } else {
        throw usageError("invalid --style '" + request.style + "' (use classic or publication)");
    }
    if (request.widthMm > 0.0 || request.heightMm > 0.0 || request.dpi > 0) {
        if (!(request.widthMm > 0.0 && request.heightMm > 0.0)) {
            throw usageError("--width-mm and --height-mm go together");
        }
        const FigureSize figure{request.widthMm, request.heightMm,
                                request.dpi > 0 ? request.dpi : FigureSize{}.dpi};
        if (const auto problem = figure.problem()) {
            throw usageError(*problem);
        }
        display.figure = figure;
        display.width = figure.widthPixels();
        display.height = figure.heightPixels();
    }
    return display;
}

void checkOutput(const std::string& out) {
    if (out.empty()) {
        return;
    }
    for (const auto extension : kImageExtensions) {
        if (CTemplateFolder::hasExtension(out, extension)) {
            return;
        }
    }
    throw usageError("--out must end in .png, .bmp, .jpg, .svg or .pdf");
}

/// A message box text as one line of stderr: its line ends become blanks.
std::string oneLine(std::string text) {
    for (char& ch : text) {
        if (ch == '\r' || ch == '\n') {
            ch = ' ';
        }
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

nlohmann::json numberOrNull(double value, bool drawn) {
    return drawn ? nlohmann::json(value) : nlohmann::json(nullptr);
}

nlohmann::json curvesJson(const AgeCurvesModel& model) {
    nlohmann::json curves = nlohmann::json::array();
    for (const AgeCurve& curve : model.curves) {
        nlohmann::json rates = nlohmann::json::array();
        for (int a = 0; a < kKnownAgeGroupCount; ++a) {
            rates.push_back(numberOrNull(curve.rates[static_cast<std::size_t>(a)],
                                         a >= model.ageFrom && a <= model.ageTo));
        }
        curves.push_back({{"population", curve.population},
                          {"cancer", curve.cancer},
                          {"sex", indexOf(curve.sex)},
                          {"label", curve.label},
                          {"rates", rates}});
    }
    const LinearScale linear = model.linearScale();
    nlohmann::json log = nullptr;
    if (const auto scale = model.logScale()) {
        log = {{"bottom", scale->bottom}, {"top", scale->top}, {"exponent", scale->exponent}};
    }
    return {{"title", model.title},
            {"curves", curves},
            {"last_age_group", model.lastAgeGroup},
            {"scale",
             {{"linear", {{"bottom", linear.bottom}, {"top", linear.top}, {"step", linear.step}}},
              {"log", log}}}};
}

nlohmann::json barsJson(const BarChartModel& model) {
    nlohmann::json bars = nlohmann::json::array();
    for (const Bar& bar : model.bars) {
        bars.push_back({{"key", bar.key}, {"label", bar.label}, {"value", bar.value}});
    }
    // Asked with --ci: each bar's limits, null where its figure has none.
    for (std::size_t i = 0; i < model.limits.size() && i < bars.size(); ++i) {
        const auto& limits = model.limits[i];
        bars[i]["lower"] = limits ? nlohmann::json(limits->lower) : nlohmann::json(nullptr);
        bars[i]["upper"] = limits ? nlohmann::json(limits->upper) : nlohmann::json(nullptr);
    }
    return {{"title", model.title},           {"bars", bars},
            {"multiplier", model.multiplier}, {"caption", model.caption},
            {"axis_top", model.scale.top},    {"step", model.scale.step}};
}

nlohmann::json pieJson(const PieChartModel& model) {
    nlohmann::json slices = nlohmann::json::array();
    for (std::size_t i = 0; i < model.slices.size(); ++i) {
        const PieSlice& slice = model.slices[i];
        slices.push_back({{"cancer", slice.cancer},
                          {"label", slice.label},
                          {"cases", slice.cases},
                          {"percent", model.percent(i)}});
    }
    return {{"title", model.title}, {"slices", slices}, {"total", model.total}};
}

nlohmann::json pyramidJson(const PyramidModel& model) {
    return {{"title", model.title},
            {"male", model.male},
            {"female", model.female},
            {"male_total", model.maleTotal},
            {"female_total", model.femaleTotal},
            {"axis_top", model.scale.top},
            {"step", model.scale.step},
            {"last_age_group", model.lastAgeGroup}};
}

/// The model of the settings' kind; a graph that cannot be drawn ends the command.
GraphModel computeModel(CIncidenceStore& store, const GraphSettings& settings,
                        const StandardChoice& standards,
                        const std::optional<IntervalChoice>& intervals) {
    switch (settings.kind) {
    case GraphKind::AgeSpecific: {
        AgeCurvesModel model = computeAgeCurves(store, settings);
        if (model.tooManyCurves()) {
            throw usageError(std::string(kTooManyItems));
        }
        if (model.curves.empty()) {
            throw dataError("no curve to draw: the selection gives no curve with data");
        }
        return model;
    }
    case GraphKind::BarChart: {
        BarChartModel model = computeBarChart(store, settings, standards, intervals);
        if (model.bars.empty()) {
            throw dataError("no bar to draw: no selected series has a positive value");
        }
        return model;
    }
    case GraphKind::PieChart: {
        PieChartModel model = computePieChart(store, settings);
        if (model.slices.empty()) {
            throw dataError("no slice to draw: no site has cases in the age range");
        }
        return model;
    }
    case GraphKind::Pyramid:
        return computePyramid(store, settings);
    default:
        throw usageError("unknown graph kind " + std::to_string(indexOf(settings.kind)));
    }
}

void printSummary(std::ostream& out, const GraphModel& model) {
    std::visit(
        [&out](const auto& m) {
            using M = std::decay_t<decltype(m)>;
            out << m.title << '\n';
            if constexpr (std::is_same_v<M, AgeCurvesModel>) {
                out << m.curves.size() << " curves, ages 0 to " << m.ageLabel(m.lastAgeGroup)
                    << '\n';
                for (const AgeCurve& curve : m.curves) {
                    out << "  " << (curve.label.empty() ? "curve" : curve.label) << '\n';
                }
            } else if constexpr (std::is_same_v<M, BarChartModel>) {
                for (std::size_t i = 0; i < m.bars.size(); ++i) {
                    out << "  " << m.statusText(i) << '\n';
                }
            } else if constexpr (std::is_same_v<M, PieChartModel>) {
                out << m.totalText() << '\n';
                for (std::size_t i = 0; i < m.slices.size(); ++i) {
                    out << "  " << m.slices[i].label << ": " << m.sliceText(i) << '\n';
                }
            } else {
                out << "Male " << m.maleTotal << ", female " << m.femaleTotal << '\n';
            }
        },
        model);
}

void runGraph(CliContext& context, GraphKind kind, const GraphRequest& request) {
    const GraphDisplay display = parseDisplay(request);
    checkOutput(request.out);
    // A picture, and the publication style's layout in the JSON, come from the painters.
    const bool layout = context.json && display.look == GraphLook::Publication;
    if ((!request.out.empty() || layout) && !graphImagesAvailable()) {
        handOverToDrawingTool();
        throw usageError(std::string("this orvelan-cli was built without graphics (no ") +
                         kDrawingToolName +
                         (layout ? "): use --json without --style publication" : "): use --json"));
    }
    GraphSettings settings;
    CIncidenceStore& store = context.store();
    if (kind == GraphKind::UseTemplate) {
        if (const IoResult read = CGraphTemplate::read(request.templatePath, settings,
                                                       context.registryGroups().count(),
                                                       context.cancerGroups().count());
            !read.ok()) {
            throw dataError(read.message);
        }
        if (!isGraphKind(settings.kind)) {
            throw usageError("template " + request.templatePath + " has no graph kind (" +
                             std::to_string(indexOf(settings.kind)) + ")");
        }
        if (const IoResult drawable =
                checkGraphTemplateSettings(request.templatePath, settings, context.cancerGroups());
            !drawable.ok()) {
            throw dataError(drawable.message);
        }
        if (!request.options.title.empty()) {
            settings.title = titleArgument(request.options.title);
        }
    } else {
        settings = makeGraphSettings(context, kind, request.options);
    }
    std::optional<IntervalChoice> intervals;
    if (request.intervals.given()) {
        intervals =
            request.intervals.choice({intervalFigureOf(settings.rateKind)}, "the bars' rate");
    }
    const GraphModel model = computeModel(store, settings, request.standards.choice(), intervals);
    if (!request.out.empty()) {
        if (const IoResult written = writeGraphImage(request.out, model, settings, display);
            !written.ok()) {
            throw dataError(oneLine(written.message));
        }
    }
    if (context.json) {
        nlohmann::json json = std::visit(
            [](const auto& m) -> nlohmann::json {
                using M = std::decay_t<decltype(m)>;
                if constexpr (std::is_same_v<M, AgeCurvesModel>) {
                    return curvesJson(m);
                } else if constexpr (std::is_same_v<M, BarChartModel>) {
                    return barsJson(m);
                } else if constexpr (std::is_same_v<M, PieChartModel>) {
                    return pieJson(m);
                } else {
                    return pyramidJson(m);
                }
            },
            model);
        if (layout) {
            json["layout"] = publicationLayout(model, settings, display);
        }
        context.printJson(json);
    } else if (request.out.empty()) {
        printSummary(context.out(), model);
    } else {
        context.out() << "Graph written to " << request.out << '\n';
    }
}

void addCommonOptions(CLI::App& command, GraphRequest& request) {
    command.add_option("--out", request.out, "Picture file: .png, .bmp, .jpg, .svg or .pdf");
    CLI::Option* size = command.add_option("--size", request.size, "Picture size WxH in pixels")
                            ->capture_default_str();
    command.add_option("--font-size", request.fontSize, "Font size index 0-14");
    command.add_option("--style", request.style, "Graph style: classic or publication")
        ->capture_default_str();
    command
        .add_option("--width-mm", request.widthMm,
                    "Printed width in millimetres (with --height-mm)")
        ->excludes(size);
    command.add_option("--height-mm", request.heightMm, "Printed height in millimetres")
        ->excludes(size);
    command.add_option("--dpi", request.dpi, "Resolution of a printed size, dots per inch (300)")
        ->excludes(size);
}

} // namespace

void registerGraphCommand(CLI::App& app, CliContext& context) {
    CLI::App* graph = app.add_subcommand("graph", "Draw a graph as a picture, or print its model");
    graph->require_subcommand(1);
    graph->fallthrough();

    struct Kind {
        const char* name;
        const char* help;
        GraphKind kind;
        void (*addOptions)(CLI::App&, GraphOptions&);
    };
    const std::array<Kind, 4> kinds = {
        Kind{"curves", "Age-specific curves", GraphKind::AgeSpecific, addCurvesOptions},
        Kind{"bars", "Bar chart of one rate", GraphKind::BarChart, addBarOptions},
        Kind{"pie", "Pie chart of the commonest sites", GraphKind::PieChart, addPieOptions},
        Kind{"pyramid", "Population pyramid", GraphKind::Pyramid, addPyramidOptions}};
    for (const Kind& kind : kinds) {
        auto request = std::make_shared<GraphRequest>();
        CLI::App* command = graph->add_subcommand(kind.name, kind.help);
        command->fallthrough();
        kind.addOptions(*command, request->options);
        if (kind.kind == GraphKind::BarChart) {
            addStandardOptions(*command, request->standards);
            addIntervalOptions(*command, request->intervals);
        }
        addCommonOptions(*command, *request);
        restoreAtEachParse(*command, request);
        const GraphKind graphKind = kind.kind;
        command->callback(
            [&context, graphKind, request] { runGraph(context, graphKind, *request); });
    }
    auto request = std::make_shared<GraphRequest>();
    CLI::App* command = graph->add_subcommand("template", "The graph of a .GPH template");
    command->fallthrough();
    command->add_option("file", request->templatePath, "FILE.GPH")->required();
    addTitleOption(*command, request->options);
    command->add_flag("--log", request->options.logarithmic, "Logarithmic rate axis (curves)");
    command->add_flag("--lines", request->options.lines, "Lines at the value marks");
    addCommonOptions(*command, *request);
    restoreAtEachParse(*command, request);
    command->callback([&context, request] { runGraph(context, GraphKind::UseTemplate, *request); });
}

} // namespace orvelan::cli
