// A report template made by orvelan-cli is listed by the report wizard's template page, opens
// the wizard at its kind with every choice restored, and Finish computes the same grid as the
// command line's `report --template`.
#include "GuiFixture.h"
#include "KnownCodes.h"
#include "RunProcess.h"
#include "WizardHarness.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/reports/CRptWizard.h"
#include "gui/reports/CSummaryRatesView.h"

#include <QRadioButton>
#include <QTreeWidget>
#include <nlohmann/json.hpp>

using namespace orvelan;
using orvelan::test::child;

namespace {

using orvelan::test::kBamako;
using orvelan::test::kStomach;

} // namespace

class CliTemplateRoundTripTest : public QObject,
                                 public test::WizardHarness<CRptWizard, ReportChoices> {
    Q_OBJECT

  private slots:
    void initTestCase() {
        test::FixtureData data = populations({0, kBamako});
        test::CasesFixture cases;
        for (std::size_t age = 0; age < 18; ++age) {
            cases.cases[age] = static_cast<double>(age);
        }
        for (int sex = 0; sex < 2; ++sex) {
            for (int population : {0, kBamako}) {
                data.setCases(population, sex, kStomach, cases);
            }
        }
        openStore(data);
        resetFolder();
        QVERIFY(QDir().mkpath(templates()));
    }

    void templateMadeByTheCommandLineIsListedOpenedAndRun() {
        const std::string path = dataDir.file("Templates/Headless.RPT");
        const auto made =
            cli({"template", "make", "--out", path, "--kind", "summary", "--populations", "0,3",
                 "--cancers", "34", "--sexes", "m", "--from", "2", "--to", "14", "--ci"});
        QVERIFY2(made.exitCode == 0, made.err.c_str());

        open(context<ReportWizardContext>());
        auto* useTemplate = on<QRadioButton>("kind3");
        QVERIFY(useTemplate != nullptr && useTemplate->isEnabled());
        useTemplate->click();
        next();
        auto* list = on<QTreeWidget>("templateList");
        QVERIFY(list != nullptr);
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Headless"));
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Summary rate"));
        list->setCurrentItem(list->topLevelItem(0));
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Summary incidence rates by sex (1/3)"));
        QCOMPARE(wizard->choices().block.toArray(),
                 (std::array<std::int32_t, 11>{0, 1, 1, kStomach, 0, 2, 14, 1, 0, 1, 0}));
        next(); // the registries, as the template ticked them
        next(); // age range, interval and sexes
        finish();

        std::vector<ReportDocument> documents =
            CReportOutputs::create(wizard->choices(), store, QStringLiteral("Arial"));
        QCOMPARE(documents.size(), std::size_t(1));
        auto* view = qobject_cast<CSummaryRatesView*>(documents[0].view.get());
        QVERIFY(view != nullptr);
        const auto run = cli({"report", "--template", path, "--json"});
        QVERIFY2(run.exitCode == 0, run.err.c_str());
        const auto cells = nlohmann::json::parse(run.out)[0]["cells"];
        QCOMPARE(nlohmann::json(view->summaryTable()->grid().rows()), cells);
        QCOMPARE(cells.size(), std::size_t(3)); // header and two registries
        QVERIFY(watch.idle());
    }

  private:
    test::ProcessResult cli(std::vector<std::string> args) const {
        args.insert(args.begin(), {test::cliPath(), "--data-dir", dataDir.str()});
        return test::runProcess(args);
    }
};

ORVELAN_QT_TEST(CliTemplateRoundTripTest)

#include "CliTemplateRoundTripTest.moc"
