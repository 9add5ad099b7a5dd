#include "graphics/CImageExport.h"

#include "core/io/CAtomicFile.h"
#include "core/io/Printf.h"

#include <QBuffer>
#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <csetjmp>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace orvelan {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void putLe16(std::string& out, std::size_t at, unsigned value) {
    out[at] = static_cast<char>(value & 0xFFu);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFFu);
}

void putLe32(std::string& out, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFFu);
    }
}

std::string lowerExtension(std::string_view path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return {};
    }
    std::string extension(path.substr(dot));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return extension;
}

IoResult unsupported(const std::string& path) {
    return IoResult::refusal(IoStatus::UnsupportedFormat,
                             "Image format not supported (use .png, .bmp, .jpg, .svg or .pdf): " +
                                 path);
}

IoResult writeBytes(const std::string& path, const QByteArray& bytes) {
    return CAtomicFile::writeWhole(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

/// The library's fatal errors jump back here instead of ending the program.
struct JpegErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void jpegErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

/// Encodes RGB rows top to bottom; false with the library's message on failure. Kept free of
/// objects with destructors, because a library error long-jumps out of it.
bool encodeJpeg(const unsigned char* pixels, int width, int height, int quality, int dpi,
                unsigned char** out, unsigned long* outSize, std::string& error) {
    jpeg_compress_struct info{};
    JpegErrorManager manager;
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = jpegErrorExit;
    if (setjmp(manager.jump) != 0) {
        jpeg_destroy_compress(&info);
        error = manager.message;
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, outSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (dpi > 0) {
        info.density_unit = 1; // dots per inch
        info.X_density = static_cast<UINT16>(dpi);
        info.Y_density = static_cast<UINT16>(dpi);
    }
    jpeg_start_compress(&info, TRUE);
    const auto stride = static_cast<std::size_t>(width) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

ImageFormat CImageExport::formatOf(std::string_view path) {
    const std::string extension = lowerExtension(path);
    if (extension == ".bmp") {
        return ImageFormat::Bmp;
    }
    if (extension == ".jpg" || extension == ".jpeg") {
        return ImageFormat::Jpeg;
    }
    if (extension == ".png") {
        return ImageFormat::Png;
    }
    if (extension == ".svg") {
        return ImageFormat::Svg;
    }
    if (extension == ".pdf") {
        return ImageFormat::Pdf;
    }
    return ImageFormat::None;
}

QImage CImageExport::render(QSize size, const PaintFunction& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, size);
    painter.end();
    return image;
}

std::string CImageExport::bmpBytes(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int width = image.width();
    const int height = image.height();
    const std::size_t rowSize = (static_cast<std::size_t>(width) * 24 + 31) / 32 * 4;
    const std::size_t imageSize = rowSize * static_cast<std::size_t>(height);
    const std::size_t pixelOffset = kFileHeaderSize + kInfoHeaderSize;
    std::string bytes(pixelOffset + imageSize, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLe32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    putLe32(bytes, 10, static_cast<std::uint32_t>(pixelOffset));
    putLe32(bytes, 14, kInfoHeaderSize);
    putLe32(bytes, 18, static_cast<std::uint32_t>(width));
    putLe32(bytes, 22, static_cast<std::uint32_t>(height));
    putLe16(bytes, 26, 1);  // planes
    putLe16(bytes, 28, 24); // bits per pixel; compression 0 = uncompressed
    putLe32(bytes, 34, static_cast<std::uint32_t>(imageSize));
    for (int y = 0; y < height; ++y) {
        const uchar* line = image.constScanLine(height - 1 - y); // bottom row first
        char* out = bytes.data() + pixelOffset + static_cast<std::size_t>(y) * rowSize;
        for (int x = 0; x < width; ++x) {
            out[3 * x] = static_cast<char>(line[3 * x + 2]); // blue, green, red
            out[3 * x + 1] = static_cast<char>(line[3 * x + 1]);
            out[3 * x + 2] = static_cast<char>(line[3 * x]);
        }
    }
    return bytes;
}

IoResult CImageExport::saveBmp(const QImage& image, const std::string& path) {
    if (image.isNull()) {
        return IoResult::refusal(IoStatus::Failed, "No picture to save as " + path);
    }
    return CAtomicFile::writeWhole(path, bmpBytes(image));
}

IoResult CImageExport::saveJpeg(const QImage& image, const std::string& path, int quality,
                                int dpi) {
    CAtomicFile file(path);
    if (!file.isOpen()) {
        return IoResult::refusal(IoStatus::Failed,
                                 formatText("Cannot open %s\r\nSave As failed.\n", path.c_str()));
    }
    if (image.isNull() || image.width() == 0 || image.height() == 0) {
        return IoResult::refusal(IoStatus::Failed, "Empty JPEG image: " + path);
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const auto stride = static_cast<std::size_t>(rgb.width()) * 3;
    std::vector<unsigned char> pixels(stride * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        std::copy_n(rgb.constScanLine(y), stride,
                    pixels.data() + static_cast<std::size_t>(y) * stride);
    }
    unsigned char* encoded = nullptr;
    unsigned long encodedSize = 0;
    std::string error;
    const bool ok = encodeJpeg(pixels.data(), rgb.width(), rgb.height(), quality, dpi, &encoded,
                               &encodedSize, error);
    if (ok) {
        file.write(std::string_view(reinterpret_cast<const char*>(encoded), encodedSize));
    }
    std::free(encoded);
    if (!ok) {
        return IoResult::refusal(IoStatus::Failed, error + ": " + path);
    }
    return file.commit();
}

IoResult CImageExport::savePng(const QImage& image, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        return IoResult::refusal(IoStatus::Failed, "Cannot encode a PNG image for " + path);
    }
    return writeBytes(path, bytes);
}

IoResult CImageExport::saveSvg(QSize size, const PaintFunction& paint, const std::string& path,
                               const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator)) {
        return IoResult::refusal(IoStatus::Failed, "Cannot draw an SVG picture for " + path);
    }
    paint(painter, size);
    painter.end();
    return writeBytes(path, bytes);
}

IoResult CImageExport::savePdf(QSize size, const PaintFunction& paint, const std::string& path,
                               const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("ORVELAN"));
        writer.setResolution(72); // one pixel of the graph is one point of the page
        writer.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return IoResult::refusal(IoStatus::Failed, "Cannot draw a PDF page for " + path);
        }
        paint(painter, size);
        painter.end();
    }
    return writeBytes(path, bytes);
}

