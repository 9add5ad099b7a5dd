// The whole-number writer on the whole generated collection: the raw-data exports in all three
// formats are byte-identical to the printf formats they replace, and every case count,
// person-year value and record total is written as printf writes it at the tables' widths.
#include "CDataSetGenerator.h"
#include "GeneratedSet.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/export/CRawDataExporter.h"
#include "core/io/NumberText.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace orvelan::test {
namespace {

const GeneratedSet& data() {
    return GeneratedSet::forSeed(mkdata::CDataSetGenerator::kDefaultSeed);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// The export of everything as the printf formats write it, from the bytes of the two files.
std::string printfExport(int format) {
    static const char* const kFormats[] = {
        "%3d%2d%4d%3d%8.0f%10.0f\n", "%d\t%d\t%d\t%d\t%.0f\t%.0f\n", "%d,%d,%d,%d,%.0f,%.0f\n"};
    std::string text;
    char line[128];
    for (int row = 0; row < kRegistryRowCount; ++row) {
        const int p = CRegistryDictionary::populationNumber(row);
        if (p < 0 || p >= kPopulationCount) {
            continue;
        }
        for (int sex = 0; sex < 2; ++sex) {
            for (int cancer = 0; cancer < kCancerCount; ++cancer) {
                for (std::size_t age = 0; age < 19; ++age) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
                    const int length = std::snprintf(line, sizeof line, kFormats[format], p + 1,
                                                     sex + 1, cancer + 1, static_cast<int>(age) + 1,
                                                     data().cases(p, sex, cancer).cases[age],
                                                     data().population(p, sex).personYears[age]);
#pragma GCC diagnostic pop
                    text.append(line, static_cast<std::size_t>(length));
                }
            }
        }
    }
    return text;
}

TEST(WholeNumberWriter, ExportOfEverythingIsByteIdenticalInEveryFormat) {
    CIncidenceStore store;
    ASSERT_TRUE(store.open(data().directory));
    TempDir out;
    for (int format = 0; format < kExportFormatCount; ++format) {
        ExportSettings settings;
        settings.format = format;
        for (int row = 0; row < kRegistryRowCount; ++row) {
            const int p = CRegistryDictionary::populationNumber(row);
            if (p >= 0 && p < kPopulationCount) {
                settings.populationSelection[static_cast<std::size_t>(row)] = row;
            }
        }
        for (int cancer = 0; cancer < kCancerCount; ++cancer) {
            settings.cancerSelection[static_cast<std::size_t>(cancer)] = cancer;
        }
        CRawDataExporter::setPaths(settings, out.str(), "everything");
        ASSERT_TRUE(CRawDataExporter::run(store, settings).ok());
        const std::string written = readFile(settings.dataPath);
        const std::string expected = printfExport(format);
        ASSERT_EQ(written.size(), expected.size()) << "format " << format;
        EXPECT_TRUE(written == expected) << "format " << format;
    }
}

TEST(WholeNumberWriter, EveryValueOfTheCollectionAtTheTablesWidths) {
    char expected[64];
    int checked = 0;
    const auto check = [&](double value) {
        for (const int width : {0, 5, 8, 9, 10}) {
            std::snprintf(expected, sizeof expected, "%*.0f", width, value);
            if (wholeText(value, width) != expected) {
                ADD_FAILURE() << value << " at width " << width;
                return;
            }
        }
        ++checked;
    };
    for (int p = 0; p < kPopulationCount; ++p) {
        for (int sex = 0; sex < 2; ++sex) {
            for (const double personYears : data().population(p, sex).personYears) {
                check(personYears);
            }
            for (int cancer = 0; cancer < kCancerCount; ++cancer) {
                double total = 0.0;
                for (const double cases : data().cases(p, sex, cancer).cases) {
                    check(cases);
                    total += cases;
                }
                check(total);
                check(data().cases(p, sex, cancer).verification);
            }
        }
    }
    EXPECT_GT(checked, 229 * 2 * 252 * 20);
}

} // namespace
} // namespace orvelan::test
