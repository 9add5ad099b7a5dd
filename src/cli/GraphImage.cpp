#include "GraphImage.h"

#include "core/graphs/GraphSettings.h"

#include <filesystem>
#include <iostream>
#include <system_error>
#include <unistd.h>
#include <vector>

#ifdef ORVELAN_HAS_GRAPHICS
#include "graphics/CAgeCurvesPainter.h"
#include "graphics/CBarChartPainter.h"
#include "graphics/CImageExport.h"
#include "graphics/CPieChartPainter.h"
#include "graphics/CPyramidPainter.h"
#include "graphics/CoreText.h"
#include "graphics/FontFaces.h"
#include "graphics/GraphStyle.h"
#include "graphics/PublicationCurvePlot.h"
#include "graphics/PublicationLook.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#endif

namespace orvelan::cli {

namespace {

std::vector<char*> g_commandLine;

} // namespace

void rememberCommandLine(int argc, char** argv) {
    g_commandLine.assign(argv, argv + argc);
    g_commandLine.push_back(nullptr);
}

void handOverToDrawingTool() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || g_commandLine.size() < 2) {
        return;
    }
    const std::string tool = (self.parent_path() / kDrawingToolName).string();
    if (::access(tool.c_str(), X_OK) != 0) {
        return;
    }
    std::cout.flush();
    std::cerr.flush();
    ::execv(tool.c_str(), g_commandLine.data());
}

#ifdef ORVELAN_HAS_GRAPHICS

namespace {

/// A platform for the painters, for the length of one picture only, so that the other commands
/// start without loading one. Qt's note about a missing runtime folder is not for our users.
class OffscreenApplication {
  public:
    OffscreenApplication() {
        if (QGuiApplication::instance() == nullptr) {
            m_previousHandler = qInstallMessageHandler(quietHandler);
            m_application = std::make_unique<QGuiApplication>(m_argc, m_argv.data());
            installFaceSubstitutions();
        }
    }
    ~OffscreenApplication() {
        if (m_application) {
            m_application.reset();
            qInstallMessageHandler(m_previousHandler);
        }
    }
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

  private:
    static void quietHandler(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
        if (message.startsWith(QStringLiteral("QStandardPaths:"))) {
            return;
        }
        QByteArray text = message.toLocal8Bit();
        std::fprintf(stderr, "%s\n", text.constData());
        (void)type;
        (void)context;
    }

    char m_name[12] = "orvelan-cli";
    char m_option[10] = "-platform";
    char m_platform[10] = "offscreen";
    int m_argc = 3;
    std::array<char*, 4> m_argv = {m_name, m_option, m_platform, nullptr};
    QtMessageHandler m_previousHandler = nullptr;
    std::unique_ptr<QGuiApplication> m_application;
};

GraphStyle styleFor(const GraphModel& model, const GraphSettings& settings,
                    const GraphDisplay& display) {
    GraphStyle style;
    if (std::holds_alternative<AgeCurvesModel>(model)) {
        style = GraphStyle::forAgeCurves(settings);
    } else if (std::holds_alternative<BarChartModel>(model)) {
        style = GraphStyle::forBarChart(settings);
    } else if (std::holds_alternative<PieChartModel>(model)) {
        style = GraphStyle::forPieChart(settings);
        style.sliceColours = GraphStyle::defaultSliceColours();
    } else {
        style = GraphStyle::forPyramid(settings);
    }
    if (display.fontSizeIndex >= 0) {
        style.fontSizeIndex = display.fontSizeIndex;
    }
    style.logarithmic = display.logarithmic;
    style.lines = display.lines;
    style.look = display.look;
    if (display.figure) {
        style.figureWidthMm = display.figure->widthMm;
    }
    return style;
}

nlohmann::json axisJson(const TickAxis& axis) {
    nlohmann::json ticks = nlohmann::json::array();
    for (const AxisTick& tick : axis.ticks) {
        ticks.push_back({{"value", tick.value}, {"label", tick.label}});
    }
    return {{"logarithmic", axis.logarithmic},
            {"bottom", axis.bottom},
            {"top", axis.top},
            {"ticks", ticks}};
}

/// The age axis of the curves: each labelled column at its group's first age.
nlohmann::json ageAxisJson(const std::vector<TickLabelBox>& labels) {
    nlohmann::json ticks = nlohmann::json::array();
    for (const TickLabelBox& label : labels) {
        const std::string text = toCoreText(label.text);
        ticks.push_back({{"value", std::atoi(text.c_str())}, {"label", text}});
    }
    return {{"ticks", ticks}};
}

/// The value axis of the curves with the labels drawn: a label that would touch another is
/// left out, and its tick then has none.
nlohmann::json drawnAxisJson(TickAxis axis, const std::vector<TickLabelBox>& drawn) {
    for (AxisTick& tick : axis.ticks) {
        const bool shown = std::any_of(drawn.begin(), drawn.end(), [&](const TickLabelBox& box) {
            return toCoreText(box.text) == tick.label;
        });
        if (!shown) {
            tick.label.clear();
        }
    }
    return axisJson(axis);
}

} // namespace

