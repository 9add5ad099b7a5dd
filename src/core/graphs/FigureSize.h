#pragma once

#include <optional>
#include <string>

// The printed size of a figure for a paper: millimetres and a resolution, turned into the
// pixels of a raster image or the points of a vector page.
namespace orvelan {

struct FigureSize {
    static constexpr double kMmPerInch = 25.4;
    static constexpr double kPointsPerInch = 72.0;
    static constexpr double kMinMm = 20.0;
    static constexpr double kMaxMm = 1000.0;
    static constexpr int kMinDpi = 72;
    static constexpr int kMaxDpi = 2400;

    double widthMm = 85.0;
    double heightMm = 65.0;
    int dpi = 300;

    /// Millimetres at a resolution in dots (or points) per inch, unrounded, and back.
    static double dotsOf(double mm, double perInch) { return mm / kMmPerInch * perInch; }
    static double mmOf(double dots, double perInch) { return dots / perInch * kMmPerInch; }

    /// Pixels of a raster image: millimetres / 25.4 x dpi, rounded.
    int widthPixels() const;
    int heightPixels() const;
    /// Points (1/72 inch) of a vector page, rounded.
    int widthPoints() const;
    int heightPoints() const;

    /// What is wrong with the size, in the words of a message; nullopt when it is usable.
    std::optional<std::string> problem() const;

    friend bool operator==(const FigureSize&, const FigureSize&) = default;
};

class CIniFile;

/// The last choice of the desktop's "Save for publication": the size, whether it was typed in
/// pixels, and the file format by its extension (".png", ".pdf", ".svg", ".jpg", ".bmp").
struct FigureChoice {
    FigureSize size;
    bool inPixels = false;
    std::string extension = ".png";

    friend bool operator==(const FigureChoice&, const FigureChoice&) = default;
};

/// The choice in the settings file; the defaults (85 x 65 mm, 300 dpi, PNG) for what is missing
/// or out of range.
FigureChoice readFigureChoice(const CIniFile& file);
/// Writes a choice other than the default; the default removes the section.
void writeFigureChoice(const FigureChoice& choice, CIniFile& file);

} // namespace orvelan
