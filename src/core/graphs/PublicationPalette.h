#pragma once

#include <array>
#include <cstdint>

// Curve and bar colours of the publication look: colour-blind safe, each at least 3:1 against
// white, and told apart in greyscale by dash pattern and marker shape as well.
namespace orvelan {

enum class CurveDash { Solid, Dash, Dot, DashDot, LongDash };
enum class CurveMarker { Circle, Square, Triangle, Diamond, InvertedTriangle, None };

struct CurveLook {
    std::uint32_t colour = 0; // red + 256 x green + 65536 x blue, as the settings store colours
    CurveDash dash = CurveDash::Solid;
    CurveMarker marker = CurveMarker::Circle;
    bool filledMarker = true;
};

inline constexpr int kPublicationCurveCount = 10;

/// The looks of curves 1-10, no two alike.
const std::array<CurveLook, kPublicationCurveCount>& publicationCurveLooks();

/// Bar fill, whisker, gridline and "Other cancers" grey of the publication look.
std::uint32_t publicationBarColour();
std::uint32_t publicationGridColour();
std::uint32_t publicationOtherColour();

/// The WCAG contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrastRatio(std::uint32_t a, std::uint32_t b);

} // namespace orvelan
