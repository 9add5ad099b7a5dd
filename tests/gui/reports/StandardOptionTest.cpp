// "Standard population" in the View menu: switching it computes an open summary view against
// the chosen standards and names them in its headings; a user standard of the Templates folder
// is offered by name; the choice survives a restart through the settings file, which keeps no
// trace of the classic one.
#include "FixtureData.h"
#include "GuiFixture.h"
#include "core/data/CRegistryDictionary.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CommandIds.h"
#include "gui/framework/DocumentTypes.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/reports/CSummaryRatesView.h"

#include <QAction>
#include <QDir>
#include <fstream>

using namespace orvelan;

class StandardOptionTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        fixture.verifyDialogsHandled();
        fixture.stop();
        fixture.clearFolders();
    }

    void switchingRecomputesAnOpenSummaryViewAndSurvivesARestart() {
        writeData();
        fixture.start();
        QVERIFY(action(cmd::kStandardWorldSegi)->isChecked());
        QVERIFY(action(cmd::kStandardEuropean1976)->isChecked());
        QVERIFY(!action(cmd::kStandardWorldWho2000)->isChecked());
        CSummaryRatesView* view = openSummaryView();
        // One case in 0-4 over 10,000 person-years: rate 10, ASR 10 x the weight of 0-4.
        QCOMPARE(cell(view, 0, 2), QStringLiteral("ASR (World)"));
        QCOMPARE(cell(view, 1, 2), QStringLiteral("     1.20"));
        QCOMPARE(cell(view, 1, 3), QStringLiteral("     0.80"));

        action(cmd::kStandardWorldWho2000)->trigger();
        action(cmd::kStandardEuropean2013)->trigger();
        QCOMPARE(cell(view, 0, 2), QStringLiteral("ASR (World, WHO 2000)"));
        QCOMPARE(cell(view, 0, 3), QStringLiteral("ASR (European 2013)"));
        QCOMPARE(cell(view, 1, 2), QStringLiteral("     0.88"));
        QCOMPARE(cell(view, 1, 3), QStringLiteral("     0.50"));
        QVERIFY(!action(cmd::kStandardWorldSegi)->isChecked());
        QVERIFY(action(cmd::kStandardEuropean2013)->isChecked());

        // The user standard of the Templates folder stands in for the World one.
        QAction* own = action(cmd::kStandardUser1);
        QVERIFY(own->isVisible());
        QCOMPARE(own->text(), QStringLiteral("Flat"));
        QVERIFY(!action(cmd::kStandardUser1 + 1)->isVisible());
        own->trigger();
        QCOMPARE(cell(view, 0, 2), QStringLiteral("ASR (Flat)"));
        QCOMPARE(cell(view, 1, 2), QStringLiteral("     0.56")); // 10 / 18
        QVERIFY(own->isChecked());
        QVERIFY(!action(cmd::kStandardWorldWho2000)->isChecked());

        fixture.stop();
        const QString settings = fixture.defaultSettingsText();
        QVERIFY2(settings.contains(QStringLiteral("[Standards]\nWorld=")), qPrintable(settings));
        QVERIFY(settings.contains(QStringLiteral("flat.std\nEuropean=2013\n")));
        fixture.start();
        QVERIFY(action(cmd::kStandardUser1)->isChecked());
        QVERIFY(action(cmd::kStandardEuropean2013)->isChecked());
        CSummaryRatesView* reopened = openSummaryView();
        QCOMPARE(cell(reopened, 0, 2), QStringLiteral("ASR (Flat)"));

        action(cmd::kStandardWorldSegi)->trigger();
        action(cmd::kStandardEuropean1976)->trigger();
        QCOMPARE(cell(reopened, 0, 2), QStringLiteral("ASR (World)"));
        QCOMPARE(cell(reopened, 1, 3), QStringLiteral("     0.80"));
        fixture.stop();
        QVERIFY(!fixture.defaultSettingsText().contains(QStringLiteral("Standards")));
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
        test::PopulationFixture population;
        population.personYears = test::FixtureData::flatPersonYears(10000.0);
        data.setPopulation(0, 0, population);
        data.setPopulation(0, 1, population);
        test::CasesFixture cases;
        cases.cases[0] = 1;
        data.setCases(0, 0, 0, cases);
        data.write(fixture.dataDir().str());
        const std::string templates = fixture.dataDir().str() + "/Templates";
        QDir().mkpath(QString::fromStdString(templates));
        std::ofstream(templates + "/flat.std")
            << "name: Flat\n1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n";
    }

    /// Summary rates of all sites in males for population 0, opened as the report command
    /// opens them.
    CSummaryRatesView* openSummaryView() {
        ReportChoices choices;
        choices.block = ReportBlock::fromArray({0, 0, 1, 0, 0, 0, 17, 1, 2, 1, 0});
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

ORVELAN_QT_TEST(StandardOptionTest)

#include "StandardOptionTest.moc"
