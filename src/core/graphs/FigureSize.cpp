#include "core/graphs/FigureSize.h"

#include "core/io/CIniFile.h"
#include "core/io/Printf.h"

#include <cmath>
#include <string_view>

namespace orvelan {

namespace {

int scaled(double mm, double perInch) {
    return static_cast<int>(std::lround(FigureSize::dotsOf(mm, perInch)));
}

} // namespace

int FigureSize::widthPixels() const { return scaled(widthMm, dpi); }
int FigureSize::heightPixels() const { return scaled(heightMm, dpi); }
int FigureSize::widthPoints() const { return scaled(widthMm, kPointsPerInch); }
int FigureSize::heightPoints() const { return scaled(heightMm, kPointsPerInch); }

std::optional<std::string> FigureSize::problem() const {
    const auto outside = [](double mm) { return !(mm >= kMinMm && mm <= kMaxMm); };
    if (outside(widthMm) || outside(heightMm)) {
        return formatText("The width and the height must be %.0f-%.0f mm", kMinMm, kMaxMm);
    }
    if (dpi < kMinDpi || dpi > kMaxDpi) {
        return formatText("The resolution must be %d-%d dots per inch", kMinDpi, kMaxDpi);
    }
    // Past 10,000 pixels a side, image viewers and the clipboard give up.
    if (widthPixels() > 10000 || heightPixels() > 10000) {
        return std::string(
            "The figure would be more than 10,000 pixels a side: lower the resolution");
    }
    return std::nullopt;
}

namespace {

constexpr std::string_view kFigureSection = "Publication figure";
constexpr std::string_view kFigureExtensions[] = {".png", ".pdf", ".svg", ".jpg", ".bmp"};

} // namespace

FigureChoice readFigureChoice(const CIniFile& file) {
    FigureChoice choice;
    // Tenths of a millimetre keep the file free of locale-dependent decimal points.
    FigureSize size;
    size.widthMm = file.integer(kFigureSection, "WidthTenthMm", 850) / 10.0;
    size.heightMm = file.integer(kFigureSection, "HeightTenthMm", 650) / 10.0;
    size.dpi = file.integer(kFigureSection, "Dpi", size.dpi);
    if (!size.problem()) {
        choice.size = size;
    }
    choice.inPixels = file.integer(kFigureSection, "Pixels", 0) != 0;
    const std::string extension = file.string(kFigureSection, "Format", ".png");
    for (const std::string_view known : kFigureExtensions) {
        if (extension == known) {
            choice.extension = extension;
        }
    }
    return choice;
}

void writeFigureChoice(const FigureChoice& choice, CIniFile& file) {
    file.removeSection(kFigureSection);
    if (choice == FigureChoice{}) {
        return;
    }
    file.setInteger(kFigureSection, "WidthTenthMm",
                    static_cast<int>(std::lround(choice.size.widthMm * 10)));
    file.setInteger(kFigureSection, "HeightTenthMm",
                    static_cast<int>(std::lround(choice.size.heightMm * 10)));
    file.setInteger(kFigureSection, "Dpi", choice.size.dpi);
    file.setInteger(kFigureSection, "Pixels", choice.inPixels ? 1 : 0);
    file.setString(kFigureSection, "Format", choice.extension);
}

} // namespace orvelan