bool graphImagesAvailable() { return true; }

nlohmann::json publicationLayout(const GraphModel& model, const GraphSettings& settings,
                                 const GraphDisplay& display) {
    const OffscreenApplication application;
    GraphDisplay publication = display;
    publication.look = GraphLook::Publication;
    const GraphStyle style = styleFor(model, settings, publication);
    const QSize size(display.width, display.height);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    nlohmann::json axes = nlohmann::json::object();
    std::visit(
        [&](const auto& m) {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, AgeCurvesModel>) {
                const PublicationCurveLayout layout =
                    CAgeCurvesPainter::paint(painter, size, m, style).publication;
                axes["x"] = ageAxisJson(layout.ageLabels);
                axes["y"] = drawnAxisJson(layout.valueAxis, layout.valueLabels);
            } else if constexpr (std::is_same_v<M, BarChartModel>) {
                const BarChartGeometry geometry = CBarChartPainter::paint(painter, size, m, style);
                axes["x"] = axisJson(geometry.valueAxis);
                axes["y"] = {{"bars_shown", geometry.shown}, {"note", toCoreText(geometry.note)}};
            } else if constexpr (std::is_same_v<M, PieChartModel>) {
                CPieChartPainter::paint(painter, size, m, style);
            } else {
                const PyramidGeometry geometry = CPyramidPainter::paint(painter, size, m, style);
                axes["x"] = axisJson(geometry.percentAxis);
            }
        },
        model);
    painter.end();
    const double widthMm =
        style.figureWidthMm > 0.0 ? style.figureWidthMm : GraphStyle::kPageWidthMm;
    const PublicationMetrics metrics = publicationMetrics(size, widthMm);
    return {{"style", "publication"},
            {"size", {display.width, display.height}},
            {"width_mm", widthMm},
            {"sizes",
             {{"pixels_per_point", metrics.pixelsPerPoint},
              {"tick_font_px", metrics.tickFontPx},
              {"title_font_px", metrics.titleFontPx},
              {"heading_font_px", metrics.headingFontPx},
              {"data_line_px", metrics.dataLinePx},
              {"axis_line_px", metrics.axisLinePx},
              {"grid_line_px", metrics.gridLinePx},
              {"marker_px", metrics.markerPx}}},
            {"axes", axes}};
}

IoResult writeGraphImage(const std::string& path, const GraphModel& model,
                         const GraphSettings& settings, const GraphDisplay& display) {
    const OffscreenApplication application;
    const GraphStyle style = styleFor(model, settings, display);
    const CImageExport::PaintFunction paint = [&](QPainter& painter, QSize size) {
        std::visit(
            [&](const auto& m) {
                using M = std::decay_t<decltype(m)>;
                if constexpr (std::is_same_v<M, AgeCurvesModel>) {
                    CAgeCurvesPainter::paint(painter, size, m, style);
                } else if constexpr (std::is_same_v<M, BarChartModel>) {
                    CBarChartPainter::paint(painter, size, m, style);
                } else if constexpr (std::is_same_v<M, PieChartModel>) {
                    CPieChartPainter::paint(painter, size, m, style);
                } else {
                    CPyramidPainter::paint(painter, size, m, style);
                }
            },
            model);
    };
    const QString title = fromCoreText(settings.title);
    if (display.figure) {
        return CImageExport::saveFigure(*display.figure, paint, path, title);
    }
    return CImageExport::saveGraph(QSize(display.width, display.height), paint, path, title);
}

#else

bool graphImagesAvailable() { return false; }

nlohmann::json publicationLayout(const GraphModel&, const GraphSettings&, const GraphDisplay&) {
    return nullptr;
}

IoResult writeGraphImage(const std::string&, const GraphModel&, const GraphSettings&,
                         const GraphDisplay&) {
    return IoResult::refusal(IoStatus::Refused,
                             std::string("this orvelan-cli was built without graphics (no ") +
                                 kDrawingToolName + "): use --json");
}

#endif

} // namespace orvelan::cli
