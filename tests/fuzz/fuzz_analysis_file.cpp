// Analysis files (.STA): parsed, and a curve that parses is compared with population 0.
#include "FuzzCli.h"
#include "FuzzSupport.h"
#include "core/analysis/AnalysisFile.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvelan;
    const std::string text(reinterpret_cast<const char*>(data), size);
    AnalysisFileRead read = parseAnalysisFile(text, "fuzz.STA");
    fuzz::runCommand(
        {"compare", "--ref", "0,0,m", "--comp-file", fuzz::writeFile("raw.STA", text), "--json"});
    if (!read.curve) {
        return 0;
    }
    // The title is the user's text; the figures must never come out as inf or nan.
    read.curve->title = "Fuzzed curve";
    const std::string path = fuzz::writeFile("curve.STA", analysisFileText(*read.curve));
    for (const char* to : {"17", "12"}) {
        fuzz::requireFiniteText(fuzz::runCommand({"compare", "--ref", "0,0,m", "--comp-file", path,
                                                  "--from", "0", "--to", to, "--layout", "prn"}));
    }
    return 0;
}
