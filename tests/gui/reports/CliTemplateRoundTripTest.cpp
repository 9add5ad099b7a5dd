// A report template made by orvelan-cli is listed by the report wizard's template page, opens
// the wizard at its kind with every choice restored, and Finish computes the same grid as the
// command line's `report --template`.
#include "FixtureData.h"
#include "GuiFixture.h"
#include "ModalWatch.h"
#include "RunProcess.h"
#include "TempDir.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/reports/CRptWizard.h"
#include "gui/reports/CSummaryRatesView.h"

#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include <nlohmann/json.hpp>

using namespace orvelan;

namespace {

constexpr int kStomach = 34;
constexpr int kBamako = 3; // ages to 85+

template <typename T> T* child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class CliTemplateRoundTripTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        test::FixtureData data;
        test::PopulationFixture full;
        full.personYears = test::FixtureData::flatPersonYears(10000.0);
        test::CasesFixture cases;
        for (std::size_t age = 0; age < 18; ++age) {
            cases.cases[age] = static_cast<double>(age);
        }
        for (int sex = 0; sex < 2; ++sex) {
            for (int population : {0, kBamako}) {
                data.setPopulation(population, sex, full);
                data.setCases(population, sex, kStomach, cases);
            }
        }
        data.write(dataDir.str());
        QVERIFY(QDir().mkpath(QString::fromStdString(dataDir.file("Templates"))));
        QVERIFY(store.open(dataDir.str()));
        QVERIFY(registryGroups.load(dataDir.file("POPuser.dic")));
        QVERIFY(cancerGroups.load(dataDir.file("ICDuser.dic")));
        store.setUserGroups(&cancerGroups, &registryGroups);
    }

    void templateMadeByTheCommandLineIsListedOpenedAndRun() {
        const std::string path = dataDir.file("Templates/Headless.RPT");
        const auto made =
            cli({"template", "make", "--out", path, "--kind", "summary", "--populations", "0,3",
                 "--cancers", "34", "--sexes", "m", "--from", "2", "--to", "14", "--ci"});
        QVERIFY2(made.exitCode == 0, made.err.c_str());

        ReportWizardContext context{store, registryGroups, cancerGroups,
                                    QString::fromStdString(dataDir.str())};
        CRptWizard wizard(remembered, context);
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        auto* useTemplate = child<QRadioButton>(wizard.currentPage(), "kind3");
        QVERIFY(useTemplate != nullptr && useTemplate->isEnabled());
        useTemplate->click();
        next(wizard);
        auto* list = child<QTreeWidget>(wizard.currentPage(), "templateList");
        QVERIFY(list != nullptr);
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Headless"));
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Summary rate"));
        list->setCurrentItem(list->topLevelItem(0));
        next(wizard);
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Summary incidence rates by sex (1/3)"));
        QCOMPARE(wizard.choices().block.toArray(),
                 (std::array<std::int32_t, 11>{0, 1, 1, kStomach, 0, 2, 14, 1, 0, 1, 0}));
        next(wizard); // the registries, as the template ticked them
        next(wizard); // age range, interval and sexes
        QTest::mouseClick(wizard.button(QWizard::FinishButton), Qt::LeftButton);
        QCOMPARE(wizard.result(), int(QDialog::Accepted));

        std::vector<ReportDocument> documents = CReportOutputs::create(wizard.choices(), store, QStringLiteral("Arial"));
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
        args.insert(args.begin(), {ORVELAN_CLI_PATH, "--data-dir", dataDir.str()});
        return test::runProcess(args);
    }
    static void next(CRptWizard& wizard) {
        QTest::mouseClick(wizard.button(QWizard::NextButton), Qt::LeftButton);
    }

    test::TempDir dataDir;
    CIncidenceStore store;
    CUserGroupDictionary registryGroups{GroupKind::Registry};
    CUserGroupDictionary cancerGroups{GroupKind::Cancer};
    ReportChoices remembered;
    ModalWatch watch;
};

ORVELAN_GUI_TEST_MAIN(CliTemplateRoundTripTest)

#include "CliTemplateRoundTripTest.moc"
