#pragma once

#include "core/data/Codes.h"

#include <cstdint>
#include <string>

// The graph wizard's choices, remembered by the application between runs; the first twelve
// fields are also the content of a .GPH template.
namespace orvelan {

/// Graph kind; UseTemplate exists only inside the wizard.
enum class GraphKind : int {
    AgeSpecific = 0,
    BarChart = 1,
    PieChart = 2,
    Pyramid = 3,
    UseTemplate = 4,
};

/// Whether a stored kind names one of the four graphs (neither UseTemplate nor an unknown value).
constexpr bool isGraphKind(GraphKind kind) {
    return kind >= GraphKind::AgeSpecific && kind <= GraphKind::Pyramid;
}
constexpr bool isGraphKind(int kind) { return isGraphKind(static_cast<GraphKind>(kind)); }

/// Bar chart type: one cancer over the selected registries, or one registry over cancers.
enum class BarChartType : int { Cancer = 0, Registry = 1 };

/// The number a code has in a template file and among the wizard's buttons; a stored value
/// outside the named ones is kept as it is.
constexpr int indexOf(GraphKind kind) { return static_cast<int>(kind); }
constexpr int indexOf(BarChartType type) { return static_cast<int>(type); }

struct GraphSettings {
    /// Colours are 24-bit values red + 256 x green + 65536 x blue.
    static constexpr std::uint32_t kWhite = 0xFFFFFF;
    static constexpr std::uint32_t kBlack = 0x000000;
    static constexpr std::uint32_t kBlue = 0xFF0000;
    static constexpr int kDefaultSliceCount = 5;

    // kind, barChartType, rateKind and sex hold any stored value, named or not, so that a
    // template's words read and write back unchanged.
    GraphKind kind = GraphKind::AgeSpecific;
    BarChartType barChartType = BarChartType::Cancer;
    int cancer = 0;     // the bar chart's one cancer
    int population = 0; // the one registry of a registry bar chart, pie chart or pyramid
    int ageFrom = 0;
    int ageTo = kTopAgeGroup;
    RateKind rateKind = RateKind::AsrWorld;
    Sex sex = Sex::Male;
    int reserved1 = 0; // carried in the template file, used by nothing
    int reserved2 = 0;
    SelectionList registries = emptySelectionList();
    SelectionList cancers = emptySelectionList();
    std::string title;

    // Not part of the template file.
    int pyramidBasis = 0;
    int lineThickness = 1; // 0 thin, 1 thick
    int lineSymbol = 0;    // 0 none, 1 "+", 2 "x"
    int sliceCount = kDefaultSliceCount;
    std::uint32_t ageBackground = kWhite;
    std::uint32_t ageText = kBlack;
    std::uint32_t barBackground = kWhite;
    std::uint32_t barText = kBlack;
    std::uint32_t barIncidence = kBlue;
    std::uint32_t pieBackground = kWhite;
    std::uint32_t pieText = kBlack;
    std::uint32_t popBackground = kWhite;
    std::uint32_t popText = kBlack;

    friend bool operator==(const GraphSettings&, const GraphSettings&) = default;
};

/// Whether two settings draw the same data: the template fields but the title (kind, bar chart
/// type, cancer, population, age range, rate, sex and both lists). A template's own title
/// stands only while the choices keep its selection.
inline bool sameGraphSelection(const GraphSettings& a, const GraphSettings& b) {
    return a.kind == b.kind && a.barChartType == b.barChartType && a.cancer == b.cancer &&
           a.population == b.population && a.ageFrom == b.ageFrom && a.ageTo == b.ageTo &&
           a.rateKind == b.rateKind && a.sex == b.sex && a.registries == b.registries &&
           a.cancers == b.cancers;
}

} // namespace orvelan
