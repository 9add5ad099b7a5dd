#pragma once

#include <string>
#include <vector>

// The pie chart: how the cases of one population, sex and age range divide among the most
// frequent cancer sites, with "Other cancers" for the rest of all sites.
namespace orvelan {

class CIncidenceStore;
struct GraphSettings;

struct PieSlice {
    static constexpr int kOtherCancers = -1; // cancer number of the "Other cancers" slice

    int cancer = kOtherCancers;
    double cases = 0.0;
    std::string label;
    bool isOther() const { return cancer == kOtherCancers; }
};

struct PieChartModel {
    static constexpr int kMaxSlices = 11;    // ten sites and "Other cancers"
    static constexpr int kMinSliceCount = 2; // one site and "Other cancers"

    std::string title;
    std::vector<PieSlice> slices;
    /// Running sums of the slice counts, one more than the slices; the first is 0.
    std::vector<double> sums;
    double total = 0.0; // all sites; the shown sum when the sites add up to more

    /// Percent of the total of a slice (count x 100 / total).
    double percent(std::size_t slice) const;
    /// The text beside a slice: "%0.f (%4.1f%%)".
    std::string sliceText(std::size_t slice) const;
    /// The line under the title: "%.0f cases".
    std::string totalText() const;
};

/// Builds the slices; the slice count is kept within 2 to 11. No slice means no site had cases
/// in the age range and the chart cannot be drawn.
PieChartModel computePieChart(CIncidenceStore& store, const GraphSettings& settings);

} // namespace orvelan
