#include "QtTestRegistry.h"
#include "graphics/CImageExport.h"
#include "graphics/PublicationLook.h"

#include <QByteArray>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace orvelan;

namespace {

quint32 le32(const QByteArray& bytes, int at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    }
    return value;
}

/// Red top half, blue bottom half, a black frame.
void sample(QPainter& painter, QSize size) {
    painter.fillRect(QRect(0, 0, size.width(), size.height() / 2), Qt::red);
    painter.fillRect(QRect(0, size.height() / 2, size.width(), size.height() - size.height() / 2),
                     Qt::blue);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    painter.drawText(QPoint(20, 40), QStringLiteral("Graph"));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Output of a standard tool, or a null string when it is not installed.
QString runTool(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        return {};
    }
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace

class ImageExportTest : public QObject {
    Q_OBJECT

  private slots:
    void bmpHeaderAndRowPadding_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("rowSize");
        QTest::newRow("300 wide: no padding") << 300 << 900;
        QTest::newRow("301 wide: padded to 904") << 301 << 904;
    }

    void bmpHeaderAndRowPadding() {
        QFETCH(int, width);
        QFETCH(int, rowSize);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("graph.BMP"));
        const QImage image = CImageExport::render(QSize(width, 200), sample);
        QVERIFY(CImageExport::saveBmp(image, path.toStdString()));
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), 54 + rowSize * 200);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(le32(bytes, 2), quint32(bytes.size()));
        QCOMPARE(le32(bytes, 6), quint32(0)); // the two reserved words
        QCOMPARE(le32(bytes, 10), quint32(54));
        QCOMPARE(le32(bytes, 14), quint32(40));
        QCOMPARE(le32(bytes, 18), quint32(width));
        QCOMPARE(le32(bytes, 22), quint32(200));
        QCOMPARE(le32(bytes, 26), quint32(1 | (24 << 16))); // one plane, 24 bits
        QCOMPARE(le32(bytes, 30), quint32(0));              // uncompressed
        QCOMPARE(le32(bytes, 34), quint32(rowSize * 200));
        // Bottom row first, blue-green-red; inside the frame the second row stored is blue.
        const int bottom = 54 + rowSize;
        QCOMPARE(quint8(bytes[bottom + 3]), quint8(255));
        QCOMPARE(quint8(bytes[bottom + 5]), quint8(0));
        // The last rows stored are the top ones: red.
        const int top = 54 + rowSize * 198;
        QCOMPARE(quint8(bytes[top + 3 + 2]), quint8(255));
        QCOMPARE(quint8(bytes[top + 3]), quint8(0));
        const QImage back(path);
        QCOMPARE(back.size(), QSize(width, 200));
        QCOMPARE(back.pixelColor(5, 150), QColor(Qt::blue));
    }

    void jpegIsBaselineAndReadsBackAtItsSize() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("graph.Jpg"));
        const QImage image = CImageExport::render(QSize(320, 240), sample);
        QVERIFY(CImageExport::saveJpeg(image, path.toStdString()));
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith(QByteArray("\xFF\xD8", 2)));
        QVERIFY(bytes.contains(QByteArray("\xFF\xC0", 2))); // baseline frame
        QImageReader reader(path);
        QCOMPARE(reader.size(), QSize(320, 240));
        const QImage back = reader.read();
        QVERIFY(qAbs(back.pixelColor(100, 200).blue() - 255) < 8); // quality 100
        const QString identified = runTool(QStringLiteral("identify"), {path});
        if (!identified.isNull()) {
            QVERIFY2(identified.contains(QStringLiteral("JPEG 320x240")), qPrintable(identified));
        }
    }

    void unwritablePathFailsAndLeavesNoFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/graph.jpg"));
        const QImage image = CImageExport::render(QSize(50, 50), sample);
        const IoResult saved = CImageExport::saveJpeg(image, path.toStdString());
        QVERIFY(!saved);
        QCOMPARE(QString::fromStdString(saved.message),
                 QStringLiteral("Cannot open %1\r\nSave As failed.\n").arg(path));
        QVERIFY(!CImageExport::saveBmp(
            image, dir.filePath(QStringLiteral("missing/g.bmp")).toStdString()));
        QVERIFY(!CImageExport::saveJpeg(QImage(),
                                        dir.filePath(QStringLiteral("empty.jpg")).toStdString()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void vectorAndPngFilesOpenInStandardTools() {
        QTemporaryDir dir;
        const QSize size(400, 300);
        for (const char* name : {"g.png", "g.svg", "g.pdf", "g.bmp", "g.jpeg"}) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            QVERIFY2(CImageExport::saveGraph(size, sample, path.toStdString(), "Title"), name);
        }
        QCOMPARE(QImage(dir.filePath(QStringLiteral("g.png"))).size(), size);

        QFile svg(dir.filePath(QStringLiteral("g.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
        QCOMPARE(xml.attributes().value(QStringLiteral("viewBox")).toString(),
                 QStringLiteral("0 0 400 300"));

        QVERIFY(readAll(dir.filePath(QStringLiteral("g.pdf"))).startsWith("%PDF-"));
        const QString info =
            runTool(QStringLiteral("pdfinfo"), {dir.filePath(QStringLiteral("g.pdf"))});
        if (!info.isNull()) {
            QVERIFY2(info.contains(QStringLiteral("400 x 300 pts")), qPrintable(info));
            QVERIFY2(info.contains(QStringLiteral("Title")), qPrintable(info));
        }
        const QString png =
            runTool(QStringLiteral("identify"), {dir.filePath(QStringLiteral("g.png"))});
        if (!png.isNull()) {
            QVERIFY2(png.contains(QStringLiteral("PNG 400x300")), qPrintable(png));
        }
        QVERIFY(CImageExport::saveGraph(size, sample,
                                        dir.filePath(QStringLiteral("g.gif")).toStdString(), "x")
                    .status == IoStatus::UnsupportedFormat);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("g.gif"))));
    }

    void clipboardHoldsTheDrawnImage() {
        CImageExport::copyToClipboard(QSize(120, 80), sample);
        const QImage image = QGuiApplication::clipboard()->image();
        QCOMPARE(image.size(), QSize(120, 80));
        QCOMPARE(image.pixelColor(60, 70), QColor(Qt::blue));
    }

    void formatsFollowTheExtensionInAnyCase() {
        QCOMPARE(CImageExport::formatOf("a/b.Jpg"), ImageFormat::Jpeg);
        QCOMPARE(CImageExport::formatOf("B.BMP"), ImageFormat::Bmp);
        QCOMPARE(CImageExport::formatOf("c.Pdf"), ImageFormat::Pdf);
        QCOMPARE(CImageExport::formatOf("d.png"), ImageFormat::Png);
        QCOMPARE(CImageExport::formatOf("dir.png/name"), ImageFormat::None);
        QCOMPARE(CImageExport::formatOf("e.tif"), ImageFormat::None);
    }

    // A printed size: the pixels of a raster are millimetres x dpi with the resolution in the
    // file, a vector page is the size in points; the publication sizes are points of that size.
    void figuresHaveThePrintedSize() {
        QTemporaryDir dir;
        const FigureSize column{85.0, 65.0, 300};
        const QString png = dir.filePath(QStringLiteral("column.png"));
        QVERIFY(CImageExport::saveFigure(column, sample, png.toStdString(), {}).ok());
        const QImage image(png);
        QCOMPARE(image.size(), QSize(1004, 768));
        QCOMPARE(image.dotsPerMeterX(), 11811);
        const QString pdf = dir.filePath(QStringLiteral("column.pdf"));
        QVERIFY(CImageExport::saveFigure(column, sample, pdf.toStdString(), {}).ok());
        QVERIFY(readAll(pdf).contains("/MediaBox [0 0 241.000000 184.000000]"));
        QCOMPARE(CImageExport::saveFigure(column, sample, dir.filePath("x.gif").toStdString(), {})
                     .status,
                 IoStatus::UnsupportedFormat);

        // Points of the printed figure, at any resolution: one column at 300 dpi and at 600 dpi,
        // and a window 800 pixels wide, which is drawn as a 170 mm page.
        for (const auto& [pixels, widthMm] :
             {std::pair{QSize(1004, 768), 85.0}, std::pair{QSize(2008, 1536), 85.0},
              std::pair{QSize(800, 600), 0.0}}) {
            const PublicationMetrics metrics = publicationMetrics(pixels, widthMm);
            const double printedMm = widthMm > 0.0 ? widthMm : 170.0;
            QCOMPARE(metrics.pixelsPerPoint, pixels.width() / (printedMm / 25.4 * 72.0));
            QVERIFY(metrics.tickFontPx / metrics.pixelsPerPoint >= 7.0);
            QVERIFY(metrics.dataLinePx / metrics.pixelsPerPoint >= 0.75);
            QVERIFY(metrics.titleFontPx > metrics.tickFontPx);
        }
        QCOMPARE(publicationMetrics(QSize(2008, 1536), 85.0).tickFontPx,
                 2 * publicationMetrics(QSize(1004, 768), 85.0).tickFontPx);
        const QString face = QFontInfo(publicationFont(20)).family();
        QVERIFY2(face == "Liberation Sans" || face == "DejaVu Sans", qPrintable(face));
    }
};

ORVELAN_QT_TEST(ImageExportTest)
#include "ImageExportTest.moc"
