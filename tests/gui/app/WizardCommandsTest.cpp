// The wizards run from the main window. "&Statistical analysis...": each kind of analysis from
// the first page of the wizard to its result, and the remembered block that the next run starts
// from. "&Export...": the wizard starts from the remembered settings, Cancel keeps them, Finish
// stores them and writes both files into the proposed work folder.
#include "FixtureData.h"
#include "GuiFixture.h"
#include "KnownCodes.h"
#include "TextLines.h"
#include "TreeHelpers.h"
#include "core/data/CRegistryDictionary.h"
#include "gui/analysis/CCMPseveralResult.h"
#include "gui/analysis/CCMPtwoResult.h"
#include "gui/analysis/CStatsWizard.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/export/CExpWizard.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CDocument.h"
#include "gui/framework/CommandIds.h"
#include "gui/widgets/CGridCtrl.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>

using namespace orvelan;
using treehelp::click;
using treehelp::itemByText;

namespace {

using orvelan::test::kStomach;

/// Drives a wizard page by page: a step gets the current page.
using Step = std::function<void(CStatsWizard&, QWidget*)>;

void pressNext(CStatsWizard& wizard) {
    QTest::mouseClick(wizard.button(QWizard::NextButton), Qt::LeftButton);
}

void choose(QWidget* page, const char* tree, const char* text) {
    auto* widget = page->findChild<CSelectionTree*>(QString::fromLatin1(tree));
    click(widget, itemByText(widget, QString::fromLatin1(text)));
}

} // namespace

class WizardCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        test::FixtureData data;
        test::addPopulations(data, 20000.0, {0, 2, 3});
        test::CasesFixture cases;
        for (std::size_t j = 0; j < 18; ++j) {
            cases.cases[j] = static_cast<double>(1 + j * 2);
        }
        data.setCases(0, 0, kStomach, cases);
        data.setCases(2, 0, kStomach, cases);
        data.write(fixture.dataDir().str());
        QDir().mkpath(QString::fromStdString(fixture.dataDir().file("work")));
        fixture.start();
        fixture.app().blocks().analysis.refCancer = kStomach;
    }

    void cleanup() { fixture.verifyDialogsHandled(); }

    void twoCurvesShowTheResults() {
        runWizard(
            "twoCurves",
            {[](CStatsWizard&, QWidget* page) { choose(page, "registryTree", "Algiers"); },
             [](CStatsWizard&, QWidget* page) { choose(page, "registryTree", "The Gambia"); }});
        QStringList fields;
        fixture.expectDialog([&](QWidget* dialog) {
            auto* result = qobject_cast<CCMPtwoResult*>(dialog);
            QVERIFY(result != nullptr);
            for (const char* name : {"reference", "comparison", "ageRange"}) {
                fields << result->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
            }
            result->findChild<QPushButton*>(QStringLiteral("close"))->click();
        });
        fixture.frame().action(cmd::kNewAnalysis)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QCOMPARE(fields, (QStringList{" Algeria, Algiers: Stomach-Male",
                                      " The Gambia: Stomach-Male", " 0-85+"}));
        const AnalysisBlock& block = fixture.app().blocks().analysis;
        QCOMPARE(block.analysisKind, 0);
        QCOMPARE(block.compPopulation, 2);
    }

    void severalPopulationsOpenAStatisticDocument() {
        runWizard("severalPopulations",
                  {[](CStatsWizard&, QWidget* page) { choose(page, "registryTree", "Algiers"); },
                   [](CStatsWizard&, QWidget* page) {
                       choose(page, "registryTree", "Algiers");
                       choose(page, "registryTree", "Bamako");
                   }});
        fixture.frame().action(cmd::kNewAnalysis)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        CChildFrame* child = fixture.frame().activeChild();
        QVERIFY(child != nullptr);
        QCOMPARE(child->document()->title(), QStringLiteral("Statistic 1"));
        auto* view = qobject_cast<CCMPseveralResult*>(child->view());
        QVERIFY(view != nullptr);
        QCOMPARE(view->grid()->rowCount(), 3);
        QVERIFY(view->grid()->itemText(1, 3).trimmed().startsWith(QStringLiteral("100 [")));
        fixture.frame().mdiArea()->closeAllSubWindows();
    }

    void typedCurveIsComparedUnderItsTitle() {
        runWizard("userDefined",
                  {[](CStatsWizard&, QWidget* page) { choose(page, "registryTree", "Algiers"); },
                   [](CStatsWizard&, QWidget* page) {
                       for (int j = 0; j < 18; ++j) {
                           QTest::keyClicks(
                               page->findChild<QLineEdit*>(QStringLiteral("personYears%1").arg(j)),
                               QStringLiteral("20000"));
                           auto* cases =
                               page->findChild<QLineEdit*>(QStringLiteral("cases%1").arg(j));
                           cases->selectAll();
                           QTest::keyClicks(cases, QString::number(2 + j * 4));
                       }
                       QTest::keyClicks(page->findChild<QLineEdit*>(QStringLiteral("title")),
                                        QStringLiteral("Typed"));
                   }});
        QStringList fields;
        fixture.expectDialog([&](QWidget* dialog) {
            for (const char* name : {"comparison", "ageRange"}) {
                fields << dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
            }
            dialog->close();
        });
        fixture.frame().action(cmd::kNewAnalysis)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QCOMPARE(fields, (QStringList{"Typed", " 0-85+"}));
        const AnalysisBlock& block = fixture.app().blocks().analysis;
        QCOMPARE(block.userCurveTitle, std::string("Typed"));
        QCOMPARE(block.userCases[17], 70.0);
        QCOMPARE(block.userRates[17], 350.0);
    }

    void cancelKeepsAndFinishStoresTheRememberedSettings() {
        const ExportSettings before = fixture.app().blocks().exportSettings;
        fixture.expectDialog([](QWidget* dialog) {
            QVERIFY(qobject_cast<CExpWizard*>(dialog) != nullptr);
            dialog->close();
        });
        fixture.frame().action(cmd::kExport)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY(fixture.app().blocks().exportSettings == before);

        const int row = CRegistryDictionary::rowOfPopulation(0).value_or(-1);
        QString patience;
        QString done;
        fixture.expectDialog([row](QWidget* dialog) {
            auto* wizard = qobject_cast<CExpWizard*>(dialog);
            QVERIFY(wizard != nullptr);
            // Each step runs from the event loop so that the page's own message boxes reach
            // the watchdog.
            QTimer::singleShot(0, wizard, [wizard, row] {
                auto* tree = wizard->currentPage()->findChild<CSelectionTree*>("registryTree");
                treehelp::click(tree, tree->findValue(row));
                wizard->next();
                auto* cancers = wizard->currentPage()->findChild<CSelectionTree*>("cancerTree");
                treehelp::click(cancers, cancers->findValue(0));
                wizard->next();
                QTest::keyClicks(wizard->currentPage()->findChild<QLineEdit*>("fileName"),
                                 QStringLiteral("first"));
                wizard->button(QWizard::FinishButton)->click();
            });
        });
        fixture.expectDialog(test::GuiFixture::captureText(patience));
        fixture.expectDialog(test::GuiFixture::captureText(done));
        fixture.frame().action(cmd::kExport)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY(patience.startsWith(QStringLiteral("Depending on your computer")));
        QCOMPARE(done, QStringLiteral("Done!"));

        const ExportSettings& kept = fixture.app().blocks().exportSettings;
        QCOMPARE(kept.dataPath, fixture.dataDir().file("work/first.prn"));
        QCOMPARE(kept.logPath, fixture.dataDir().file("work/first.log"));
        QCOMPARE(kept.populationSelection[static_cast<std::size_t>(row)], row);
        QCOMPARE(kept.cancerSelection[0], 0);
        QCOMPARE(test::linesOf(fixture.dataDir().read("work/first.prn")).size(), std::size_t(38));
        QVERIFY(!fixture.dataDir().read("work/first.log").empty());
    }

  private:
    /// Expects the wizard: picks the kind on page 1, runs the reference step on page 2, Next,
    /// the last step on the kind's page, Finish.
    void runWizard(const char* kind, std::array<Step, 2> steps) {
        fixture.expectDialog([kind, steps](QWidget* dialog) {
            auto* wizard = qobject_cast<CStatsWizard*>(dialog);
            QVERIFY(wizard != nullptr);
            wizard->currentPage()->findChild<QRadioButton*>(QString::fromLatin1(kind))->click();
            pressNext(*wizard);
            steps[0](*wizard, wizard->currentPage());
            pressNext(*wizard);
            steps[1](*wizard, wizard->currentPage());
            QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
            if (wizard->isVisible()) {
                wizard->reject();
            }
        });
    }

    test::GuiFixture fixture;
};

ORVELAN_QT_TEST(WizardCommandsTest)

#include "WizardCommandsTest.moc"
