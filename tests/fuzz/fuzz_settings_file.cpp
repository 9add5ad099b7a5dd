// The settings file: parsed, every setting read, written and parsed again to the same text.
#include "core/app/AppSettings.h"
#include "core/io/CIniFile.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvelan;
    CIniFile profile;
    profile.parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const AppSettings settings = readAppSettings(profile);
    const auto recent = readRecentFiles(profile);
    const int pages = readPreviewPages(profile);
    writeAppSettings(settings, profile);
    writeRecentFiles(recent, profile);
    writePreviewPages(pages, profile);
    const std::string text = profile.text();
    CIniFile again;
    again.parse(text);
    if (again.text() != text) {
        std::abort(); // a written profile reads back as itself
    }
    return 0;
}