void CImageExport::copyToClipboard(QSize size, const PaintFunction& paint) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setImage(render(size, paint));
    }
}

IoResult CImageExport::saveGraph(QSize size, const PaintFunction& paint, const std::string& path,
                                 const QString& title) {
    switch (formatOf(path)) {
    case ImageFormat::Bmp:
        return saveBmp(render(size, paint), path);
    case ImageFormat::Jpeg:
        return saveJpeg(render(size, paint), path);
    case ImageFormat::Png:
        return savePng(render(size, paint), path);
    case ImageFormat::Svg:
        return saveSvg(size, paint, path, title);
    case ImageFormat::Pdf:
        return savePdf(size, paint, path, title);
    case ImageFormat::None:
        break;
    }
    return unsupported(path);
}

IoResult CImageExport::saveFigure(const FigureSize& figure, const PaintFunction& paint,
                                  const std::string& path, const QString& title) {
    const ImageFormat format = formatOf(path);
    if (format == ImageFormat::Svg || format == ImageFormat::Pdf) {
        const QSize page(figure.widthPoints(), figure.heightPoints());
        return format == ImageFormat::Svg ? saveSvg(page, paint, path, title)
                                          : savePdf(page, paint, path, title);
    }
    if (format == ImageFormat::None) {
        return unsupported(path);
    }
    QImage image = render(QSize(figure.widthPixels(), figure.heightPixels()), paint);
    const int dotsPerMetre = static_cast<int>(std::lround(figure.dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    switch (format) {
    case ImageFormat::Jpeg:
        return saveJpeg(image, path, kJpegQuality, figure.dpi);
    case ImageFormat::Png:
        return savePng(image, path);
    default:
        return saveBmp(image, path);
    }
}

} // namespace orvelan
