#pragma once

#include "core/data/Codes.h"
#include "core/io/IoResult.h"

#include <string>
#include <string_view>
#include <vector>

// The standard populations an age-standardised rate can be computed against: for the World
// column Segi's (the classic table) or WHO 2000, for the European column 1976 (the classic
// table) or 2013, or a standard of the user's own read from a small text file. Each is 18
// weights for the age groups 0-4 ... 85+ summing to 1.
namespace orvelan {

/// Revised European standard population (2013): per 100,000, 85+ being 1500 + 800 + 200.
inline constexpr AgeArray kEuropean2013Weights = {
    5000 / 1e5, 5500 / 1e5, 5500 / 1e5, 5500 / 1e5, 6000 / 1e5, 6000 / 1e5,
    6500 / 1e5, 7000 / 1e5, 7000 / 1e5, 7000 / 1e5, 7000 / 1e5, 6500 / 1e5,
    6000 / 1e5, 5500 / 1e5, 5000 / 1e5, 4000 / 1e5, 2500 / 1e5, 2500 / 1e5};

/// Which of the two age-standardised figures a standard stands in for.
enum class StandardSlot { World, European };

struct StandardPopulation {
    /// "segi", "who2000", "1976", "2013"; for a user standard its name.
    std::string id;
    /// What headings name: "World", "World, WHO 2000", "European", "European 2013", a name.
    std::string title;
    AgeArray weights{};
    /// The file a user standard was read from; empty for the built-in ones.
    std::string file;

    bool isUser() const { return !file.empty(); }
    friend bool operator==(const StandardPopulation&, const StandardPopulation&) = default;
};

const StandardPopulation& worldSegiStandard();
const StandardPopulation& worldWho2000Standard();
const StandardPopulation& european1976Standard();
const StandardPopulation& european2013Standard();

/// The built-in standards of a slot, the classic one first.
std::vector<const StandardPopulation*> builtInStandards(StandardSlot slot);
/// A built-in standard of a slot by its id; null when there is none.
const StandardPopulation* findBuiltInStandard(StandardSlot slot, std::string_view id);

/// The standards of the two age-standardised figures; the classic tables by default.
struct StandardChoice {
    StandardPopulation world = worldSegiStandard();
    StandardPopulation european = european1976Standard();

    bool isDefault() const;
    /// The standard of an age-standardised rate kind; null for every other kind.
    const StandardPopulation* forKind(RateKind kind) const;
    /// The weights the engine is to use for a kind; null where it uses its own classic table
    /// (every kind but an ASR, and an ASR against its classic standard).
    const AgeArray* weightsFor(RateKind kind) const;
    StandardPopulation& inSlot(StandardSlot slot) {
        return slot == StandardSlot::World ? world : european;
    }
    friend bool operator==(const StandardChoice&, const StandardChoice&) = default;
};

/// The choice that leaves every figure as the classic tables give it.
const StandardChoice& classicStandards();

/// True for Segi's table and the 1976 European table.
bool isClassicStandard(const StandardPopulation& standard);

/// Heading of a rate kind under a choice: the kind's own label ("ASR (World)") while its
/// standard is the classic one, else "ASR (" + the standard's title + ")".
std::string rateKindHeading(RateKind kind, const StandardChoice& standards);

/// Reads a user standard: an optional first line "name: TEXT", then 18 non-negative numbers,
/// one a line or separated by commas, blanks or tabs, "#" starting a comment; the weights are
/// the numbers divided by their sum. Without a name line the file's name without its
/// extension names it. Another count, a negative or non-finite number or a sum of 0 is refused
/// with the line at fault; standard is left as it was.
IoResult parseStandardText(std::string_view text, const std::string& file,
                           StandardPopulation& standard);
IoResult readStandardFile(const std::string& path, StandardPopulation& standard);

/// The user standard files of a folder ("*.std", any case), sorted by name.
std::vector<std::string> findStandardFiles(const std::string& folder);
inline constexpr std::string_view kStandardFileExtension = ".std";

} // namespace orvelan
