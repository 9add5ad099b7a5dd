// Report templates (.RPT): decoded, encoded again, shown and (when small) run.
#include "FuzzCli.h"
#include "FuzzSupport.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/ReportFinishPlan.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvelan;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReportChoices choices;
    if (CReportTemplate::decode(bytes, choices, 0, 0)) {
        ReportChoices again;
        const std::string encoded = CReportTemplate::encode(choices, 0, 0);
        if (encoded.size() != CReportTemplate::kFileSize ||
            !CReportTemplate::decode(encoded, again, 0, 0) || !(again == choices)) {
            std::abort(); // what is read is written back unchanged
        }
        reportFinishPlan(choices.block);
    }
    const std::string path = fuzz::writeFile("fuzz.RPT", bytes);
    fuzz::runCommand({"template", "show", path, "--json"});
    std::size_t registries = 0;
    std::size_t cancers = 0;
    for (std::size_t i = 0; i < choices.registries.size(); ++i) {
        registries += choices.registries[i] >= 0 ? 1u : 0u;
        cancers += choices.cancers[i] >= 0 ? 1u : 0u;
    }
    if (registries * cancers <= 16) {
        fuzz::runCommand({"report", "--template", path});
    }
    return 0;
}
