#pragma once

#include "core/reports/ReportBlock.h"

#include <string>

// The read-only summary of a user-defined report shown on the wizard's last page, lines
// separated by "\r\n".
namespace orvelan {

class CIncidenceStore;

/// Populations (labels with their registration period, or group names), cancers, sexes, rate
/// with its age range and interval, and the row arrangement. Registry labels read population
/// records, which replaces the store's loaded series.
std::string reportSummaryText(const ReportChoices& choices, CIncidenceStore& store);

} // namespace orvelan
