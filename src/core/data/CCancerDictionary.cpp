#include "core/data/CCancerDictionary.h"

#include "core/data/CUserGroupDictionary.h"
#include "core/data/CancerTable.h"
#include "core/data/DigitField.h"

#include <array>
#include <cctype>
#include <cstddef>
#include <utility>

namespace orvelan {

namespace {

// Character positions in a cancer row.
constexpr std::size_t kMalesPos = 0;
constexpr std::size_t kFemalesPos = 1;
constexpr std::size_t kParentPos = 2;
constexpr std::size_t kLevelPos = 5;
constexpr std::size_t kNamePos = 7;
constexpr std::size_t kStandardSitePos = 3;

constexpr char kIcd10Marker = '0';
constexpr char kMorphologyMarker = '1';

// Sites below the leukaemias take part in the standard table at level 1, the leukaemia types
// after it at level 2.
constexpr int kLeukaemia = 235;
constexpr int kBreast = 115;          // a chapter without subsites, counted as a site
constexpr int kBoneEwingSarcoma = 93; // its name is kept as it stands in the label
constexpr int kLastMappedStandardRow = 57;

// ICD-10 categories grouped in one standard row are counted under the group's first number.
constexpr std::array<std::pair<int, int>, 21> kGroupedIcd10 = {{
    {2, 1},   {4, 3},   {5, 3},   {6, 3},   {8, 7},   {13, 12}, {20, 19},
    {24, 23}, {31, 30}, {34, 33}, {38, 37}, {41, 40}, {49, 47}, {71, 70},
    {72, 70}, {83, 82}, {84, 82}, {85, 82}, {96, 82}, {93, 92}, {94, 92},
}};

bool isStandardRow(int row) { return row >= 0 && row < CCancerDictionary::kStandardRowCount; }

const detail::CancerEntry& entry(int cancer) {
    return detail::kCancerEntries[static_cast<std::size_t>(cancer)];
}

/// The two digits after the leading `prefix` of a code ("0C12" with prefix "0C" gives 12).
int icd10Category(std::string_view code, std::string_view prefix) {
    if (code.substr(0, prefix.size()) != prefix) {
        return -1;
    }
    return detail::digitField(code, prefix.size(), 2);
}

int foldGroupedCategory(int category) {
    for (const auto& [from, to] : kGroupedIcd10) {
        if (from == category) {
            return to;
        }
    }
    return category;
}

/// The name with its first character in lower case ("Base of" becomes "base of").
std::string lowerFirst(std::string_view name) {
    std::string text(name);
    if (!text.empty()) {
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    }
    return text;
}

} // namespace

std::string_view CCancerDictionary::row(int cancer) {
    return isDictionaryCancer(cancer) ? entry(cancer).row : std::string_view{};
}

std::string_view CCancerDictionary::codeRow(int cancer) {
    return isDictionaryCancer(cancer) ? entry(cancer).code : std::string_view{};
}

bool CCancerDictionary::isMorphology(int cancer) {
    const std::string_view text = codeRow(cancer);
    return !text.empty() && text[0] == kMorphologyMarker;
}

std::string_view CCancerDictionary::code(int cancer) {
    const std::string_view text = codeRow(cancer);
    return text.empty() ? text : text.substr(1);
}

std::string_view CCancerDictionary::icd10Code(int cancer) {
    for (int above = cancer; isDictionaryCancer(above); --above) {
        const std::string_view text = codeRow(above);
        if (!text.empty() && text[0] == kIcd10Marker) {
            return text.substr(1);
        }
    }
    return {};
}

bool CCancerDictionary::appliesToMales(int cancer) {
    const std::string_view text = row(cancer);
    return text.size() <= kMalesPos || text[kMalesPos] != '0';
}

bool CCancerDictionary::appliesToFemales(int cancer) {
    const std::string_view text = row(cancer);
    return text.size() <= kFemalesPos || text[kFemalesPos] != '0';
}

bool CCancerDictionary::occursIn(int cancer, Sex sex, const CUserGroupDictionary* cancerGroups) {
    if (isDictionaryCancer(cancer)) {
        return sex == Sex::Male ? appliesToMales(cancer) : appliesToFemales(cancer);
    }
    const int group = cancer - kFirstCancerGroup;
    if (cancerGroups == nullptr || group < 0 || group >= cancerGroups->count()) {
        return false;
    }
    const UserGroup& entry = cancerGroups->group(group);
    return (sex == Sex::Male ? entry.malesFlag : entry.femalesFlag) != '0';
}

SexApplicability CCancerDictionary::sexesOf(int cancer, const CUserGroupDictionary* cancerGroups) {
    return {occursIn(cancer, Sex::Male, cancerGroups), occursIn(cancer, Sex::Female, cancerGroups)};
}

int CCancerDictionary::parent(int cancer) {
    const int number = detail::digitField(row(cancer), kParentPos, 3);
    return number < 0 ? kNoParent : number;
}

int CCancerDictionary::level(int cancer) { return detail::digitField(row(cancer), kLevelPos, 1); }

std::string_view CCancerDictionary::name(int cancer) {
    const std::string_view text = row(cancer);
    return text.size() > kNamePos ? text.substr(kNamePos) : std::string_view{};
}

std::string CCancerDictionary::label(int cancer) {
    const std::string_view own = name(cancer);
    const int parentCancer = parent(cancer);
    if (parentCancer == kNoParent || !isDictionaryCancer(parentCancer)) {
        return std::string(own);
    }
    std::string text(name(parentCancer));
    if (level(cancer) == 3) {
        return text + " " + lowerFirst(own);
    }
    if (cancer == kBoneEwingSarcoma) {
        return text + ", " + std::string(own);
    }
    return text + ", " + lowerFirst(own);
}

int CCancerDictionary::standardRow(int cancer) {
    if (cancer == 0) {
        return kAllSitesRow;
    }
    if (cancer == 1) {
        return kAllSitesButSkinRow;
    }
    const bool site = parent(cancer) == kNoParent && ((level(cancer) == 1 && cancer < kLeukaemia) ||
                                                      (level(cancer) == 2 && cancer > kLeukaemia));
    if (!isDictionaryCancer(cancer) || (!site && cancer != kBreast)) {
        return -1;
    }
    const int category = icd10Category(codeRow(cancer), "0C");
    if (category < 0) {
        return -1;
    }
    const int folded = foldGroupedCategory(category);
    for (int r = 0; r <= kLastMappedStandardRow; ++r) {
        if (icd10Category(standardRowCode(r), "C") == folded) {
            return r;
        }
    }
    return -1;
}

std::string_view CCancerDictionary::standardRowText(int row) {
    return isStandardRow(row) ? detail::kStandardEntries[static_cast<std::size_t>(row)].text
                              : std::string_view{};
}

std::string_view CCancerDictionary::standardRowSite(int row) {
    const std::string_view text = standardRowText(row);
    return text.size() > kStandardSitePos ? text.substr(kStandardSitePos) : std::string_view{};
}

std::string_view CCancerDictionary::standardRowCode(int row) {
    return isStandardRow(row) ? detail::kStandardEntries[static_cast<std::size_t>(row)].code
                              : std::string_view{};
}

bool CCancerDictionary::standardRowAppliesTo(int row, Sex sex) {
    const std::string_view text = standardRowText(row);
    if (text.size() < 2) {
        return false;
    }
    if (sex != Sex::Both) {
        return text[static_cast<std::size_t>(indexOf(sex))] == '1';
    }
    return text[0] == '1' || text[1] == '1';
}

} // namespace orvelan
