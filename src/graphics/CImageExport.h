#pragma once

#include "core/graphs/FigureSize.h"
#include "core/io/IoResult.h"

#include <QImage>
#include <QSize>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QPainter;

// Graph pictures leaving the program: BMP, JPEG and PNG pixels, SVG and PDF vectors, and the
// image put on the clipboard. Every file is written through a temporary file, so a failed
// write leaves nothing behind.
namespace orvelan {

enum class ImageFormat { None, Bmp, Jpeg, Png, Svg, Pdf };

class CImageExport {
  public:
    /// Draws a graph of the given size on any painter (screen, image, SVG, PDF).
    using PaintFunction = std::function<void(QPainter&, QSize)>;

    static constexpr int kJpegQuality = 100;

    /// The format named by a file's extension, any case: .bmp, .jpg/.jpeg, .png, .svg, .pdf.
    static ImageFormat formatOf(std::string_view path);

    /// The graph drawn into a 24-bit image of the size; also what Copy puts on the clipboard.
    static QImage render(QSize size, const PaintFunction& paint);

    /// A 24-bit uncompressed BMP: 14-byte file header, 40-byte information header, pixels at 54,
    /// bottom row first, each row padded to a multiple of 4 bytes.
    static std::string bmpBytes(const QImage& image);
    static IoResult saveBmp(const QImage& image, const std::string& path);
    /// Baseline JPEG through libjpeg. A path that cannot be opened gives
    /// "Cannot open <path>\r\nSave As failed.\n"; a library error gives its message.
    /// dpi > 0 records the resolution in the file; 0 leaves the library's default header.
    static IoResult saveJpeg(const QImage& image, const std::string& path,
                             int quality = kJpegQuality, int dpi = 0);
    static IoResult savePng(const QImage& image, const std::string& path);
    /// Vector output of the same painter calls, one pixel to one point (PDF) or unit (SVG).
    static IoResult saveSvg(QSize size, const PaintFunction& paint, const std::string& path,
                            const QString& title);
    static IoResult savePdf(QSize size, const PaintFunction& paint, const std::string& path,
                            const QString& title);

    /// A figure of a printed size: raster formats at its pixels with its resolution recorded
    /// (PNG, JPEG), SVG and PDF on a page of its size in points.
    static IoResult saveFigure(const FigureSize& figure, const PaintFunction& paint,
                               const std::string& path, const QString& title);

    /// Puts the graph on the clipboard as an image (the platform's bitmap format).
    static void copyToClipboard(QSize size, const PaintFunction& paint);

    /// Writes the graph in the format of the path's extension; an unknown extension is
    /// refused (IoStatus::UnsupportedFormat).
    static IoResult saveGraph(QSize size, const PaintFunction& paint, const std::string& path,
                              const QString& title);
};

} // namespace orvelan
