#pragma once

#include "core/data/Codes.h"
#include "core/graphs/NiceScale.h"

#include <string>

// The population pyramid: person-years (or average annual population) by age group and sex,
// drawn as shares of the whole population in percent.
namespace orvelan {

class CIncidenceStore;
struct GraphSettings;

struct PyramidModel {
    std::string title;
    int population = 0;
    int basis = 0;    // 0 person-years, 1 average annual population
    AgeValues male{}; // groups 0-17 and unknown age
    AgeValues female{};
    double maleTotal = 0.0;
    double femaleTotal = 0.0;
    LinearScale scale; // percent axis; top and step 0 without person-years
    /// Highest group 0-17 with person-years of either sex (17 when there are none).
    int lastAgeGroup = kTopAgeGroup;

    double grandTotal() const { return maleTotal + femaleTotal; }
    /// Share of the whole population of a figure, in percent (0 without person-years).
    double percentOf(double figure) const;
    /// Row label of an age group: the lower label, "75+" style for the open top row.
    std::string ageLabel(int ageGroup) const;
};

/// Person-years of both sexes; basis 1 divides a built-in population's figures by its number
/// of registration years (user registry groups always show their summed person-years).
PyramidModel computePyramid(CIncidenceStore& store, const GraphSettings& settings);

} // namespace orvelan
