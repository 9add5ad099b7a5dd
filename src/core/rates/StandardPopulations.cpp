#include "core/rates/StandardPopulations.h"

#include "core/io/CTemplateFolder.h"
#include "core/io/ReadFile.h"
#include "core/rates/StandardWeights.h"

#include <charconv>
#include <cmath>
#include <filesystem>

namespace orvelan {

namespace {

constexpr std::string_view kNotAStandard = "is not a standard population";
constexpr std::string_view kNamePrefix = "name:";
constexpr auto kWeightCount = static_cast<std::size_t>(kKnownAgeGroupCount);

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string lineReason(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

} // namespace

const StandardPopulation& worldSegiStandard() {
    static const StandardPopulation kStandard{"segi", "World", kWorldWeights, {}};
    return kStandard;
}

const StandardPopulation& worldWho2000Standard() {
    static const StandardPopulation kStandard{
        "who2000", "World, WHO 2000", kThirdStandardWeights, {}};
    return kStandard;
}

const StandardPopulation& european1976Standard() {
    static const StandardPopulation kStandard{"1976", "European", kEuropeanWeights, {}};
    return kStandard;
}

const StandardPopulation& european2013Standard() {
    static const StandardPopulation kStandard{"2013", "European 2013", kEuropean2013Weights, {}};
    return kStandard;
}

std::vector<const StandardPopulation*> builtInStandards(StandardSlot slot) {
    if (slot == StandardSlot::World) {
        return {&worldSegiStandard(), &worldWho2000Standard()};
    }
    return {&european1976Standard(), &european2013Standard()};
}

const StandardPopulation* findBuiltInStandard(StandardSlot slot, std::string_view id) {
    for (const StandardPopulation* standard : builtInStandards(slot)) {
        if (standard->id == id) {
            return standard;
        }
    }
    return nullptr;
}

bool isClassicStandard(const StandardPopulation& standard) {
    return standard == worldSegiStandard() || standard == european1976Standard();
}

bool StandardChoice::isDefault() const {
    return world == worldSegiStandard() && european == european1976Standard();
}

const StandardPopulation* StandardChoice::forKind(RateKind kind) const {
    switch (kind) {
    case RateKind::AsrWorld:
        return &world;
    case RateKind::AsrEuropean:
        return &european;
    default:
        return nullptr;
    }
}

const AgeArray* StandardChoice::weightsFor(RateKind kind) const {
    const StandardPopulation* standard = forKind(kind);
    if (standard == nullptr || isClassicStandard(*standard)) {
        return nullptr;
    }
    return &standard->weights;
}

const StandardChoice& classicStandards() {
    static const StandardChoice kClassic;
    return kClassic;
}

std::string rateKindHeading(RateKind kind, const StandardChoice& standards) {
    const StandardPopulation* standard = standards.forKind(kind);
    if (standard == nullptr || isClassicStandard(*standard)) {
        return std::string(rateKindLabel(kind));
    }
    return "ASR (" + standard->title + ")";
}

IoResult parseStandardText(std::string_view text, const std::string& file,
                           StandardPopulation& standard) {
    std::string name;
    std::vector<double> numbers;
    int lineNumber = 0;
    int lastNumberLine = 0;
    bool anyContent = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty()) {
            continue;
        }
        if (!anyContent && line.substr(0, kNamePrefix.size()) == kNamePrefix) {
            anyContent = true;
            name = std::string(trimmed(line.substr(kNamePrefix.size())));
            continue;
        }
        anyContent = true;
        std::size_t at = 0;
        while (at < line.size()) {
            const std::size_t tokenEnd = std::min(line.find_first_of(", \t", at), line.size());
            const std::string_view token = line.substr(at, tokenEnd - at);
            at = tokenEnd + 1;
            if (token.empty()) {
                continue;
            }
            double value = 0.0;
            const auto [rest, error] =
                std::from_chars(token.data(), token.data() + token.size(), value);
            if (error != std::errc() || rest != token.data() + token.size()) {
                return IoResult::failure(
                    file, std::string(kNotAStandard),
                    lineReason(lineNumber, "'" + std::string(token) + "' is not a number"));
            }
            if (!std::isfinite(value)) {
                return IoResult::failure(
                    file, std::string(kNotAStandard),
                    lineReason(lineNumber, "'" + std::string(token) + "' is not a finite number"));
            }
            if (value < 0.0) {
                return IoResult::failure(
                    file, std::string(kNotAStandard),
                    lineReason(lineNumber, "'" + std::string(token) + "' is negative"));
            }
            if (numbers.size() == kWeightCount) {
                return IoResult::failure(
                    file, std::string(kNotAStandard),
                    lineReason(lineNumber, "more than 18 weights (one per age group 0-4 ... 85+)"));
            }
            numbers.push_back(value);
            lastNumberLine = lineNumber;
        }
    }
    if (numbers.size() != kWeightCount) {
        return IoResult::failure(
            file, std::string(kNotAStandard),
            lineReason(std::max(lineNumber, 1), std::to_string(numbers.size()) +
                                                    " weights where 18 are needed (one per age "
                                                    "group 0-4 ... 85+)"));
    }
    double sum = 0.0;
    for (const double value : numbers) {
        sum += value;
    }
    if (!(sum > 0.0) || !std::isfinite(sum)) {
        return IoResult::failure(
            file, std::string(kNotAStandard),
            lineReason(lastNumberLine,
                       "the weights sum to " + std::string(sum > 0.0 ? "infinity" : "0")));
    }
    StandardPopulation read;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        read.weights[i] = numbers[i] / sum;
    }
    if (name.empty()) {
        name = std::filesystem::path(file).stem().string();
    }
    read.id = name;
    read.title = name;
    read.file = file;
    standard = std::move(read);
    return {};
}

IoResult readStandardFile(const std::string& path, StandardPopulation& standard) {
    std::string bytes;
    if (IoResult read = readFileBytes(path, bytes); !read) {
        return read;
    }
    return parseStandardText(bytes, path, standard);
}

std::vector<std::string> findStandardFiles(const std::string& folder) {
    return CTemplateFolder::find(folder, kStandardFileExtension);
}

} // namespace orvelan
