#include "core/graphs/PublicationPalette.h"

#include <cmath>

namespace orvelan {

namespace {

constexpr std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

// A colour-blind-safe set of seven hues without its yellow; the orange and the sky blue are
// darkened until they stand at least 3.3:1 against white.
constexpr std::uint32_t kBlue = rgb(0x00, 0x72, 0xB2);
constexpr std::uint32_t kVermillion = rgb(0xD5, 0x5E, 0x00);
constexpr std::uint32_t kBluishGreen = rgb(0x00, 0x9E, 0x73);
constexpr std::uint32_t kReddishPurple = rgb(0xC3, 0x74, 0xA0);
constexpr std::uint32_t kOrange = rgb(0xBC, 0x82, 0x00);
constexpr std::uint32_t kSkyBlue = rgb(0x47, 0x95, 0xC1);
constexpr std::uint32_t kBlack = rgb(0x00, 0x00, 0x00);

double linearChannel(std::uint32_t value) {
    const double channel = static_cast<double>(value & 0xFFu) / 255.0;
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(std::uint32_t colour) {
    return 0.2126 * linearChannel(colour) + 0.7152 * linearChannel(colour >> 8) +
           0.0722 * linearChannel(colour >> 16);
}

} // namespace

const std::array<CurveLook, kPublicationCurveCount>& publicationCurveLooks() {
    // The first seven differ in colour, dash and marker; the last three repeat a colour with
    // another dash and an open marker, so that every curve is told apart in greyscale too.
    static const std::array<CurveLook, kPublicationCurveCount> looks = {{
        {kBlue, CurveDash::Solid, CurveMarker::Circle, true},
        {kVermillion, CurveDash::Dash, CurveMarker::Square, true},
        {kBluishGreen, CurveDash::DashDot, CurveMarker::Triangle, true},
        {kReddishPurple, CurveDash::LongDash, CurveMarker::Diamond, true},
        {kBlack, CurveDash::Dot, CurveMarker::InvertedTriangle, true},
        {kOrange, CurveDash::Solid, CurveMarker::Circle, false},
        {kSkyBlue, CurveDash::Dash, CurveMarker::Square, false},
        {kBlue, CurveDash::Dot, CurveMarker::Triangle, false},
        {kVermillion, CurveDash::LongDash, CurveMarker::Diamond, false},
        {kBluishGreen, CurveDash::Solid, CurveMarker::InvertedTriangle, false},
    }};
    return looks;
}

std::uint32_t publicationBarColour() { return kBlue; }

std::uint32_t publicationGridColour() { return rgb(0xD9, 0xD9, 0xD9); }

std::uint32_t publicationOtherColour() { return rgb(0x8C, 0x8C, 0x8C); }

double contrastRatio(std::uint32_t a, std::uint32_t b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::fmax(first, second) + 0.05) / (std::fmin(first, second) + 0.05);
}

} // namespace orvelan
