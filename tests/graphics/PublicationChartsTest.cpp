#include "QtTestRegistry.h"
#include "core/graphs/BarChartModel.h"
#include "core/graphs/GraphSettings.h"
#include "core/graphs/PieChartModel.h"
#include "core/graphs/PublicationPalette.h"
#include "core/graphs/PyramidModel.h"
#include "graphics/CBarChartPainter.h"
#include "graphics/CPieChartPainter.h"
#include "graphics/CPyramidPainter.h"
#include "graphics/FontFaces.h"
#include "graphics/GraphStyle.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace orvelan;

namespace {

GraphStyle publicationChartStyle(double widthMm = 0.0) {
    GraphStyle style;
    style.look = GraphLook::Publication;
    style.figureWidthMm = widthMm;
    return style;
}

QImage chartCanvas(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

/// The first pair of boxes that overlap, as "i/j", or empty.
QString overlappingPair(const std::vector<QRectF>& boxes) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].intersects(boxes[j])) {
                return QStringLiteral("%1/%2").arg(i).arg(j);
            }
        }
    }
    return {};
}

BarChartModel barsOf(int count, BarChartType type = BarChartType::Cancer) {
    BarChartModel model;
    model.title = "Cancer bar chart, Stomach.";
    model.type = type;
    model.rateKind = RateKind::AsrWorld;
    for (int i = 0; i < count; ++i) {
        const double value = 25000.0 / (i + 1);
        model.bars.push_back({i, "  Registry number " + std::to_string(i), value, value});
    }
    return model;
}

PieChartModel pieOf(const std::vector<double>& cases) {
    PieChartModel model;
    model.title = "Pie";
    model.sums.push_back(0.0);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const bool other = i + 1 == cases.size();
        model.slices.push_back({other ? PieSlice::kOtherCancers : static_cast<int>(i), cases[i],
                                other ? "Other cancers" : " Site " + std::to_string(i)});
        model.sums.push_back(model.sums.back() + cases[i]);
    }
    model.total = model.sums.back();
    return model;
}

} // namespace

class PublicationChartsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installFaceSubstitutions(); }

    void manyBarsKeepTheirLabelsApartAndNameTheLeftOut() {
        QImage image = chartCanvas(2008, 2598);
        QPainter painter(&image);
        const BarChartModel model = barsOf(229);
        const BarChartGeometry geometry =
            CBarChartPainter::paint(painter, image.size(), model, publicationChartStyle(170.0));
        painter.end();
        QVERIFY(geometry.shown > 10 && geometry.shown < 229);
        QCOMPARE(geometry.barLabelBoxes.size(), std::size_t(geometry.shown));
        QCOMPARE(overlappingPair(geometry.barLabelBoxes), QString());
        QVERIFY(geometry.tickLabelBoxes.size() >= 3);
        QCOMPARE(overlappingPair(geometry.tickLabelBoxes), QString());
        QCOMPARE(geometry.note, QStringLiteral("%1 of 229 registries shown").arg(geometry.shown));
        QCOMPARE(geometry.valueAxis.ticks.back().label, std::string("25,000"));
        // Labels end before the plot; bars start on it in the bar colour.
        for (const QRectF& box : geometry.barLabelBoxes) {
            QVERIFY(box.right() < geometry.plot.left() && box.left() >= 0.0);
        }
        const QRect first = geometry.bars.front();
        QCOMPARE(image.pixel(first.center()) & 0xFFFFFFu,
                 QColor(GraphStyle::fromColourRef(publicationBarColour())).rgb() & 0xFFFFFFu);
    }

    void theNoteNamesWhatIsLeftOutOnlyWhenBarsAreLeftOut() {
        struct Case {
            int bars;
            BarChartType type;
            int height;
            bool leftOut;
            int fixedRows; // a printout's rows of the screen; never more than fit
        };
        constexpr BarChartType kRegistry = BarChartType::Registry;
        for (const Case& c :
             {Case{30, kRegistry, 400, true, -1}, Case{30, kRegistry, 400, true, 30},
              Case{5, kRegistry, 768, false, -1},
              Case{30, BarChartType::Cancer, 2200, false, -1}}) {
            QImage image = chartCanvas(1004, c.height);
            QPainter painter(&image);
            GraphStyle style = publicationChartStyle(85.0);
            style.fixedBarRows = c.fixedRows;
            const BarChartGeometry geometry =
                CBarChartPainter::paint(painter, image.size(), barsOf(c.bars, c.type), style);
            painter.end();
            QCOMPARE(geometry.shown < c.bars, c.leftOut);
            QCOMPARE(geometry.note,
                     c.leftOut
                         ? QStringLiteral("%1 of %2 cancers shown").arg(geometry.shown).arg(c.bars)
                         : QString());
            QVERIFY(geometry.plot.bottom() < c.height);
        }
    }

    void whiskersReachTheUpperLimitWhereABarHasLimits() {
        BarChartModel model = barsOf(3);
        model.intervals = IntervalChoice{};
        model.limits = {Interval{20000.0, 30000.0}, std::nullopt, Interval{6000.0, 9000.0}};
        QImage image = chartCanvas(1004, 768);
        QPainter painter(&image);
        const BarChartGeometry geometry =
            CBarChartPainter::paint(painter, image.size(), model, publicationChartStyle(85.0));
        painter.end();
        QVERIFY(geometry.valueAxis.top >= 30000.0);
        const QRectF plot = geometry.plot;
        const double x = plot.left() + 30000.0 / geometry.valueAxis.top * plot.width();
        const QPoint capMiddle(static_cast<int>(x), geometry.bars.front().center().y());
        QVERIFY(QColor(image.pixel(capMiddle)).lightness() < 128);
        // Nothing is drawn beyond the second bar's end: it has no limits.
        const QRect second = geometry.bars[1];
        QCOMPARE(image.pixel(second.right() + 6, second.center().y()) & 0xFFFFFFu, 0xFFFFFFu);
    }

    void pieLabelsOfManySmallSlicesDoNotOverlap() {
        const PieChartModel model = pieOf({900, 9, 8, 7, 6, 5, 4, 3, 2, 1, 12});
        for (const QSize size : {QSize(1004, 768), QSize(2008, 1500), QSize(600, 900)}) {
            QImage image = chartCanvas(size.width(), size.height());
            QPainter painter(&image);
            const PieChartGeometry geometry =
                CPieChartPainter::paint(painter, image.size(), model, publicationChartStyle());
            painter.end();
            QCOMPARE(geometry.labelBoxes.size(), model.slices.size());
            QCOMPARE(overlappingPair(geometry.labelBoxes), QString());
            for (std::size_t i = 0; i < geometry.labelBoxes.size(); ++i) {
                const QRectF box = geometry.labelBoxes[i];
                QVERIFY(QRectF(QPointF(0, 0), QSizeF(size)).contains(box));
                // A click on a label picks its slice, for the view's recolouring.
                QCOMPARE(geometry.legendAt(box.center().toPoint()), static_cast<int>(i));
            }
        }
    }

    void pyramidBarsFillThePlotHeight() {
        PyramidModel model;
        model.title = "Pyramid";
        for (int a = 0; a <= kTopAgeGroup; ++a) {
            model.male[static_cast<std::size_t>(a)] = 1000.0 * (18 - a);
            model.female[static_cast<std::size_t>(a)] = 1100.0 * (18 - a);
        }
        for (std::size_t a = 0; a < 18; ++a) {
            model.maleTotal += model.male[a];
            model.femaleTotal += model.female[a];
        }
        for (const int last : {kTopAgeGroup, 15}) {
            model.lastAgeGroup = last;
            QImage image = chartCanvas(1004, 768);
            QPainter painter(&image);
            const PyramidGeometry geometry =
                CPyramidPainter::paint(painter, image.size(), model, publicationChartStyle(85.0));
            painter.end();
            QCOMPARE(geometry.maleBars.size(), std::size_t(last + 1));
            double filled = 0.0;
            for (const QRect& bar : geometry.maleBars) {
                filled += bar.height();
            }
            QVERIFY2(filled >= 0.9 * geometry.plot.height(), qPrintable(QString::number(filled)));
            QVERIFY(geometry.plot.height() >= 0.5 * image.height());
            // The open top class is a bar as long as its share.
            QVERIFY(geometry.maleBars.front().width() > 0);
            QCOMPARE(overlappingPair(geometry.tickLabelBoxes), QString());
            // 1000 x (18 + 17 + ... + 1) males, grouped by thousands.
            QVERIFY(geometry.caption.contains(QStringLiteral("males 171,000")));
        }
    }

    void emptyAndOneValueChartsArePainted() {
        QImage image = chartCanvas(400, 300);
        QPainter painter(&image);
        const GraphStyle style = publicationChartStyle();
        QCOMPARE(CBarChartPainter::paint(painter, image.size(), BarChartModel{}, style).shown, 0);
        QCOMPARE(CBarChartPainter::paint(painter, image.size(), barsOf(1), style).shown, 1);
        QVERIFY(CPieChartPainter::paint(painter, image.size(), PieChartModel{}, style)
                    .labelBoxes.empty());
        QCOMPARE(
            CPieChartPainter::paint(painter, image.size(), pieOf({5}), style).labelBoxes.size(),
            std::size_t(1));
        PyramidModel empty;
        QCOMPARE(CPyramidPainter::paint(painter, image.size(), empty, style).maleBars.size(),
                 std::size_t(18));
        painter.end();
        QCOMPARE(image.pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu);
    }
};

ORVELAN_QT_TEST(PublicationChartsTest)
#include "PublicationChartsTest.moc"
