#include "GeneratedSet.h"

#include "CDataSetGenerator.h"
#include "CDataSetWriter.h"
#include "TempDir.h"

#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>

namespace orvelan::test {

namespace {

constexpr std::array<double, 18> kWorld = {12000, 10000, 9000, 9000, 8000, 8000, 6000, 6000, 6000,
                                           6000,  5000,  4000, 4000, 3000, 2000, 1000, 500,  500};

std::vector<unsigned char> readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t wordAt(const std::vector<unsigned char>& bytes, std::size_t at) {
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        word |= static_cast<std::uint32_t>(bytes.at(at + i)) << (8 * i);
    }
    return word;
}

double floatAt(const std::vector<unsigned char>& bytes, std::size_t at) {
    return static_cast<double>(std::bit_cast<float>(wordAt(bytes, at)));
}

std::size_t index(int value) { return static_cast<std::size_t>(value); }

} // namespace

const GeneratedSet& GeneratedSet::forSeed(std::uint64_t seed) {
    static std::map<std::uint64_t, std::unique_ptr<GeneratedSet>> sets;
    static std::vector<std::unique_ptr<TempDir>> folders;
    auto& set = sets[seed];
    if (!set) {
        folders.push_back(std::make_unique<TempDir>());
        const mkdata::CDataSetGenerator generator(seed);
        std::string error;
        if (!mkdata::CDataSetWriter::write(generator.generate(), folders.back()->str(), error)) {
            throw std::runtime_error(error);
        }
        set = std::make_unique<GeneratedSet>();
        set->directory = folders.back()->str();
        set->populationBytes = readAll(folders.back()->file("ORVELAN.POP"));
        set->casesBytes = readAll(folders.back()->file("ORVELAN.DAT"));
        set->parse();
    }
    return *set;
}

const GeneratedSet& defaultSet() {
    return GeneratedSet::forSeed(mkdata::CDataSetGenerator::kDefaultSeed);
}

void GeneratedSet::parse() {
    for (std::size_t at = 0; at + 86 <= populationBytes.size(); at += 86) {
        ReadPopulation record;
        record.firstYear = static_cast<std::int32_t>(wordAt(populationBytes, at));
        record.lastYear = static_cast<std::int32_t>(wordAt(populationBytes, at + 4));
        for (std::size_t age = 0; age < 19; ++age) {
            record.personYears[age] = floatAt(populationBytes, at + 8 + 4 * age);
        }
        record.type = static_cast<char>(populationBytes[at + 84]);
        record.marker = static_cast<char>(populationBytes[at + 85]);
        m_populations.push_back(record);
    }
    for (std::size_t at = 0; at + 80 <= casesBytes.size(); at += 80) {
        ReadCases record;
        double total = 0.0;
        for (std::size_t age = 0; age < 19; ++age) {
            record.cases[age] = floatAt(casesBytes, at + 4 * age);
            total += record.cases[age];
        }
        record.verification = floatAt(casesBytes, at + 76);
        m_cases.push_back(record);
        m_totals.push_back(total);
    }
}

const ReadPopulation& GeneratedSet::population(int population, int sex) const {
    return m_populations.at(index(population * 2 + sex));
}

const ReadCases& GeneratedSet::cases(int population, int sex, int cancer) const {
    return m_cases.at(index((population * 2 + sex) * 252 + cancer));
}

double GeneratedSet::totalCases(int population, int sex, int cancer) const {
    return m_totals.at(index((population * 2 + sex) * 252 + cancer));
}

int GeneratedSet::lastAgeGroup(int population, int sex) const {
    const ReadPopulation& record = this->population(population, sex);
    for (int age = 17; age >= 0; --age) {
        if (record.personYears[index(age)] > 0.0) {
            return age;
        }
    }
    return -1;
}

double GeneratedSet::worldAsr(int population, int sex, int cancer) const {
    const ReadPopulation& people = this->population(population, sex);
    const ReadCases& record = cases(population, sex, cancer);
    const auto last = index(lastAgeGroup(population, sex));
    double asr = 0.0;
    double topCases = 0.0;
    double topWeight = 0.0;
    for (std::size_t age = 0; age < 18; ++age) {
        if (age < last) {
            asr += record.cases[age] / people.personYears[age] * kWorld[age];
        } else {
            topCases += record.cases[age];
            topWeight += kWorld[age];
        }
    }
    asr += topCases / people.personYears[last] * topWeight;
    const double total = totalCases(population, sex, cancer);
    const double unknown = record.cases[18];
    const double factor = unknown > 0.0 && total > unknown ? total / (total - unknown) : 1.0;
    return asr * factor;
}

} // namespace orvelan::test
