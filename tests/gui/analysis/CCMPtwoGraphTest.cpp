// The two-curve graph dialog: its default scale, the redraw on each option, the value columns in
// the curves' colours, and Copy to Clipboard.
#include "gui/analysis/CCMPtwoGraph.h"

#include "GuiFixture.h"
#include "ModalWatch.h"
#include "TempDir.h"
#include "gui/widgets/CFileDialogs.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace orvelan;

namespace {

CurvePair curves() {
    CurvePair pair;
    pair.ageLow = 0;
    pair.ageHigh = 17;
    for (std::size_t j = 0; j < 18; ++j) {
        pair.refPersonYears[j] = 20000.0;
        pair.compPersonYears[j] = 20000.0;
        pair.refCases[j] = static_cast<double>(1 + j * j);
        pair.compCases[j] = j == 3 ? 0.0 : static_cast<double>(2 + j * 3);
    }
    return pair;
}

/// Mean x of the pixels of a colour right of a column, -1 when there is none.
double meanX(const QImage& image, QRgb colour, int fromX) {
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromX; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
                sum += x;
                ++count;
            }
        }
    }
    return count == 0 ? -1.0 : sum / count;
}

} // namespace

class CCMPtwoGraphTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        ComparisonRun run;
        run.last = 17;
        run.openTop = true;
        run.texts.reference = " Algeria, Algiers: Stomach-Male";
        run.texts.comparison = " The Gambia: Stomach-Male";
        graph = std::make_unique<CCMPtwoGraph>(nullptr, curves(), run);
        graph->show();
        QVERIFY(QTest::qWaitForWindowExposed(graph.get()));
    }
    void cleanup() {
        graph.reset();
        watch.verify();
    }

    // Logarithmic, without grid or values, at first; every option changes the picture the dialog
    // draws, and going back restores it.
    void optionsRedraw() {
        QVERIFY(graph->logarithmic());
        QVERIFY(!graph->valuesShown() && !graph->gridShown());
        const QImage first = graph->picture();
        QCOMPARE(first.pixel(1, first.height() - 2) & 0xFFFFFF, 0xFFFFFFu);
        QVERIFY(meanX(first, qRgb(255, 0, 0), 0) > 0);
        QVERIFY(meanX(first, qRgb(0, 0, 255), 0) > 0);
        for (const char* name : {"arithmetic", "grid", "values"}) {
            const QImage before = graph->picture();
            QTest::mouseClick(graph->findChild<QAbstractButton*>(QString::fromLatin1(name)),
                              Qt::LeftButton);
            QVERIFY2(graph->picture() != before, name);
        }
        QVERIFY(!graph->logarithmic() && graph->gridShown() && graph->valuesShown());
        for (const char* name : {"logarithmic", "grid", "values"}) {
            QTest::mouseClick(graph->findChild<QAbstractButton*>(QString::fromLatin1(name)),
                              Qt::LeftButton);
        }
        QCOMPARE(graph->picture(), first);
    }

    // The value columns stand right of the plot: the comparison's in blue to the left of the
    // reference's in red.
    void valuesInTheCurvesColours() {
        const QImage plain = graph->picture();
        const int right = plain.width() * 5 / 6 + 4;
        QCOMPARE(meanX(plain, qRgb(255, 0, 0), right), -1.0);
        QTest::mouseClick(graph->findChild<QCheckBox*>(QStringLiteral("values")), Qt::LeftButton);
        const QImage values = graph->picture();
        const double red = meanX(values, qRgb(255, 0, 0), right);
        const double blue = meanX(values, qRgb(0, 0, 255), right);
        QVERIFY(red > 0 && blue > 0);
        QVERIFY2(blue < red - 30, qPrintable(QStringLiteral("%1 %2").arg(blue).arg(red)));
    }

    void copyPutsThePictureOnTheClipboard() {
        QGuiApplication::clipboard()->clear();
        watch.answer(QMessageBox::Ok);
        QTest::mouseClick(graph->findChild<QPushButton*>(QStringLiteral("copy")), Qt::LeftButton);
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("Done!")});
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), graph->picture().size());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 graph->picture().convertToFormat(QImage::Format_RGB32));
    }

    // Save As... writes the picture in the format of the typed name's ending.
    void saveAsWritesEachImageFormat() {
        test::TempDir dir;
        const std::pair<const char*, QByteArray> kinds[] = {{"curves.png", "\x89PNG"},
                                                            {"curves.svg", "<?xml"},
                                                            {"curves.PDF", "%PDF"},
                                                            {"curves.jpg", "\xFF\xD8\xFF"},
                                                            {"curves.bmp", "BM"}};
        for (const auto& [name, magic] : kinds) {
            const QString path = QString::fromStdString(dir.file(name));
            QString filter;
            CFileDialogs::setProvider([&](const FileDialogRequest& request) {
                filter = request.filter;
                return path;
            });
            QTest::mouseClick(graph->findChild<QPushButton*>(QStringLiteral("saveAs")),
                              Qt::LeftButton);
            QVERIFY(filter.contains(QStringLiteral("(*.svg)")));
            QVERIFY2(QByteArray::fromStdString(dir.read(name)).startsWith(magic), name);
        }
        CFileDialogs::setProvider({});
        // Another ending writes nothing and says why.
        watch.answer(QMessageBox::Ok);
        QVERIFY(!graph->saveTo(QString::fromStdString(dir.file("curves.xls"))));
        const QStringList messages = watch.takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith(QStringLiteral("Image format not supported")));
    }

  private:
    std::unique_ptr<CCMPtwoGraph> graph;
    ModalWatch watch;
};

ORVELAN_QT_TEST(CCMPtwoGraphTest)

#include "CCMPtwoGraphTest.moc"
