// "&Graph..." from the main window: the wizard runs from the remembered choices, Finish keeps
// them and opens one graph document per kind, Cancel changes nothing.
#include "gui/app/CGraphCommands.h"

#include "FixtureData.h"
#include "GuiFixture.h"
#include "KnownCodes.h"
#include "core/data/CRegistryDictionary.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CDocument.h"
#include "gui/framework/CommandIds.h"
#include "gui/graphs/CColourDialog.h"
#include "gui/graphs/wizard/CGphWizard.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

using namespace orvelan;
using namespace orvelan::test;

namespace {

using orvelan::test::kColon;
using orvelan::test::kStomach;

void writeGraphData(const std::string& directory) {
    FixtureData data;
    for (int sex = 0; sex < 2; ++sex) {
        PopulationFixture population;
        population.personYears = FixtureData::flatPersonYears(1'000'000.0);
        data.setPopulation(0, sex, population);
        CasesFixture stomach;
        stomach.cases[12] = 400;
        data.setCases(0, sex, kStomach, stomach);
        CasesFixture all;
        all.cases[12] = 900;
        data.setCases(0, sex, 0, all);
    }
    data.write(directory);
}

/// Clicks the kind, then Next until Finish is offered, then Finish.
void runToFinish(QWidget* dialog, int kind) {
    auto* wizard = qobject_cast<CGphWizard*>(dialog);
    if (wizard == nullptr) {
        dialog->close();
        return;
    }
    wizard->currentPage()->findChild<QRadioButton*>(QStringLiteral("kind%1").arg(kind))->click();
    for (int step = 0; step < 6 && wizard->isVisible(); ++step) {
        QAbstractButton* finish = wizard->button(QWizard::FinishButton);
        QTest::mouseClick(finish->isVisible() ? finish : wizard->button(QWizard::NextButton),
                          Qt::LeftButton);
    }
    if (wizard->isVisible()) {
        wizard->reject(); // a step was refused: the test sees no document
    }
}

} // namespace

class CGraphCommandsTest : public QObject {
    Q_OBJECT

  private:
    GuiFixture fixture;
    GraphSettings remembered() {
        GraphSettings settings;
        const int row = CRegistryDictionary::rowOfPopulation(0).value_or(0);
        settings.registries[static_cast<std::size_t>(row)] = row;
        settings.cancers[kStomach] = kStomach;
        settings.cancer = kStomach;
        settings.rateKind = RateKind::CrudeRate;
        return settings;
    }

  private slots:
    void init() {
        writeGraphData(fixture.dataDir().str());
        fixture.start();
        fixture.app().blocks().graph = remembered();
    }
    void cleanup() {
        CGraphCommands::setOpener({});
        CColourDialog::setProvider({});
        fixture.verifyDialogsHandled();
        fixture.stop();
        fixture.clearFolders();
    }

    void eachKindRunsToAnOpenGraph_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("curves") << 0 << "Age-specific 1";
        QTest::newRow("bars") << 1 << "Bar chart1";
        QTest::newRow("pie") << 2 << "Pie chart 1";
        QTest::newRow("pyramid") << 3 << "Pyramid 1";
    }
    void eachKindRunsToAnOpenGraph() {
        QFETCH(int, kind);
        QFETCH(QString, title);
        CMainFrame& frame = fixture.frame();
        frame.updateCommandStates();
        QVERIFY(frame.action(cmd::kNewGraph)->isEnabled());
        fixture.expectDialog([kind](QWidget* dialog) { runToFinish(dialog, kind); });
        frame.action(cmd::kNewGraph)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        CChildFrame* child = frame.activeChild();
        QVERIFY(child != nullptr);
        QCOMPARE(child->document()->title(), title);
        QCOMPARE(indexOf(fixture.app().blocks().graph.kind), kind);
        QCOMPARE(fixture.app().blocks().graph.title, std::string());
    }

    void aBarChartWithoutAPositiveBarSaysSoInTheStatusBar() {
        GraphSettings& settings = fixture.app().blocks().graph;
        settings.cancers = emptySelectionList();
        settings.cancers[kColon] = kColon;
        settings.cancer = kColon;
        CMainFrame& frame = fixture.frame();
        fixture.expectDialog([](QWidget* dialog) { runToFinish(dialog, 1); });
        frame.action(cmd::kNewGraph)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QCoreApplication::processEvents();
        QVERIFY(frame.childFrames().isEmpty());
        QCOMPARE(frame.statusBar()->currentMessage(),
                 QStringLiteral("No data available for this graph"));
    }

    void finishKeepsChoicesButNotTheLineStyleAndCancelKeepsNothing() {
        std::optional<GraphSettings> opened;
        CGraphCommands::setOpener([&opened](CMainFrame&, const GraphSettings& settings) {
            opened = settings;
            return true;
        });
        CColourDialog::setProvider([](const QColor&) { return QColor(0, 128, 0); });
        fixture.expectDialog([](QWidget* dialog) {
            auto* wizard = qobject_cast<CGphWizard*>(dialog);
            wizard->currentPage()->findChild<QRadioButton*>(QStringLiteral("kind0"))->click();
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
            QWizardPage* page = wizard->currentPage();
            page->findChild<QRadioButton*>(QStringLiteral("thin"))->click();
            page->findChild<QComboBox*>(QStringLiteral("symbol"))->setCurrentIndex(1);
            QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("textColour")),
                              Qt::LeftButton);
            QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        });
        fixture.frame().action(cmd::kNewGraph)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY(opened.has_value());
        QCOMPARE(opened->lineThickness, 0);
        QCOMPARE(opened->lineSymbol, 1);
        QVERIFY(!opened->title.empty());
        const GraphSettings& kept = fixture.app().blocks().graph;
        QCOMPARE(kept.ageText, std::uint32_t{128} << 8);
        QCOMPARE(kept.lineThickness, 1);
        QCOMPARE(kept.lineSymbol, 0);
        QCOMPARE(kept.title, std::string());
        QCOMPARE(kept.registries, opened->registries);

        // Cancel after changing a colour and the pages: nothing comes back, nothing opens.
        opened.reset();
        const GraphSettings before = kept;
        CColourDialog::setProvider([](const QColor&) { return QColor(1, 2, 3); });
        fixture.expectDialog([](QWidget* dialog) {
            auto* wizard = qobject_cast<CGphWizard*>(dialog);
            wizard->currentPage()->findChild<QRadioButton*>(QStringLiteral("kind0"))->click();
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
            QTest::mouseClick(
                wizard->currentPage()->findChild<QPushButton*>(QStringLiteral("textColour")),
                Qt::LeftButton);
            wizard->reject();
        });
        fixture.frame().action(cmd::kNewGraph)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY(!opened.has_value());
        QVERIFY(fixture.app().blocks().graph == before);
    }
};

ORVELAN_QT_TEST(CGraphCommandsTest)

#include "CGraphCommandsTest.moc"
