#include "FixtureData.h"

#include "core/data/CRegistryDictionary.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace orvelan::test {

namespace {

constexpr long kPopulationRecord = 86;
constexpr long kCasesRecord = 80;
constexpr long kPopulationFileSize = 229L * 2 * kPopulationRecord;
constexpr long kCasesFileSize = 229L * 2 * 252 * kCasesRecord;

void putInt(std::vector<char>& bytes, std::size_t offset, std::int32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value); // little-endian host
}

void putFloat(std::vector<char>& bytes, std::size_t offset, float value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

void writeAt(std::FILE* file, long offset, const std::vector<char>& bytes) {
    if (std::fseek(file, offset, SEEK_SET) != 0 ||
        std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        throw std::runtime_error("cannot write fixture record");
    }
}

std::FILE* createSized(const std::filesystem::path& path, long size) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (file == nullptr) {
        throw std::runtime_error("cannot create " + path.string());
    }
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size));
    return file;
}

} // namespace

void FixtureData::setPopulation(int population, int sex, const PopulationFixture& record) {
    m_populations[{population, sex}] = record;
}

void FixtureData::setCases(int population, int sex, int cancer, const CasesFixture& record) {
    m_cases[{population, sex, cancer}] = record;
}

void FixtureData::write(const std::string& directory) const {
    const std::filesystem::path dir(directory);
    std::FILE* pop = createSized(dir / "ORVELAN.POP", kPopulationFileSize);
    for (const auto& [key, record] : m_populations) {
        const auto [population, sex] = key;
        std::vector<char> bytes(kPopulationRecord, 0);
        putInt(bytes, 0, record.firstYear);
        putInt(bytes, 4, record.lastYear);
        for (std::size_t i = 0; i < kAgeGroupCount; ++i) {
            putFloat(bytes, 8 + 4 * i, static_cast<float>(record.personYears[i]));
        }
        bytes[84] = record.type;
        bytes[85] = record.marker;
        writeAt(pop, (population * 2L + sex) * kPopulationRecord, bytes);
    }
    std::fclose(pop);

    std::FILE* dat = createSized(dir / "ORVELAN.DAT", kCasesFileSize);
    for (const auto& [key, record] : m_cases) {
        const auto [population, sex, cancer] = key;
        std::vector<char> bytes(kCasesRecord, 0);
        for (std::size_t i = 0; i < kAgeGroupCount; ++i) {
            putFloat(bytes, 4 * i, static_cast<float>(record.cases[i]));
        }
        putFloat(bytes, 76, record.verification);
        writeAt(dat, ((population * 2L + sex) * 252 + cancer) * kCasesRecord, bytes);
    }
    std::fclose(dat);
}

AgeValues FixtureData::seriesAt(std::initializer_list<std::pair<int, double>> entries) {
    AgeValues series{};
    for (const auto& [group, value] : entries) {
        series[static_cast<std::size_t>(group)] = value;
    }
    return series;
}

AgeValues FixtureData::flatPersonYears(double perGroup, int lastAgeGroup) {
    AgeValues personYears{};
    for (int i = 0; i <= lastAgeGroup; ++i) {
        personYears[static_cast<std::size_t>(i)] = perGroup;
    }
    return personYears;
}

FixtureData FixtureData::smallCounts() {
    FixtureData data;
    PopulationFixture population;
    population.personYears = flatPersonYears(10000.0);
    data.setPopulation(0, 0, population);
    CasesFixture cases;
    cases.cases[10] = 2;
    cases.cases[12] = 1;
    cases.cases[15] = 3;
    data.setCases(0, 0, 0, cases);
    return data;
}

int rowOf(int population) {
    return population >= kFirstRegistryGroup
               ? population
               : CRegistryDictionary::rowOfPopulation(population).value_or(-1);
}

SelectionList selectPopulations(const std::vector<int>& populations) {
    SelectionList list = emptySelectionList();
    for (const int population : populations) {
        list.at(static_cast<std::size_t>(rowOf(population))) = rowOf(population);
    }
    return list;
}

} // namespace orvelan::test
