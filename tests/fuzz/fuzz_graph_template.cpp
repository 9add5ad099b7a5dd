// Graph templates (.GPH): decoded, encoded again and shown.
#include "FuzzCli.h"
#include "FuzzSupport.h"
#include "core/graphs/CGraphTemplate.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvelan;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    GraphSettings settings;
    if (CGraphTemplate::decode(bytes, settings, 0, 0)) {
        GraphSettings again;
        const std::string encoded = CGraphTemplate::encode(settings, 0, 0);
        if (encoded.size() != CGraphTemplate::kFileSize ||
            !CGraphTemplate::decode(encoded, again, 0, 0) || again.title != settings.title ||
            again.registries != settings.registries || again.cancers != settings.cancers) {
            std::abort(); // what is read is written back unchanged
        }
    }
    fuzz::runCommand({"template", "show", fuzz::writeFile("fuzz.GPH", bytes), "--json"});
    return 0;
}
