#include "FuzzDataFile.h"

#include "FuzzSupport.h"
#include "core/data/CIncidenceStore.h"
#include "core/rates/SeriesRates.h"
#include "core/reports/CStandardTableBuilder.h"

#include <string>

namespace orvelan::fuzz {

int runDataFile(std::string_view fileName, const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const auto delta = static_cast<std::int16_t>(data[0] | (data[1] << 8));
    patchDataFile(fileName, std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2),
                  delta);
    CIncidenceStore store;
    if (!store.open(dataDirectory())) {
        return 0;
    }
    for (const Sex sex : kAllSexes) {
        for (int cancer : {0, 1, 3}) {
            if (!store.load(0, cancer, sex)) {
                continue; // a record holding a value that is not a number is refused
            }
            for (int kind = 0; kind <= static_cast<int>(RateKind::NumberOfCases); ++kind) {
                for (auto [from, to] : {std::pair{0, 17}, {3, 12}, {17, 17}}) {
                    computeRate(store.series(), static_cast<RateKind>(kind), from, to);
                }
            }
        }
    }
    CStandardTableBuilder table("Fuzz", 0, StandardLayout::Summary);
    if (table.build(store)) {
        requireFiniteText(table.prnText());
    }
    store.populationLabelByNumber(0, true);
    return 0;
}

} // namespace orvelan::fuzz
