// The two-curve results dialog: its fields and every list cell in the cases that matter (all
// results, no comparison cases, no data, a cut range), Save As in both layouts against the
// command-line tool, and the graph dialog it opens: its default scale, the redraw on each
// option, the value columns in the curves' colours, Copy and Save As.
#include "FixtureData.h"
#include "GuiFixture.h"
#include "KnownCodes.h"
#include "ModalWatch.h"
#include "RunProcess.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/rates/ComparisonLayouts.h"
#include "core/rates/ComparisonNumbers.h"
#include "gui/analysis/CCMPtwoGraph.h"
#include "gui/analysis/CCMPtwoResult.h"
#include "gui/framework/CHelpWindow.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CShell.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>
#include <memory>
#include <sstream>

using namespace orvelan;

namespace {

using orvelan::test::kAlgiers;
using orvelan::test::kBamako;
using orvelan::test::kGambia;
using orvelan::test::kLaReunion;
using orvelan::test::kStomach;

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

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

class TwoCurveComparisonTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        test::FixtureData data;
        test::addPopulations(data, 20000.0, {kAlgiers, kBamako, kGambia});
        test::addPopulations(data, 20000.0, {kLaReunion}, 15);
        test::CasesFixture reference;
        test::CasesFixture comparison;
        for (std::size_t j = 0; j < 18; ++j) {
            reference.cases[j] = static_cast<double>(2 + j * 3);
            comparison.cases[j] = static_cast<double>(1 + j * 5);
        }
        data.setCases(kAlgiers, 0, kStomach, reference);
        data.setCases(kGambia, 0, kStomach, comparison);
        data.setCases(kLaReunion, 0, kStomach, comparison);
        data.write(dataDir.str());
        QVERIFY(store.open(dataDir.str()));
    }

    void cleanup() {
        dialog.reset();
        graph.reset();
        CFileDialogs::setProvider({});
        watch.verify();
    }

    // The lists show the comparison engine's cells and nothing of the dialog's own; a
    // comparison population ending at 75+ cuts an 85+ range there with a warning.
    void listsShowTheEngineCells() {
        open(kAlgiers, kLaReunion, 0, 17);
        QCOMPARE(field("reference"), QStringLiteral(" Algeria, Algiers: Stomach-Male"));
        QCOMPARE(field("comparison"), QStringLiteral(" France, La Reunion: Stomach-Male"));
        QCOMPARE(field("ageRange"), QStringLiteral(" 0-75+ Warning, check population figures"));
        expectCoreCells();
        QVERIFY(button("showCurves")->isEnabled() && button("saveAs")->isEnabled());
    }

    // Fewer than three age groups: no data, nothing to show or save.
    void noDataAvailable() {
        open(kAlgiers, kGambia, 0, 1);
        QCOMPARE(field("ageRange"), QStringLiteral("No data available!"));
        QVERIFY(!button("showCurves")->isEnabled());
        QVERIFY(!button("saveAs")->isEnabled());
        QTest::mouseClick(button("showCurves"), Qt::LeftButton); // disabled: no graph opens
        QTest::qWait(50);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Save As writes the core's layouts (chosen by the name, any letter case) byte for byte,
    // the same text the command-line tool prints; another ending writes nothing.
    void saveAsBothLayouts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("ageHigh");
        QTest::newRow("Prn, cut range") << "result.Prn"
                                        << "prn" << 17;
        QTest::newRow("TXT, closed range") << "result.TXT"
                                           << "txt" << 13;
    }
    void saveAsBothLayouts() {
        QFETCH(QString, name);
        QFETCH(QString, layout);
        QFETCH(int, ageHigh);
        const int comparison = layout == QStringLiteral("prn") ? kLaReunion : kGambia;
        open(kAlgiers, comparison, 2, ageHigh);
        const std::string path = dataDir.file(name.toStdString());
        QCOMPARE(saveAs(path).directory, QStringLiteral("/work-folder"));
        const std::string saved = readFile(path);
        const auto kind = layout == QStringLiteral("prn") ? ComparisonLayout::Formatted
                                                          : ComparisonLayout::TabDelimited;
        QCOMPARE(saved, comparisonText(dialog->pair(), dialog->run().texts, kind));
        QVERIFY(saved.find('[') == std::string::npos);
        const test::ProcessResult cli = test::runProcess(
            {test::cliPath(), "--data-dir", dataDir.str(), "compare", "--ref",
             std::to_string(kAlgiers) + ",34,m", "--comp", std::to_string(comparison) + ",34,m",
             "--from", "2", "--to", std::to_string(ageHigh), "--layout", layout.toStdString()});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(cli.out, saved);
    }

    // Save As .csv: every figure of the dialog on a line of its own, for a spreadsheet.
    void saveAsNumbers() {
        open(kAlgiers, kGambia, 0, 17);
        const std::string path = dataDir.file("result.csv");
        QVERIFY(saveAs(path).filter.contains(QStringLiteral("(*.csv)")));
        const std::string saved = readFile(path);
        QCOMPARE(saved, comparisonNumbersCsv(dialog->pair(), dialog->run().texts));
    }

    void saveAsOtherEndingIsRefused() {
        open(kAlgiers, kGambia, 0, 17);
        const std::string path = dataDir.file("result.xls");
        saveAs(path);
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("File format not supported...")});
        QVERIFY(!QFile::exists(QString::fromStdString(path)));
    }

    // Help shows the methods page in the dialog's own help window when no browser shows it,
    // whether none starts or the one started fails.
    void helpWithoutABrowserShowsTheMethodsPage() {
        for (bool startsThenFails : {false, true}) {
            CShell::setOpener([startsThenFails](const QUrl&, const CShell::Failed& failed) {
                if (startsThenFails) {
                    QTimer::singleShot(0, failed);
                }
                return startsThenFails;
            });
            open(kAlgiers, kGambia, 0, 17);
            QTest::mouseClick(button("help"), Qt::LeftButton);
            CHelpWindow* window = nullptr;
            QTRY_VERIFY((window = dialog->findChild<CHelpWindow*>()) != nullptr);
            QVERIFY(window->isVisible());
            QCOMPARE(QFileInfo(window->browser()->source().toLocalFile()).fileName(),
                     QStringLiteral("methods.html"));
            CShell::resetOpener();
        }
    }

    // The age axis ends in the open class, "85+" or where a 75+ comparison cut the range;
    // a range that ends below the open class ends with that group's lower label.
    void showCurvesOpensTheGraph_data() {
        QTest::addColumn<int>("comparison");
        QTest::addColumn<int>("ageHigh");
        QTest::addColumn<int>("last");
        QTest::addColumn<QStringList>("ends"); // the first and the last two labels
        QTest::newRow("cut at 75+") << kLaReunion << 17 << 15 << QStringList{" 0-", "70-", "75+"};
        QTest::newRow("0-74") << kGambia << 14 << 14 << QStringList{" 0-", "65-", "70-"};
    }
    void showCurvesOpensTheGraph() {
        QFETCH(int, comparison);
        QFETCH(int, ageHigh);
        QFETCH(int, last);
        QFETCH(QStringList, ends);
        open(kAlgiers, comparison, 0, ageHigh);
        QString title;
        bool logarithmic = false;
        QStringList labels;
        watch.expect([&](QWidget* widget) {
            title = widget->windowTitle();
            if (auto* shown = qobject_cast<CCMPtwoGraph*>(widget)) {
                logarithmic = shown->logarithmic();
                labels << shown->ageLabel(0) << shown->ageLabel(last - 1) << shown->ageLabel(last);
            }
            widget->close();
        });
        QTest::mouseClick(button("showCurves"), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Comparison of two age-specific curves: graph"));
        QVERIFY(logarithmic);
        QCOMPARE(labels, ends);
    }

    // Logarithmic, without grid or values, at first; every option changes the picture the dialog
    // draws, and going back restores it.
    void graphOptionsRedraw() {
        openGraph();
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
    void graphValuesInTheCurvesColours() {
        openGraph();
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

    void graphCopyPutsThePictureOnTheClipboard() {
        openGraph();
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
    void graphSaveAsWritesEachImageFormat() {
        openGraph();
        test::TempDir dir;
        const std::pair<const char*, QByteArray> kinds[] = {{"curves.png", "\x89PNG"},
                                                            {"curves.PDF", "%PDF"}};
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
    /// The graph dialog on curves of its own, as the results dialog hands them over.
    void openGraph() {
        ComparisonRun run;
        run.last = 17;
        run.openTop = true;
        run.texts.reference = " Algeria, Algiers: Stomach-Male";
        run.texts.comparison = " The Gambia: Stomach-Male";
        graph = std::make_unique<CCMPtwoGraph>(nullptr, curves(), run);
        graph->show();
        QVERIFY(QTest::qWaitForWindowExposed(graph.get()));
    }
    void open(int reference, int comparison, int ageLow, int ageHigh) {
        TwoCurveContext context{store, std::nullopt, QStringLiteral("/work-folder")};
        dialog = std::make_unique<CCMPtwoResult>(nullptr, context, kStomach, kStomach, reference,
                                                 comparison, 0, 0, ageLow, ageHigh, 0);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    QString field(const char* name) const {
        return dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    /// "Save As..." of the results dialog answered with this path; what the dialog asked.
    FileDialogRequest saveAs(const std::string& path) {
        FileDialogRequest asked;
        CFileDialogs::setProvider([&](const FileDialogRequest& request) {
            asked = request;
            return QString::fromStdString(path);
        });
        QTest::mouseClick(button("saveAs"), Qt::LeftButton);
        CFileDialogs::setProvider({});
        return asked;
    }
    QPushButton* button(const char* name) const {
        return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    /// Every cell of a list, row by row, the row label first.
    QStringList cells(const char* name) const {
        const auto* list = dialog->findChild<QTreeWidget*>(QString::fromLatin1(name));
        QStringList texts;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            for (int column = 0; column < list->columnCount(); ++column) {
                texts << list->topLevelItem(row)->text(column);
            }
        }
        return texts;
    }
    /// The dialog shows the comparison engine's cell texts and nothing of its own.
    void expectCoreCells() const {
        const std::array<std::pair<const char*, ResultList>, 3> lists = {
            std::pair{"asrList", ResultList::Asr},
            std::pair{"rateRatioList", ResultList::RateRatio},
            std::pair{"testList", ResultList::Tests}};
        for (const auto& [name, kind] : lists) {
            const QStringList shown = cells(name);
            const auto* list = dialog->findChild<QTreeWidget*>(QString::fromLatin1(name));
            const int columns = list->columnCount();
            for (int i = 0; i < shown.size(); ++i) {
                const std::string expected =
                    resultCellText(dialog->pair(), kind, i / columns, i % columns + 1);
                QCOMPARE(shown[i].toStdString(), expected);
            }
        }
    }

    test::TempDir dataDir;
    CIncidenceStore store;
    std::unique_ptr<CCMPtwoResult> dialog;
    std::unique_ptr<CCMPtwoGraph> graph;
    ModalWatch watch;
};

ORVELAN_QT_TEST(TwoCurveComparisonTest)

#include "TwoCurveComparisonTest.moc"
