#include "core/reports/CReportTemplate.h"

#include "core/data/SelectionBounds.h"
#include "core/data/SelectionListCodec.h"
#include "core/io/CAtomicFile.h"
#include "core/io/CTemplateFolder.h"
#include "core/io/LittleEndian.h"
#include "core/io/ReadFile.h"

namespace orvelan {

std::string CReportTemplate::encode(const ReportChoices& choices, int registryGroupCount,
                                    int cancerGroupCount) {
    std::string bytes;
    bytes.reserve(kFileSize);
    for (const auto field : choices.block.toArray()) {
        appendInt32(bytes, field);
    }
    appendSelectionList(bytes, boundedRegistries(choices.registries, registryGroupCount));
    appendSelectionList(bytes, boundedCancers(choices.cancers, cancerGroupCount));
    return bytes;
}

IoResult CReportTemplate::decode(std::string_view bytes, ReportChoices& choices,
                                 int registryGroupCount, int cancerGroupCount) {
    if (bytes.size() < kFileSize) {
        return IoResult::refusal(IoStatus::Failed, "it holds " + std::to_string(bytes.size()) +
                                                       " bytes, a report template holds " +
                                                       std::to_string(kFileSize));
    }
    std::array<std::int32_t, ReportBlock::kFieldCount> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = readInt32(bytes, 4 * i);
    }
    choices.block = ReportBlock::fromArray(fields);
    choices.registries =
        boundedRegistries(readSelectionList(bytes, kRegistriesOffset), registryGroupCount);
    choices.cancers = boundedCancers(readSelectionList(bytes, kCancersOffset), cancerGroupCount);
    return {};
}

IoResult CReportTemplate::write(const std::string& path, const ReportChoices& choices,
                                int registryGroupCount, int cancerGroupCount) {
    if (!CTemplateFolder::hasExtension(path, kExtension)) {
        return IoResult::refusal(IoStatus::UnsupportedFormat, CTemplateFolder::kUnsupportedFormat);
    }
    return CAtomicFile::writeWhole(path, encode(choices, registryGroupCount, cancerGroupCount));
}

IoResult CReportTemplate::read(const std::string& path, ReportChoices& choices,
                               int registryGroupCount, int cancerGroupCount) {
    std::string bytes;
    // A template has one size: anything longer is not one, and a device is never read on.
    if (IoResult read = readFileBytes(path, bytes, kFileSize); !read.ok()) {
        return read;
    }
    if (const IoResult decoded = decode(bytes, choices, registryGroupCount, cancerGroupCount);
        !decoded.ok()) {
        return IoResult::failure(path, "is not a complete report template", decoded.message);
    }
    return {};
}

std::string CReportTemplate::typeName(int kind) {
    switch (kind) {
    case 0:
        return "Summary rate";
    case 1:
        return "Age-specific";
    default:
        return "Report";
    }
}

} // namespace orvelan
