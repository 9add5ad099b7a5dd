// The table options of the View menu, each switched on an open summary view, which is computed
// again, and kept through a restart by the settings file, which keeps no trace of the default:
// "Standard population" (the chosen standards named in the headings, a user standard of the
// Templates folder offered by name), "Confidence intervals" (the method marked in the title
// cell) and "Tests and total".
#include "FixtureData.h"
#include "GuiFixture.h"
#include "core/data/CRegistryDictionary.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CommandIds.h"
#include "gui/framework/DocumentTypes.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/reports/CSummaryRatesView.h"
#include "gui/widgets/CGridCtrl.h"

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <fstream>

using namespace orvelan;

namespace {

// Population 0 of the fixture data has 10,000 person-years in each of 18 groups and no case: the
// crude rate is 0, its exact upper limit 3.689 x 100,000 / 180,000 = 2.05.
const QString kNormalCell = QStringLiteral("     0.00 (0.00 to 0.00)");
const QString kExactCell = QStringLiteral("     0.00 (0.00 to 2.05)");
const QString kNote = QStringLiteral(" [95% CI: Exact Poisson / Gamma (Fay-Feuer)]");

} // namespace

class TableOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        fixture.verifyDialogsHandled();
        fixture.stop();
        fixture.clearFolders();
    }

    void standardsRecomputeAnOpenSummaryViewAndSurviveARestart() {
        writeData();
        fixture.start();
        QVERIFY(action(cmd::kStandardWorldSegi)->isChecked());
        QVERIFY(action(cmd::kStandardEuropean1976)->isChecked());
        QVERIFY(!action(cmd::kStandardWorldWho2000)->isChecked());
        CSummaryRatesView* view = openSummaryView(false);
        QCOMPARE(cell(view, 0, 2), QStringLiteral("ASR (World)"));
        const QString segi = cell(view, 1, 2);

        action(cmd::kStandardWorldWho2000)->trigger();
        action(cmd::kStandardEuropean2013)->trigger();
        QCOMPARE(cell(view, 0, 2), QStringLiteral("ASR (World, WHO 2000)"));
        QCOMPARE(cell(view, 0, 3), QStringLiteral("ASR (European 2013)"));
        QVERIFY(cell(view, 1, 2) != segi); // computed again
        QVERIFY(!action(cmd::kStandardWorldSegi)->isChecked());
        QVERIFY(action(cmd::kStandardEuropean2013)->isChecked());

        // The user standard of the Templates folder stands in for the World one.
        QAction* own = action(cmd::kStandardUser1);
        QVERIFY(own->isVisible());
        QCOMPARE(own->text(), QStringLiteral("Flat"));
        QVERIFY(!action(cmd::kStandardUser1 + 1)->isVisible());
        own->trigger();
        QCOMPARE(cell(view, 0, 2), QStringLiteral("ASR (Flat)"));
        QVERIFY(own->isChecked());
        QVERIFY(!action(cmd::kStandardWorldWho2000)->isChecked());

        fixture.stop();
        const QString settings = fixture.defaultSettingsText();
        QVERIFY2(settings.contains(QStringLiteral("[Standards]\nWorld=")), qPrintable(settings));
        QVERIFY(settings.contains(QStringLiteral("flat.std\nEuropean=2013\n")));
        fixture.start();
        QVERIFY(action(cmd::kStandardUser1)->isChecked());
        QVERIFY(action(cmd::kStandardEuropean2013)->isChecked());
        CSummaryRatesView* reopened = openSummaryView(false);
        QCOMPARE(cell(reopened, 0, 2), QStringLiteral("ASR (Flat)"));

        action(cmd::kStandardWorldSegi)->trigger();
        action(cmd::kStandardEuropean1976)->trigger();
        QCOMPARE(cell(reopened, 0, 2), QStringLiteral("ASR (World)"));
        QCOMPARE(cell(reopened, 1, 2), segi);
        fixture.stop();
        QVERIFY(!fixture.defaultSettingsText().contains(QStringLiteral("Standards")));
    }

    void intervalsRecomputeAnOpenSummaryViewAndSurviveARestart() {
        fixture.writeFixtureData();
        fixture.start();
        QVERIFY(action(cmd::kIntervalsNormal)->isChecked());
        QVERIFY(!action(cmd::kIntervalsSmallCounts)->isChecked());
        CSummaryRatesView* view = openSummaryView(true);
        QCOMPARE(cell(view, 1, 1), kNormalCell);
        const QString title = cell(view, 0, 0);
        QVERIFY(!title.contains(QStringLiteral("CI:")));

        action(cmd::kIntervalsSmallCounts)->trigger();
        QCOMPARE(cell(view, 1, 1), kExactCell);
        QCOMPARE(cell(view, 0, 0), title + kNote);
        QVERIFY(action(cmd::kIntervalsSmallCounts)->isChecked());
        QVERIFY(!action(cmd::kIntervalsNormal)->isChecked());
        action(cmd::kIntervalsSmallCounts)->trigger(); // choosing the checked entry again keeps it
        QVERIFY(action(cmd::kIntervalsSmallCounts)->isChecked());
        QCOMPARE(cell(view, 1, 1), kExactCell);

        fixture.stop();
        QVERIFY(fixture.defaultSettingsText().contains(
            QStringLiteral("[Intervals]\nMethod=exact\nLevel=95\n")));
        fixture.start();
        QVERIFY(action(cmd::kIntervalsSmallCounts)->isChecked());
        CSummaryRatesView* reopened = openSummaryView(true);
        QCOMPARE(cell(reopened, 1, 1), kExactCell);

        action(cmd::kIntervalsNormal)->trigger();
        QCOMPARE(cell(reopened, 1, 1), kNormalCell);
        QCOMPARE(cell(reopened, 0, 0), title);
        fixture.stop();
        QVERIFY(!fixture.defaultSettingsText().contains(QStringLiteral("Intervals")));
    }

    // The mark of the method wraps below the title instead of widening the label column, in
    // every font size; the saved table keeps it in its title cell.
    void theMarkWrapsBelowTheTitleAndIsSavedWithIt() {
        fixture.writeFixtureData();
        fixture.start();
        CSummaryRatesView* view = openSummaryView(true);
        CGridCtrl* grid = view->grid();
        const int labelWidth = grid->columnWidth(0);
        const int headerHeight = grid->rowHeight(0);
        const QString title = grid->itemText(0, 0);

        action(cmd::kIntervalsSmallCounts)->trigger();
        QCOMPARE(grid->itemText(0, 0), title + kNote);
        QCOMPARE(grid->columnWidth(0), labelWidth);
        QVERIFY(grid->extentOf(0, 0, title + kNote) > labelWidth);
        const QRect needed =
            QFontMetrics(grid->itemFont(0, 0))
                .boundingRect(QRect(0, 0, labelWidth - 2 * CGridCtrl::kMargin, 1000),
                              Qt::TextWordWrap, title + kNote);
        QVERIFY(needed.height() > headerHeight);
        QVERIFY(grid->rowHeight(0) >= needed.height() + 3);

        view->increaseFont();
        QVERIFY(grid->columnWidth(0) < grid->extentOf(0, 0, title + kNote));
        QVERIFY(grid->rowHeight(0) > grid->rowHeight(1));

        const std::string saved = fixture.dataDir().file("marked.txt");
        QVERIFY(view->saveTo(QString::fromStdString(saved)).ok());
        QVERIFY(QString::fromStdString(fixture.dataDir().read("marked.txt"))
                    .startsWith(title + kNote + QLatin1Char('\t')));

        action(cmd::kIntervalsNormal)->trigger();
        QCOMPARE(grid->rowHeight(0), grid->rowHeight(1));
    }

    void testsAndTotalIsKeptInTheSettings() {
        fixture.writeFixtureData();
        fixture.start();
        QVERIFY(!action(cmd::kSirTests)->isChecked());
        action(cmd::kSirTests)->trigger();
        QVERIFY(action(cmd::kSirTests)->isChecked());
        fixture.stop();
        QVERIFY(fixture.defaultSettingsText().contains(
            QStringLiteral("[Comparison]\nTestsAndTotal=1\n")));
        fixture.start();
        QVERIFY(action(cmd::kSirTests)->isChecked());
        action(cmd::kSirTests)->trigger();
        fixture.stop();
        QVERIFY(!fixture.defaultSettingsText().contains(QStringLiteral("Comparison")));
    }

  private:
    QAction* action(int id) const { return fixture.frame().action(id); }

    static QString cell(CSummaryRatesView* view, int row, int column) {
        return QString::fromStdString(view->summaryTable()->grid().text(row, column));
    }

    /// Population 0: 10,000 person-years a group, all sites one male case in 0-4; a flat user
    /// standard in the Templates folder.
    void writeData() const {
        test::FixtureData data;
        test::addPopulations(data, 10000.0, {0});
        test::CasesFixture cases;
        cases.cases[0] = 1;
        data.setCases(0, 0, 0, cases);
        data.write(fixture.dataDir().str());
        const std::string templates = fixture.dataDir().str() + "/Templates";
        QDir().mkpath(QString::fromStdString(templates));
        std::ofstream(templates + "/flat.std")
            << "name: Flat\n1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n";
    }

    /// Summary rates of all sites in males for population 0, with or without intervals, opened
    /// as the report command opens them.
    CSummaryRatesView* openSummaryView(bool intervals) {
        ReportChoices choices;
        choices.block = ReportBlock::fromArray({0, intervals ? 1 : 0, 1, 0, 0, 0, 17, 1, 2, 1, 0});
        const int row = *CRegistryDictionary::rowOfPopulation(0);
        choices.registries[static_cast<std::size_t>(row)] = row;
        std::vector<ReportDocument> documents =
            CReportOutputs::create(choices, fixture.app().store(), QStringLiteral("Arial"),
                                   fixture.app().intervals(), fixture.app().standards());
        auto* view = qobject_cast<CSummaryRatesView*>(documents.at(0).view.release());
        fixture.frame().openDocument(DocumentType::SummaryRates, view);
        return view;
    }

    test::GuiFixture fixture;
};

ORVELAN_QT_TEST(TableOptionsTest)

#include "TableOptionsTest.moc"
