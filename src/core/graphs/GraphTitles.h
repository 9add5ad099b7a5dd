#pragma once

#include <string>

// The titles the graph wizard proposes on its last pages.
namespace orvelan {

class CIncidenceStore;
struct GraphSettings;

/// "population, cancer - Sex": the population with exactly one registry, the cancer with
/// exactly one cancer giving curves, the sex for sex 0 or 1 when a selected cancer occurs in
/// both sexes.
std::string defaultAgeCurvesTitle(CIncidenceStore& store, const GraphSettings& settings);
/// e.g. "Stomach: ASR (World) (per 100,000)-Male age (35-64)".
std::string defaultBarChartTitle(CIncidenceStore& store, const GraphSettings& settings);
/// e.g. "<population with years>-Female (All ages)".
std::string defaultPieChartTitle(CIncidenceStore& store, const GraphSettings& settings);
/// The population label with years, or the user registry group's name.
std::string defaultPyramidTitle(CIncidenceStore& store, const GraphSettings& settings);

/// The age part of bar and pie titles without its closing parenthesis: " age (85+",
/// " (All ages", or " age (35-64".
std::string titleAgePart(int from, int to);

} // namespace orvelan
