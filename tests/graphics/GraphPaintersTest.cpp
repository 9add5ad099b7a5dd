#include "QtTestRegistry.h"
#include "core/graphs/AgeCurvesModel.h"
#include "core/graphs/BarChartModel.h"
#include "core/graphs/PieChartModel.h"
#include "core/graphs/PyramidModel.h"
#include "core/graphs/TwoCurveModel.h"
#include "graphics/CAgeCurvesPainter.h"
#include "graphics/CBarChartPainter.h"
#include "graphics/CPieChartPainter.h"
#include "graphics/CPyramidPainter.h"
#include "graphics/CTwoCurvePainter.h"
#include "graphics/FontFaces.h"
#include "graphics/GraphStyle.h"
#include "graphics/ValueAxis.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>

using namespace orvelan;

namespace {

const QString kFace = QStringLiteral("DejaVu Sans");

/// Text height of the style's body font and of its title.
struct Metrics {
    int h = 0;
    int t = 0;
};

Metrics metricsOf(const GraphStyle& style, QPaintDevice* device) {
    const QFontMetrics body(graphFont(style.fontFace, style.bodyPixelSize(), false), device);
    const QFontMetrics title(graphFont(style.fontFace, style.titlePixelSize(), true), device);
    return {body.height(), title.height()};
}

GraphStyle fixedStyle() {
    GraphStyle style;
    style.fontFace = kFace;
    return style;
}

QImage canvas(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::magenta); // anything the painter leaves shows up
    return image;
}

AgeCurve curveWithRates(const std::vector<std::pair<int, double>>& rates) {
    AgeCurve curve;
    for (const auto& [age, rate] : rates) {
        curve.rates[static_cast<std::size_t>(age)] = rate;
    }
    return curve;
}

AgeCurvesModel oneCurveModel() {
    AgeCurvesModel model;
    model.title = "Curves";
    model.curves.push_back(curveWithRates({{0, 2.0}, {5, 40.0}, {10, 120.0}, {17, 241.0}}));
    return model;
}

} // namespace

class GraphPaintersTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installFaceSubstitutions(); }

    void curvePointsFollowTheLinearScale() {
        QImage image = canvas(600, 400);
        QPainter painter(&image);
        const AgeCurvesGeometry geometry =
            CAgeCurvesPainter::paint(painter, image.size(), oneCurveModel(), fixedStyle());
        painter.end();
        // The classic layout's pixels are pinned by cli.ClassicGraphsUnchanged; here the points
        // sit in the middle of their age columns at their share of the 0-250 scale.
        const QRect plot = geometry.plot;
        QVERIFY(image.rect().contains(plot));
        const int baseline = plot.bottom() + 1;
        const int c = plot.width() / 18;
        QCOMPARE(plot.width(), 18 * c);
        QCOMPARE(geometry.points.size(), std::size_t{1});
        const auto& points = geometry.points[0];
        QVERIFY(points[3].has_value()); // zero rates are drawn on the arithmetic scale
        QCOMPARE(*points[3], QPoint(plot.left() + c / 2 + 3 * c, baseline));
        QCOMPARE(*points[17], QPoint(plot.left() + c / 2 + 17 * c,
                                     baseline - static_cast<int>(241.0 * (plot.height() / 250.0))));
        QVERIFY(geometry.legendSquares.empty());
        QCOMPARE(geometry.pointAt(*points[10] + QPoint(3, -3)),
                 std::make_optional(std::make_pair(0, 10)));
        QVERIFY(!geometry.pointAt(*points[10] + QPoint(4, 0)));
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black)); // the one-pixel border
    }

    void logScaleSkipsZeroRates() {
        QImage image = canvas(600, 400);
        QPainter painter(&image);
        GraphStyle style = fixedStyle();
        style.logarithmic = true;
        AgeCurvesModel model = oneCurveModel();
        model.curves[0].rates[1] = 0.03;
        const AgeCurvesGeometry geometry =
            CAgeCurvesPainter::paint(painter, image.size(), model, style);
        painter.end();
        const int baseline = geometry.plot.bottom() + 1;
        const double perDecade = geometry.plot.height() / (std::log10(250.0) - std::log10(0.03));
        const auto& points = geometry.points[0];
        QVERIFY(!points[3].has_value());
        QCOMPARE(points[1]->y(), baseline); // the bottom of the scale is 0.03
        QCOMPARE(points[5]->y(),
                 baseline - static_cast<int>((std::log10(40.0) - std::log10(0.03)) * perDecade));
    }

    void valueAxisFitsThePlotHeight() {
        int plotHeight = 303;
        ValueAxis linear = linearValueAxis(LinearScale{0.0, 250.0, 50.0}, plotHeight);
        linear.baseline = 400;
        QCOMPARE(plotHeight, 300); // a whole number of pixels per mark
        QCOMPARE(linear.y(0.0), 400);
        QCOMPARE(linear.y(100.0), 280);
        QCOMPARE(linear.y(250.0), 100);

        LogScale oneRate{10.0, 10.0, 1};
        ValueAxis log = logValueAxis(oneRate, 200);
        log.baseline = 300;
        QCOMPARE(oneRate.top, 100.0); // widened to one decade
        QCOMPARE(log.y(10.0), 300);
        QCOMPARE(log.y(100.0), 100);
    }

    void legendSquaresSitLeftOfThePlot() {
        QImage image = canvas(700, 500);
        QPainter painter(&image);
        const GraphStyle style = fixedStyle();
        AgeCurvesModel model = oneCurveModel();
        model.curves.push_back(curveWithRates({{2, 5.0}}));
        model.curves[0].label = "Male";
        model.curves[1].label = "Stomach_Female";
        const AgeCurvesGeometry geometry =
            CAgeCurvesPainter::paint(painter, image.size(), model, style);
        painter.end();
        QCOMPARE(geometry.legendSquares.size(), std::size_t{2});
        QVERIFY(geometry.legendSquares[1].top() > geometry.legendSquares[0].bottom());
        QCOMPARE(geometry.legendAt(geometry.legendSquares[1].center()), 1);
        QCOMPARE(geometry.legendAt(QPoint(1, 1)), -1);
        QCOMPARE(image.pixelColor(geometry.legendSquares[1].center()), QColor(0, 255, 0));
        QVERIFY(geometry.plot.left() > geometry.legendSquares[1].right());
    }

    void allZeroRatesSayNoData() {
        QImage image = canvas(400, 300);
        QPainter painter(&image);
        AgeCurvesModel model;
        model.curves.push_back(AgeCurve{});
        const auto geometry = CAgeCurvesPainter::paint(painter, image.size(), model, fixedStyle());
        painter.end();
        QVERIFY(geometry.noData);
        QVERIFY(geometry.points.empty());
        QVERIFY(geometry.plot.isNull());
    }

    void barRectanglesFollowTheirValues() {
        QImage image = canvas(800, 600);
        QPainter painter(&image);
        const GraphStyle style = fixedStyle();
        BarChartModel model;
        model.title = "Bars";
        model.bars = {{1, "One", 241.0, 241.0}, {2, "Two", 100.0, 100.0}};
        model.scale = niceLinearScale(0.0, 241.0);
        const BarChartGeometry geometry =
            CBarChartPainter::paint(painter, image.size(), model, style);
        painter.end();
        // Both bars start at the axis in the middle; their lengths go as 241 to 100.
        QCOMPARE(geometry.shown, 2);
        const QRect one = geometry.bars[0];
        const QRect two = geometry.bars[1];
        QCOMPARE(one.left(), 400);
        QCOMPARE(two.left(), 400);
        QCOMPARE(one.height(), two.height());
        QVERIFY(two.top() > one.bottom());
        QVERIFY(std::abs((one.width() - 1) - 2.41 * (two.width() - 1)) < 3.0);
        QCOMPARE(image.pixelColor(geometry.bars[1].center()), QColor(0, 0, 255));
        QCOMPARE(geometry.barAt(geometry.bars[1].center()), 1);
        QCOMPARE(image.pixelColor(799, 599), QColor(Qt::white));
    }

    void manyBarsLeaveRoomForTheAxisAndCaption() {
        const GraphStyle style = fixedStyle();
        BarChartModel model;
        for (int i = 0; i < 100; ++i) {
            model.bars.push_back({i, "Bar", 100.0 - i, 100.0 - i});
        }
        model.caption = "(x 10)";
        model.scale = niceLinearScale(0.0, 100.0);
        // The layout alone, by value: no picture is needed to know which rows fit.
        QImage probe(10, 10, QImage::Format_RGB32);
        const Metrics m = metricsOf(style, &probe);
        const QFontMetrics body(graphFont(kFace, style.bodyPixelSize(), false), &probe);
        const auto geometry = CBarChartPainter::layout(m.t, body, QSize(800, 600), model, style);
        QCOMPARE(geometry.bars.size(), static_cast<std::size_t>(geometry.shown));
        const int r = 3 * m.h / 2;
        const int pitch = r + r / 4;
        QVERIFY(geometry.shown > 10);
        QVERIFY(geometry.shown < 100);
        const int afterLast = 5 * m.t / 2 + geometry.shown * pitch;
        QVERIFY(afterLast + 7 * m.h / 2 <= 600);
        QVERIFY(afterLast + pitch + 7 * m.h / 2 > 600); // one more row would cut the caption
    }

    void barsDoNotFitAWindowTooLowForOneRow() {
        const GraphStyle style = fixedStyle();
        QImage probe(10, 10, QImage::Format_RGB32);
        const Metrics m = metricsOf(style, &probe);
        const int height = 5 * m.t + 3 * m.h / 2 - 1; // room one pixel short of a row
        QImage image = canvas(500, height);
        QPainter painter(&image);
        BarChartModel model;
        model.bars = {{1, "One", 5.0, 5.0}};
        model.scale = niceLinearScale(0.0, 5.0);
        const auto geometry = CBarChartPainter::paint(painter, image.size(), model, style);
        painter.end();
        QCOMPARE(geometry.shown, 0);
        QVERIFY(geometry.bars.empty());
        QCOMPARE(image.pixelColor(250, height - 2), QColor(Qt::white));
    }

    void pieShrinksByFivePercentAStep() {
        GraphStyle style = fixedStyle();
        for (int i = 0; i < 3; ++i) {
            style.pieScale *= CPieChartPainter::kSmaller;
        }
        QCOMPARE(style.pieScale, 0.857375);
        PieChartModel model;
        model.slices = {{34, 75.0, "Stomach"}, {PieSlice::kOtherCancers, 25.0, "Other cancers"}};
        model.sums = {0.0, 75.0, 100.0};
        model.total = 100.0;
        QImage image = canvas(800, 600);
        QPainter painter(&image);
        const PieChartGeometry geometry =
            CPieChartPainter::paint(painter, image.size(), model, style);
        painter.end();
        GraphStyle full = fixedStyle();
        QImage other = canvas(800, 600);
        QPainter otherPainter(&other);
        const int fullRadius =
            CPieChartPainter::paint(otherPainter, other.size(), model, full).radius;
        otherPainter.end();
        const int radius = geometry.radius;
        QVERIFY(std::abs(radius - 0.857375 * fullRadius) <= 1.0);
        QCOMPARE(geometry.centre, QPoint(400 + radius / 3, 300));
        QCOMPARE(geometry.sliceAngles[1].first, CPieChartPainter::kFullTurn * 0.75);
        QVERIFY(geometry.legendSquares[0].right() < geometry.centre.x() - radius);
        // The first slice runs counterclockwise from 3 o'clock: up and right is red.
        QCOMPARE(image.pixelColor(geometry.centre + QPoint(radius / 2, -radius / 4)),
                 QColor(255, 0, 0));
        // A label left of the pie ends at its side (right-aligned).
        QVERIFY(geometry.labelAnchors[0].x() < 0);
    }

    void pyramidBarsAreSharesOfTheWholePopulation() {
        PyramidModel model;
        model.lastAgeGroup = 2;
        model.male = {100, 200, 50};
        model.female = {100, 300, 50};
        model.maleTotal = 350;
        model.femaleTotal = 450;
        model.scale = niceLinearScale(0.0, model.percentOf(300));
        QImage image = canvas(800, 600);
        QPainter painter(&image);
        const GraphStyle style = fixedStyle();
        const PyramidGeometry geometry =
            CPyramidPainter::paint(painter, image.size(), model, style);
        painter.end();
        const int halfAxis = geometry.halfAxis;
        QVERIFY(halfAxis > 0);
        // Row order: 10+ (the open top, a triangle), 5-9, 0-4.
        QCOMPARE(geometry.femaleBars[1].width(),
                 static_cast<int>(halfAxis * 37.5 / model.scale.top));
        QCOMPARE(geometry.maleBars[2].width(), static_cast<int>(halfAxis * 12.5 / model.scale.top));
        QCOMPARE(geometry.maleBars[2].right() + 1, 400 - geometry.columnHalfWidth);
        QCOMPARE(image.pixelColor(geometry.femaleBars[1].center()), QColor(192, 192, 192));
    }

    void twoCurveGraphKeepsItsPlotInsideTheWindow() {
        TwoCurveModel model;
        model.referenceLabel = "Reference";
        model.comparisonLabel = "Comparison";
        model.ageLow = 2;
        model.ageHigh = 12;
        for (int a = 2; a <= 12; ++a) {
            model.reference[static_cast<std::size_t>(a)] = a * 10.0;
            model.comparison[static_cast<std::size_t>(a)] = a * 5.0;
        }
        model.largest = 120.0;
        model.smallestNonZero = 10.0;
        QImage image = canvas(600, 450);
        QPainter painter(&image);
        TwoCurveStyle style;
        style.fontFace = kFace;
        style.values = true;
        const TwoCurveGeometry geometry =
            CTwoCurvePainter::paint(painter, image.size(), model, style);
        painter.end();
        QCOMPARE(geometry.plot.width(), geometry.columnWidth * 10); // groups 2-12: ten columns
        QVERIFY(QRect(0, 0, 600, 450).contains(geometry.plot));
    }
};

ORVELAN_QT_TEST(GraphPaintersTest)
#include "GraphPaintersTest.moc"
