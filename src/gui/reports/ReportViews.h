#pragma once

#include "core/data/Codes.h"
#include "core/reports/ReportBlock.h"

#include <QString>
#include <memory>
#include <vector>

// The grid views a finished report block opens, in the order they open: one summary or
// age-specific view per ticked sex (males first), or one report view. Each view is created
// empty, given its choices and its font, and filled once.
namespace orvelan {

class CGridView;
class CIncidenceStore;
class CMainFrame;

/// The filled views of a block; none for the standard tables and for kinds that open nothing.
std::vector<std::unique_ptr<CGridView>>
createReportViews(const ReportBlock& block, const SelectionList& registries,
                  const SelectionList& cancers, CIncidenceStore& store, const QString& fontFace);

} // namespace orvelan
