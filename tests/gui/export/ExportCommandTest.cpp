// "&Export..." from the main window: the wizard starts from the remembered settings, Cancel
// keeps them, Finish stores them and writes both files into the proposed work folder.
#include "GuiFixture.h"
#include "TextLines.h"
#include "TreeHelpers.h"
#include "core/data/CRegistryDictionary.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/export/CExpWizard.h"
#include "gui/framework/CommandIds.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QToolBar>

using namespace orvelan;

class ExportCommandTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        fixture.writeFixtureData();
        QDir().mkpath(QString::fromStdString(fixture.dataDir().file("work")));
        fixture.start();
    }

    void cleanup() { fixture.verifyDialogsHandled(); }

    void commandSitsOnTheToolbarAndIsEnabled() {
        QAction* command = fixture.frame().action(cmd::kExport);
        fixture.frame().updateCommandStates();
        QVERIFY(command->isEnabled());
        bool onToolbar = false;
        for (QToolBar* bar : fixture.frame().toolBars()) {
            onToolbar = onToolbar || bar->actions().contains(command);
        }
        QVERIFY(onToolbar);
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
    test::GuiFixture fixture;
};

ORVELAN_QT_TEST(ExportCommandTest)

#include "ExportCommandTest.moc"
