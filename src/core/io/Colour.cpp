#include "core/io/Colour.h"

#include <cstdio>

namespace orvelan {

std::string formatColour(ColourValue colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%03d%03d%03d", redOf(colour), greenOf(colour),
                  blueOf(colour));
    return buffer;
}

std::optional<ColourValue> parseColour(std::string_view text) {
    const std::string copy(text);
    int red = -1;
    int green = -1;
    int blue = -1;
    if (std::sscanf(copy.c_str(), "%3d%3d%3d", &red, &green, &blue) != 3) {
        return std::nullopt;
    }
    for (int component : {red, green, blue}) {
        if (component < 0 || component > 255) {
            return std::nullopt;
        }
    }
    return colourValue(red, green, blue);
}

} // namespace orvelan
