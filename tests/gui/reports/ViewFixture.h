#pragma once

// Fixture data shared by the table view tests: two populations and a few male stomach cases,
// written to a temporary data directory and opened through a store.
#include "FixtureData.h"
#include "GuiFixture.h"
#include "KnownCodes.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/reports/CTextGrid.h"
#include "gui/widgets/CGridCtrl.h"

#include <QString>
#include <QtTest>

namespace orvelan::test {

/// Male stomach: population 0 has 8 cases at 50-54 and 2 of unknown age, population 1 has 25
/// at 60-64; person-years 100,000 a group (to 85+) and 50,000 a group (to 70+).
struct ViewData {
    TempDir dir;
    CIncidenceStore store;

    ViewData() {
        FixtureData data;
        addPopulations(data, 100000, {0});
        addPopulations(data, 50000, {1}, 14);
        CasesFixture algiers;
        algiers.cases[10] = 8;
        algiers.cases[18] = 2;
        algiers.verification = 80.0f;
        data.setCases(0, 0, kStomach, algiers);
        CasesFixture reunion;
        reunion.cases[12] = 25;
        data.setCases(1, 0, kStomach, reunion);
        data.write(dir.str());
        store.open(dir.str());
    }
};

/// The texts of every cell, row by row.
inline QStringList cellTexts(const CGridCtrl& grid) {
    QStringList texts;
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            texts << grid.itemText(row, column);
        }
    }
    return texts;
}

/// Every cell of the grid shows the table's text, in the same rows and columns.
inline bool sameCells(const CGridCtrl& grid, const CTextGrid& table) {
    if (grid.rowCount() != table.rowCount() || grid.columnCount() != table.columnCount()) {
        return false;
    }
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            if (grid.itemText(row, column).toStdString() != table.text(row, column)) {
                return false;
            }
        }
    }
    return grid.fixedRowCount() == 1 && grid.fixedColumnCount() == 1;
}

} // namespace orvelan::test
