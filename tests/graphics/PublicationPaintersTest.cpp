#include "QtTestRegistry.h"
#include "core/graphs/AgeCurvesModel.h"
#include "core/graphs/TwoCurveModel.h"
#include "graphics/CAgeCurvesPainter.h"
#include "graphics/CTwoCurvePainter.h"
#include "graphics/FontFaces.h"
#include "graphics/GraphStyle.h"

#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <string>

using namespace orvelan;

namespace {

/// Rates rising with age, curve i at (i + 1) times the first; labels "Registry i_Male".
AgeCurvesModel risingCurves(int count, bool shortLabels = false) {
    AgeCurvesModel model;
    model.title = "Stomach";
    for (int i = 0; i < count; ++i) {
        AgeCurve curve;
        for (int a = 0; a <= kTopAgeGroup; ++a) {
            curve.rates[static_cast<std::size_t>(a)] = 0.4 * (i + 1) * std::pow(1.4, a);
        }
        const std::string sex = i % 2 == 0 ? "Male" : "Female";
        curve.label = shortLabels ? sex : " Registry " + std::to_string(i + 1) + "_" + sex;
        model.curves.push_back(curve);
    }
    return model;
}

GraphStyle publicationStyle(double widthMm, bool logarithmic = false) {
    GraphStyle style;
    style.look = GraphLook::Publication;
    style.figureWidthMm = widthMm;
    style.logarithmic = logarithmic;
    return style;
}

AgeCurvesGeometry paintCurves(QImage& image, const AgeCurvesModel& model, const GraphStyle& style) {
    image.fill(Qt::magenta);
    QPainter painter(&image);
    return CAgeCurvesPainter::paint(painter, image.size(), model, style);
}

/// Every tick label of both axes; the first pair that overlaps, or "" when none does.
QString firstOverlap(const PublicationCurveLayout& layout) {
    std::vector<TickLabelBox> boxes = layout.valueLabels;
    boxes.insert(boxes.end(), layout.ageLabels.begin(), layout.ageLabels.end());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].box.intersects(boxes[j].box)) {
                return boxes[i].text + QStringLiteral(" / ") + boxes[j].text;
            }
        }
    }
    return {};
}

bool sameLook(const CurveLook& a, const CurveLook& b) {
    return a.colour == b.colour && a.dash == b.dash && a.marker == b.marker &&
           a.filledMarker == b.filledMarker;
}

QColor lookColour(const CurveLook& look) {
    return QColor(static_cast<int>(look.colour & 0xFF), static_cast<int>((look.colour >> 8) & 0xFF),
                  static_cast<int>((look.colour >> 16) & 0xFF));
}

TwoCurveModel twoCurves() {
    TwoCurveModel model;
    model.referenceLabel = "Lyon: Stomach-Male";
    model.comparisonLabel = "";
    model.ageLow = 2;
    model.ageHigh = kTopAgeGroup;
    model.openTop = true;
    for (int a = 2; a <= kTopAgeGroup; ++a) {
        model.reference[static_cast<std::size_t>(a)] = a * 10.0;
        model.comparison[static_cast<std::size_t>(a)] = a * 5.0;
    }
    model.largest = 170.0;
    model.smallestNonZero = 10.0;
    return model;
}

} // namespace

class PublicationPaintersTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installFaceSubstitutions(); }

    void ageLabelsNeverCollide_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("widthMm");
        QTest::addColumn<bool>("logarithmic");
        QTest::addColumn<bool>("thinned");
        QTest::newRow("85 x 65 mm at 300 dpi") << QSize(1004, 768) << 85.0 << false << true;
        QTest::newRow("85 mm wide in 400 x 300 px") << QSize(400, 300) << 85.0 << true << true;
        QTest::newRow("a page wide") << QSize(2008, 1500) << 0.0 << true << false;
    }

    void ageLabelsNeverCollide() {
        QFETCH(QSize, size);
        QFETCH(double, widthMm);
        QFETCH(bool, logarithmic);
        QFETCH(bool, thinned);
        QImage image(size, QImage::Format_RGB32);
        const AgeCurvesGeometry geometry =
            paintCurves(image, risingCurves(3), publicationStyle(widthMm, logarithmic));
        const PublicationCurveLayout& layout = geometry.publication;
        QCOMPARE(firstOverlap(layout), QString());
        QVERIFY(layout.valueLabels.size() >= 3);
        for (const auto& label : layout.valueLabels) {
            QVERIFY(QRectF(image.rect()).contains(label.box));
        }
        QCOMPARE(layout.ageLabels.front().text, QStringLiteral("0"));
        QCOMPARE(layout.ageLabels.back().text, QStringLiteral("85+"));
        QVERIFY(QRectF(image.rect()).contains(layout.ageLabels.back().box));
        QCOMPARE(layout.ageLabels.size() < std::size_t{18}, thinned);
        for (std::size_t i = 0; i + 1 < layout.ageLabels.size(); ++i) {
            const int age = layout.ageLabels[i].text.toInt();
            QVERIFY2(!thinned || age % 10 == 0, qPrintable(layout.ageLabels[i].text));
        }
    }

    void curvesAreToldApartAndTheLegendStaysOutOfThePlot_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("widthMm");
        QTest::addColumn<int>("curves");
        QTest::addColumn<bool>("shortLabels");
        QTest::addColumn<bool>("below");
        QTest::newRow("two sexes, one column") << QSize(1004, 768) << 85.0 << 2 << true << false;
        QTest::newRow("ten registries, one column")
            << QSize(1004, 768) << 85.0 << 10 << false << true;
        QTest::newRow("ten registries, a page") << QSize(2008, 1500) << 0.0 << 10 << false << false;
        QTest::newRow("ten registries, wide and short")
            << QSize(2008, 640) << 0.0 << 10 << false << true;
    }

    void curvesAreToldApartAndTheLegendStaysOutOfThePlot() {
        QFETCH(QSize, size);
        QFETCH(double, widthMm);
        QFETCH(int, curves);
        QFETCH(bool, shortLabels);
        QFETCH(bool, below);
        QImage image(size, QImage::Format_RGB32);
        const AgeCurvesGeometry geometry =
            paintCurves(image, risingCurves(curves, shortLabels), publicationStyle(widthMm));
        const PublicationCurveLayout& layout = geometry.publication;
        const auto n = static_cast<std::size_t>(curves);
        QCOMPARE(layout.looks.size(), n);
        QCOMPARE(layout.legendEntries.size(), n);
        QCOMPARE(layout.legendBelow, below);
        QCOMPARE(layout.legendTexts[0],
                 shortLabels ? QStringLiteral("Male") : QStringLiteral("Registry 1, Male"));
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = i + 1; j < n; ++j) {
                QVERIFY(!sameLook(layout.looks[i], layout.looks[j]));
                QVERIFY(!layout.legendEntries[i].intersects(layout.legendEntries[j]));
            }
            QVERIFY(!layout.legendEntries[i].intersects(layout.plot));
            QVERIFY(QRectF(image.rect()).contains(layout.legendEntries[i]));
            // The sample's marker sits at its centre: filled in the curve's colour, or open.
            const QPoint centre = geometry.legendSquares[i].center();
            QCOMPARE(geometry.legendAt(centre), static_cast<int>(i));
            QCOMPARE(image.pixelColor(centre), layout.looks[i].filledMarker
                                                   ? lookColour(layout.looks[i])
                                                   : QColor(Qt::white));
            QVERIFY(geometry.points[i][kTopAgeGroup].has_value());
        }
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    }

    void logAxisOfRatesFrom003To241LabelsTheDecades() {
        AgeCurvesModel model = risingCurves(1);
        model.curves[0].rates = {};
        model.curves[0].rates[1] = 0.03;
        model.curves[0].rates[5] = 40.0;
        model.curves[0].rates[17] = 241.0;
        QImage image(1004, 768, QImage::Format_RGB32);
        const AgeCurvesGeometry geometry = paintCurves(image, model, publicationStyle(85.0, true));
        const PublicationCurveLayout& layout = geometry.publication;
        QVERIFY(layout.valueAxis.logarithmic);
        QStringList labels;
        for (const auto& label : layout.valueLabels) {
            labels << label.text;
        }
        QCOMPARE(labels, QStringList({"0.01", "0.1", "1", "10", "100", "1000"}));
        QVERIFY(layout.legendEntries.empty()); // one curve: no legend
        QVERIFY(geometry.legendSquares.empty());
        const auto& points = geometry.points[0];
        QVERIFY(!points[3].has_value()); // a zero rate has no place on a log axis
        // 40 lies 3.6 decades above the axis bottom (0.01) of 5.
        const double expected =
            layout.plot.bottom() - std::log10(4000.0) / 5.0 * layout.plot.height();
        QVERIFY(std::abs(points[5]->y() - expected) <= 1.0);
        QCOMPARE(geometry.pointAt(*points[5]), std::make_optional(std::make_pair(0, 5)));
    }

    void twoCurvesHaveALegendOutsideThePlot() {
        TwoCurveStyle style;
        style.look = GraphLook::Publication;
        style.figureWidthMm = 85.0;
        style.logarithmic = false;
        style.values = true; // left out in this look
        QImage image(1004, 768, QImage::Format_RGB32);
        QPainter painter(&image);
        const TwoCurveGeometry geometry =
            CTwoCurvePainter::paint(painter, image.size(), twoCurves(), style);
        painter.end();
        const PublicationCurveLayout& layout = geometry.publication;
        QVERIFY(!geometry.noData);
        QCOMPARE(layout.legendEntries.size(), std::size_t{2});
        for (const QRectF& entry : layout.legendEntries) {
            QVERIFY(!entry.intersects(layout.plot));
        }
        QVERIFY(!sameLook(layout.looks[0], layout.looks[1]));
        QCOMPARE(layout.legendTexts, std::vector<QString>({"Lyon: Stomach-Male", "Comparison"}));
        QCOMPARE(firstOverlap(layout), QString());
        QCOMPARE(layout.ageLabels.front().text, QStringLiteral("10"));
        QCOMPARE(layout.ageLabels.back().text, QStringLiteral("85+"));
        // Gridlines always, light grey, behind the curves: one runs through the plot at 100.
        const double y = layout.plot.bottom() - 100.0 / layout.valueAxis.top * layout.plot.height();
        const QColor grid = image.pixelColor(static_cast<int>(layout.plot.left()) + 3,
                                             static_cast<int>(std::lround(y)));
        QVERIFY(grid.red() == grid.green() && grid.green() == grid.blue() && grid.red() < 255);
    }

    void emptyAndOneValueDataPaintWithoutFault() {
        QImage image(1004, 768, QImage::Format_RGB32);
        for (const bool logarithmic : {false, true}) {
            QVERIFY(
                paintCurves(image, AgeCurvesModel{}, publicationStyle(85.0, logarithmic)).noData);
            AgeCurvesModel zeros = risingCurves(2);
            zeros.curves[0].rates = {};
            zeros.curves[1].rates = {};
            QVERIFY(paintCurves(image, zeros, publicationStyle(85.0, logarithmic)).noData);

            AgeCurvesModel one = risingCurves(1);
            one.curves[0].rates = {};
            one.curves[0].rates[6] = 12.5;
            one.ageFrom = one.ageTo = 6;
            const AgeCurvesGeometry geometry =
                paintCurves(image, one, publicationStyle(0.0, logarithmic));
            QVERIFY(!geometry.noData);
            QVERIFY(geometry.points[0][6].has_value());
            QVERIFY(geometry.plot.adjusted(-1, -1, 1, 1).contains(*geometry.points[0][6]));

            QImage tiny(40, 30, QImage::Format_RGB32);
            QVERIFY(
                !paintCurves(tiny, risingCurves(10), publicationStyle(85.0, logarithmic)).noData);

            TwoCurveStyle style;
            style.look = GraphLook::Publication;
            style.logarithmic = logarithmic;
            QPainter painter(&image);
            QVERIFY(CTwoCurvePainter::paint(painter, image.size(), TwoCurveModel{}, style).noData);
        }
    }
};

ORVELAN_QT_TEST(PublicationPaintersTest)
#include "PublicationPaintersTest.moc"
