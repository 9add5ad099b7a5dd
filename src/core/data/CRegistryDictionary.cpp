#include "core/data/CRegistryDictionary.h"

#include "core/data/DigitField.h"
#include "core/data/RegistryTable.h"

#include <cstddef>

namespace orvelan {

namespace {

// Character positions of the codes in a registry row.
constexpr std::size_t kContinentPos = 0;
constexpr std::size_t kCountryPos = 1;
constexpr std::size_t kRegistryLevelPos = 5;
constexpr std::size_t kPopulationPos = 6;
constexpr std::size_t kRegistryNamePos = 9;

constexpr int kIsrael = 16;
constexpr int kKuwait = 19;
constexpr int kOman = 20;
constexpr int kSingapore = 23;
constexpr int kUnitedKingdom = 52;

bool isRow(int row) { return row >= 0 && row < kRegistryRowCount; }

/// Country registries whose rows name population groups ("Israel: Jews").
bool namesPopulationGroups(int country) {
    return country == kIsrael || country == kKuwait || country == kOman || country == kSingapore;
}

/// A marker that cannot be printed (a zero byte in the record) is shown as a blank, so that the
/// label is never cut short.
char printableMarker(char marker) {
    const auto code = static_cast<unsigned char>(marker);
    return code < 32 || code == 127 ? ' ' : marker;
}

} // namespace

std::string_view CRegistryDictionary::row(int row) {
    return isRow(row) ? detail::kRegistryRows[static_cast<std::size_t>(row)] : std::string_view{};
}

int CRegistryDictionary::continent(int row) {
    return detail::digitField(CRegistryDictionary::row(row), kContinentPos, 1);
}

int CRegistryDictionary::country(int row) {
    return detail::digitField(CRegistryDictionary::row(row), kCountryPos, 2);
}

int CRegistryDictionary::level(int row) {
    return detail::digitField(CRegistryDictionary::row(row), kRegistryLevelPos, 1);
}

int CRegistryDictionary::populationNumber(int row) {
    const int number = detail::digitField(CRegistryDictionary::row(row), kPopulationPos, 3);
    return number < 0 ? kNoPopulation : number;
}

std::string_view CRegistryDictionary::name(int row) {
    const std::string_view text = CRegistryDictionary::row(row);
    return text.size() > kRegistryNamePos ? text.substr(kRegistryNamePos) : std::string_view{};
}

std::string_view CRegistryDictionary::caption(int row) {
    switch (level(row)) {
    case 0:
        return continentName(continent(row));
    case 1:
        return countryName(country(row));
    default:
        return name(row);
    }
}

int CRegistryDictionary::parentRegistryRow(int row) {
    const int own = level(row);
    if (own == 2) {
        return row;
    }
    if (own != 3) {
        return -1;
    }
    for (int above = row - 1; above >= 0; --above) {
        if (level(above) == 2) {
            return above;
        }
    }
    return -1;
}

std::optional<int> CRegistryDictionary::rowOfPopulation(int population) {
    if (population < 0 || population >= kPopulationCount) {
        return std::nullopt;
    }
    for (int r = 0; r < kRegistryRowCount; ++r) {
        if (populationNumber(r) == population) {
            return r;
        }
    }
    return std::nullopt;
}

std::string_view CRegistryDictionary::continentName(int continent) {
    if (continent < 0 || continent >= kContinentCount) {
        return {};
    }
    return detail::kContinentNames[static_cast<std::size_t>(continent)];
}

std::string_view CRegistryDictionary::countryName(int country) {
    if (country < 0 || country >= kCountryCount) {
        return {};
    }
    return detail::kCountryNames[static_cast<std::size_t>(country)];
}

bool CRegistryDictionary::isFlagged(int population) {
    return population == 74 || population == 75 || population == 138 || population == 153;
}

std::string CRegistryDictionary::label(int row, const PopulationFacts& facts, bool withYears) {
    const int rowLevel = level(row);
    if (rowLevel < 0) {
        return {};
    }
    if (rowLevel == 0) {
        return std::string(continentName(continent(row)));
    }
    const int countryCode = country(row);
    std::string text(1, printableMarker(facts.marker));
    if (rowLevel == 3 && countryCode == kUnitedKingdom) {
        text += "UK";
    } else {
        text += countryName(countryCode);
    }
    if (rowLevel == 2) {
        text += namesPopulationGroups(countryCode) ? ": " : ", ";
        text += name(row);
    } else if (rowLevel == 3) {
        text += ", ";
        text += name(parentRegistryRow(row));
        text += countryCode == kUnitedKingdom ? ", " : ": ";
        text += name(row);
    }
    if (withYears) {
        // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on
        // `literal + std::to_string(...)`.
        text += " (";
        text += std::to_string(facts.firstYear);
        if (facts.lastYear != facts.firstYear) {
            text += '-';
            text += std::to_string(facts.lastYear);
        }
        text += ")";
    }
    return text;
}

std::string CRegistryDictionary::ageClasses(int lastAgeGroup) {
    std::string text = "[0-";
    text += std::to_string(5 * lastAgeGroup);
    text += "+]";
    return text;
}

} // namespace orvelan
