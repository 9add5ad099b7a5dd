#include "core/graphs/CGraphTemplate.h"

#include "core/data/SelectionBounds.h"
#include "core/data/SelectionListCodec.h"
#include "core/io/CAtomicFile.h"
#include "core/io/CTemplateFolder.h"
#include "core/io/LittleEndian.h"
#include "core/io/ReadFile.h"

#include <algorithm>
#include <array>

namespace orvelan {

namespace {

using HeaderWords = std::array<int, CGraphTemplate::kHeaderWords>;

// The codes go through their underlying int both ways, so that a word outside the known values
// (a kind 7, a rate kind 9) reads and writes back unchanged.
HeaderWords headerWords(const GraphSettings& s) {
    return {indexOf(s.kind), indexOf(s.barChartType), s.cancer,       s.population, s.ageFrom,
            s.ageTo,         indexOf(s.rateKind),     indexOf(s.sex), s.reserved1,  s.reserved2};
}

void setHeaderWords(GraphSettings& s, const HeaderWords& words) {
    s.kind = static_cast<GraphKind>(words[0]);
    s.barChartType = static_cast<BarChartType>(words[1]);
    s.cancer = words[2];
    s.population = words[3];
    s.ageFrom = words[4];
    s.ageTo = words[5];
    s.rateKind = static_cast<RateKind>(words[6]);
    s.sex = static_cast<Sex>(words[7]);
    s.reserved1 = words[8];
    s.reserved2 = words[9];
}

} // namespace

std::string CGraphTemplate::encode(const GraphSettings& settings, int registryGroupCount,
                                   int cancerGroupCount) {
    std::string bytes;
    bytes.reserve(kFileSize);
    for (const int word : headerWords(settings)) {
        appendInt32(bytes, word);
    }
    appendSelectionList(bytes, boundedRegistries(settings.registries, registryGroupCount));
    appendSelectionList(bytes, boundedCancers(settings.cancers, cancerGroupCount));

    // The text up to its first zero byte and at most 255 characters, one zero byte, then '0'.
    std::string title(kTitleSize, '0');
    const auto text = std::string_view(settings.title.c_str());
    const auto length = std::min(text.size(), kMaxTitleLength);
    title.replace(0, length, text.substr(0, length));
    title[length] = '\0';
    bytes += title;
    return bytes;
}

IoResult CGraphTemplate::decode(std::string_view bytes, GraphSettings& settings,
                                int registryGroupCount, int cancerGroupCount) {
    if (bytes.size() < kFileSize) {
        return IoResult::refusal(IoStatus::Failed, "it holds " + std::to_string(bytes.size()) +
                                                       " bytes, a graph template holds " +
                                                       std::to_string(kFileSize));
    }
    GraphSettings loaded = settings;
    std::size_t offset = 0;
    HeaderWords words{};
    for (int& word : words) {
        word = readInt32(bytes, offset);
        offset += 4;
    }
    setHeaderWords(loaded, words);
    loaded.registries = boundedRegistries(readSelectionList(bytes, offset), registryGroupCount);
    offset += 4 * static_cast<std::size_t>(kSelectionListSize);
    loaded.cancers = boundedCancers(readSelectionList(bytes, offset), cancerGroupCount);

    const auto title = bytes.substr(kTitleOffset, kMaxTitleLength);
    loaded.title = std::string(title.substr(0, title.find('\0')));
    settings = std::move(loaded);
    return {};
}

IoResult CGraphTemplate::write(const std::string& path, const GraphSettings& settings,
                               int registryGroupCount, int cancerGroupCount) {
    if (!CTemplateFolder::hasExtension(path, kExtension)) {
        return IoResult::refusal(IoStatus::UnsupportedFormat, CTemplateFolder::kUnsupportedFormat);
    }
    return CAtomicFile::writeWhole(path, encode(settings, registryGroupCount, cancerGroupCount));
}

IoResult CGraphTemplate::read(const std::string& path, GraphSettings& settings,
                              int registryGroupCount, int cancerGroupCount) {
    std::string bytes;
    // A template has one size: anything longer is not one, and a device is never read on.
    if (IoResult read = readFileBytes(path, bytes, kFileSize); !read.ok()) {
        return read;
    }
    if (const IoResult decoded = decode(bytes, settings, registryGroupCount, cancerGroupCount);
        !decoded.ok()) {
        return IoResult::failure(path, "is not a complete graph template", decoded.message);
    }
    return {};
}

std::string CGraphTemplate::typeName(GraphKind kind) {
    switch (kind) {
    case GraphKind::AgeSpecific:
        return "Age-specific";
    case GraphKind::BarChart:
        return "Bar chart";
    case GraphKind::PieChart:
        return "Pie chart";
    case GraphKind::Pyramid:
        return "Population pyramid";
    default:
        return "Unknown kind (" + std::to_string(indexOf(kind)) + ")";
    }
}

std::string CGraphTemplate::typeName(int kind) { return typeName(static_cast<GraphKind>(kind)); }

} // namespace orvelan
