#pragma once

#include "core/graphs/GraphSettings.h"

#include <optional>
#include <string>
#include <vector>

// The titles the graph wizard proposes for a new graph, and the two-line headings of the bar
// chart pages. The builders take labels already looked up; the default* functions look them up
// through the store (which re-reads population records, so never call them between a load and
// its computations).
namespace orvelan {

class CIncidenceStore;

/// The age part of bar and pie titles, closing bracket included: " age (85+)" for 85+ only,
/// " (All ages)" for 0-85+, otherwise " age ( 0-64)".
std::string graphAgePart(int from, int to);

/// Age-specific curves: "<registry>, <cancer> - <sex>". registry: set when exactly one registry
/// is selected; cancer: set when exactly one cancer gives curves; one sex is named only when
/// some selected cancer occurs in both sexes.
std::string ageSpecificTitle(const std::optional<std::string>& registry,
                             const std::optional<std::string>& cancer, Sex sex,
                             bool anyCancerOfBothSexes);

/// Bar chart: subject, ": <rate> (per 100,000)" or " (percent)" (nothing for number of
/// cases), "-<sex>" unless withSex is false, then the age part: "Stomach: ASR (World) (per
/// 100,000)-Male age (35-64)". The sex reads "Boys"/"Girls" when the range ends below 20.
std::string barChartTitle(const std::string& subject, RateKind rateKind, Sex sex, int from, int to,
                          bool withSex);

/// Pie chart: "<population>-<sex><age part>".
std::string pieChartTitle(const std::string& population, Sex sex, int from, int to);

/// The heading of the bar chart's choice and selection pages: "Cancer bar chart, <rate>." (or
/// "Registry bar chart, ..."), then the sex with the age range, then the chosen item's name
/// when one is given.
std::vector<std::string> barChartHeading(BarChartType barChartType, RateKind rateKind, Sex sex,
                                         int from, int to, const std::string& chosenName);

/// The titles proposed on the wizard's last pages (and by the command-line tool) for the
/// current choices.
std::string defaultAgeCurvesTitle(CIncidenceStore& store, const GraphSettings& settings);
/// e.g. "Stomach: ASR (World) (per 100,000)-Male age (35-64)".
std::string defaultBarChartTitle(CIncidenceStore& store, const GraphSettings& settings);
/// e.g. "<population with years>-Female (All ages)".
std::string defaultPieChartTitle(CIncidenceStore& store, const GraphSettings& settings);
/// The population label with its years, or the user registry group's name.
std::string defaultPyramidTitle(CIncidenceStore& store, const GraphSettings& settings);

/// Label of a registry list slot: a dictionary row with its years, or a group's name.
std::string registrySlotLabel(int slot, CIncidenceStore& labels);

} // namespace orvelan
