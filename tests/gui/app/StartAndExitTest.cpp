// Start-up and exit: the settings file, the data directory, the start options and the files
// handed over at start; and the failures that lose the user's work or settings, which reach the
// screen: missing or short data files, unreadable settings and dictionaries at start-up,
// settings that cannot be saved at exit, a dictionary that cannot be written while a group is
// added, data files replaced while in use, a standard table whose data cannot be loaded.
#include "FixtureData.h"
#include "GuiFixture.h"
#include "RunProcess.h"
#include "TreeHelpers.h"
#include "core/analysis/AnalysisFile.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/io/Colour.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/ReportBlock.h"
#include "gui/analysis/CStatsWizard.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/app/StartOptions.h"
#include "gui/data/CUserRegistryDlg.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CGridView.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/widgets/CEditLIB.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>

using namespace orvelan;

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

} // namespace

class StartAndExitTest : public QObject {
    Q_OBJECT

  private:
    /// Runs the step and gives the texts of the message boxes it shows, each closed.
    QStringList messages(int count, const std::function<void()>& step) {
        auto texts = std::make_shared<QStringList>();
        for (int i = 0; i < count; ++i) {
            fixture.expectDialog([texts](QWidget* dialog) {
                *texts << test::GuiFixture::messageText(dialog);
                qobject_cast<QDialog*>(dialog)->reject();
            });
        }
        step();
        fixture.waitForExpectedDialogs();
        return *texts;
    }
    /// The one message box the step shows, which must begin so.
    QString oneMessage(const QString& beginning, const std::function<void()>& step) {
        const QStringList shown = messages(1, step);
        [&] {
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown.front().startsWith(beginning), qPrintable(shown.front()));
        }();
        return shown.value(0);
    }
    QString settingsPath() const { return fixture.defaultSettingsPath(); }

  private slots:
    void init() { fixture.writeFixtureData(); }

    void cleanup() {
        fixture.stop();
        fixture.verifyDialogsHandled();
        fixture.clearFolders();
    }

    // The settings file is read at start and written at exit (its layout is the core's);
    // values, recent files and the preview pages survive a restart.
    void settingsSurviveARestart() {
        CORVELANApp& first = fixture.start();
        QCOMPARE(first.dataDirectory(), QDir::cleanPath(fixture.dataDir().str().c_str()));
        QVERIFY(first.hasData());
        QCOMPARE(first.settingsPath(), fixture.defaultSettingsPath());
        QVERIFY(!QFile::exists(first.settingsPath()));
        AppSettings changed = first.settings();
        changed.pieText = colourValue(12, 34, 56);
        changed.pieSlices = 8;
        first.setSettings(changed);
        first.recentFiles().add("/tmp/b.prn");
        first.recentFiles().add("/tmp/a.prn");
        first.setPreviewPages(2);
        fixture.stop();
        QVERIFY(fixture.defaultSettingsText().contains(QStringLiteral("TextColour=012034056\n")));

        CORVELANApp& second = fixture.start();
        QCOMPARE(second.settings(), changed);
        QCOMPARE(second.recentFiles().paths(),
                 (std::vector<std::string>{"/tmp/a.prn", "/tmp/b.prn"}));
        QCOMPARE(second.previewPages(), 2);
    }

    void reportsMissingDataFilesAndStaysUsable() {
        fixture.clearFolders(); // the data folder is empty
        QString message;
        fixture.expectDialog(test::GuiFixture::captureText(message));
        CORVELANApp& app = fixture.start();
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY(!app.hasData());
        QVERIFY2(message.contains(QStringLiteral("ORVELAN.DAT")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("ORVELAN.POP")), qPrintable(message));
        QVERIFY(fixture.frame().isVisible());
        QVERIFY(fixture.frame().action(cmd::kAbout)->isEnabled());     // About
        QVERIFY(fixture.frame().action(cmd::kReference)->isEnabled()); // Reference
        QVERIFY(fixture.frame().action(cmd::kOpen)->isEnabled());      // Open
    }

    void reportsAShortDataFile() {
        QFile::resize(QString::fromStdString(fixture.dataDir().file("ORVELAN.POP")), 100);
        QString message;
        fixture.expectDialog(test::GuiFixture::captureText(message));
        fixture.start();
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY2(message.contains(QStringLiteral("ORVELAN.POP")), qPrintable(message));
        QVERIFY2(!message.contains(QStringLiteral("ORVELAN.DAT")), qPrintable(message));
    }

    // The command line's options; files a file manager hands over open by their kind: a report
    // template its tables, a graph template its graph, an analysis file the statistics wizard on
    // its typed-in curve; any other file stays a text document.
    void templatesAndAnalysisFilesGivenAtStartOpenTheirResults() {
        QString error;
        const auto parsed = parseStartOptions({QStringLiteral("a.RPT"), QStringLiteral("b.gph"),
                                               QStringLiteral("c.Sta"), QStringLiteral("d.txt"),
                                               QStringLiteral("--graph"), QStringLiteral("e.txt")},
                                              error);
        QVERIFY(parsed.has_value());
        QCOMPARE(parsed->reports, QStringList{QStringLiteral("a.RPT")});
        QCOMPARE(parsed->graphs, (QStringList{QStringLiteral("b.gph"), QStringLiteral("e.txt")}));
        QCOMPARE(parsed->analyses, QStringList{QStringLiteral("c.Sta")});
        QCOMPARE(parsed->files, QStringList{QStringLiteral("d.txt")});
        const auto flags = parseStartOptions(
            {QStringLiteral("--data-dir"), QStringLiteral("/x/y"), QStringLiteral("--no-splash")},
            error);
        QVERIFY(flags.has_value());
        QCOMPARE(flags->dataDirectory, QStringLiteral("/x/y"));
        QVERIFY(!flags->splash);
        QVERIFY(!parseStartOptions({QStringLiteral("--data-dir")}, error).has_value());
        QVERIFY(!parseStartOptions({QStringLiteral("--bogus")}, error).has_value());

        const std::string report = fixture.dataDir().file("Templates/STOMACH.RPT");
        const std::string curve = fixture.dataDir().file("Templates/MINE.STA");
        std::filesystem::create_directories(fixture.dataDir().file("Templates"));
        const test::ProcessResult made = test::runProcess(
            {test::cliPath(), "--data-dir", fixture.dataDir().str(), "template", "make", "--out",
             report, "--kind", "summary", "--populations", "0", "--cancers", "34"});
        QVERIFY2(made.exitCode == 0, made.err.c_str());
        UserCurve typed;
        typed.title = "My registry";
        typed.cases.fill(2.0);
        typed.personYears.fill(1000.0);
        typed.rates.fill(200.0);
        QVERIFY(writeAnalysisFile(curve, typed).ok());

        StartOptions options;
        options.reports = {QString::fromStdString(report)};
        options.analyses = {QString::fromStdString(curve)};
        AnalysisBlock shown;
        fixture.expectDialog([&shown](QWidget* dialog) {
            auto* wizard = qobject_cast<CStatsWizard*>(dialog);
            QVERIFY(wizard != nullptr);
            shown = wizard->block();
            wizard->reject();
        });
        fixture.start(options);
        QVERIFY(fixture.waitForExpectedDialogs());
        QCOMPARE(fixture.frame().childFrames().size(), 2); // males and females
        QCOMPARE(shown.analysisKind, 2);
        QCOMPARE(shown.userCurveTitle, std::string("My registry"));
        QCOMPARE(shown.userPersonYears[17], 1000.0);
    }

    void unreadableSettingsAndDictionaryAreListedAtStartUp() {
        // A folder in place of a file: it exists, so it is not simply "no settings yet".
        std::filesystem::create_directory(settingsPath().toStdString());
        const std::string groups = fixture.dataDir().file("POPuser.dic");
        std::filesystem::create_directory(groups);
        const QString message =
            oneMessage(QStringLiteral("ORVELAN started, but:\n\n"), [this] { fixture.start(); });
        QVERIFY2(message.contains(QStringLiteral("File '%1' cannot be ").arg(settingsPath())),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("(the default settings are used)")),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("File '%1' cannot be ").arg(qs(groups))),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("(its groups are not available)")),
                 qPrintable(message));
        QVERIFY(fixture.app().hasData()); // the program stays usable

        // The folder is still in the way at exit: the session's settings are lost, and said so.
        oneMessage(QStringLiteral("The settings cannot be saved:\n\n"), [this] { fixture.stop(); });
    }

    void settingsThatCannotBeSavedAreShownAtExit() {
        fixture.start();
        QTest::qWait(100);
        QCOMPARE(fixture.takeUnexpectedDialogs(), QStringList{}); // a first start is quiet
        // Something takes the settings file's place while the program runs.
        std::filesystem::create_directories(settingsPath().toStdString() + "/taken");
        const QString message = oneMessage(QStringLiteral("The settings cannot be saved:\n\n"),
                                           [this] { fixture.stop(); });
        QVERIFY2(message.contains(settingsPath()), qPrintable(message));
    }

    void unwritableDictionaryKeepsTheGroupDialogOpen() {
        CIncidenceStore store;
        QVERIFY(store.open(fixture.dataDir().str()));
        CUserGroupDictionary groups(GroupKind::Registry);
        const std::string path = fixture.dataDir().file("POPuser.dic");
        QVERIFY(groups.load(path).ok()); // missing: no groups yet
        std::filesystem::create_directories(path + "/taken");

        CUserRegistryDlg dialog(groups, store);
        dialog.show();
        QTest::keyClicks(dialog.nameEdit(), QStringLiteral("Lost group"));
        QTreeWidgetItem* bamako = treehelp::itemByText(dialog.tree(), QStringLiteral("Bamako"));
        QVERIFY(bamako != nullptr);
        treehelp::click(dialog.tree(), bamako);
        const QString prefix =
            QStringLiteral("Cannot write the user dictionary %1: ").arg(qs(path));
        const QString message = oneMessage(prefix, [&dialog] {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")),
                              Qt::LeftButton);
        });
        QVERIFY2(message.size() > prefix.size() + 1, "the reason is missing");
        QVERIFY(dialog.isVisible()); // the name and the ticks are still there to try again
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(groups.count(), 0);
    }

    void reportTemplateOfNoReportKindNamesItsFile() {
        ReportChoices odd;
        odd.block.reportKind = 7;
        const std::string path = fixture.dataDir().file("odd.RPT");
        QVERIFY(CReportTemplate::write(path, odd, 0, 0).ok());
        StartOptions options;
        options.reports = {qs(path)};
        oneMessage(
            QStringLiteral("File '%1' cannot be run: report kind 7 is not a report").arg(qs(path)),
            [&] { fixture.start(options); });
    }

    void dataFileCutShortBetweenTwoTablesKeepsTheDocuments() {
        ReportChoices table; // the summary rates of cancer 0 in population 0, males
        table.block.male = 1;
        table.cancers[0] = 0;
        const std::string path = fixture.dataDir().file("table.RPT");
        QVERIFY(CReportTemplate::write(path, table, 0, 0).ok());
        fixture.start();
        const auto open = [&] { fixture.app().openReportTemplate(qs(path)); };
        QVERIFY(fixture.app().openReportTemplate(qs(path)));
        const QList<QMdiSubWindow*> windows = fixture.frame().mdiArea()->subWindowList();
        QCOMPARE(windows.size(), 1);

        // A new release copied over the data file while the program runs.
        std::filesystem::resize_file(fixture.dataDir().file("ORVELAN.DAT"), 0);
        const QStringList shown = messages(2, open);
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0], QStringLiteral("ORVELAN.DAT changed on disk after ORVELAN opened it: "
                                          "restart ORVELAN before computing further figures, so "
                                          "that all of them come from the same files."));
        QCOMPARE(shown[1], QStringLiteral("The table cannot be built: ORVELAN.DAT was cut short "
                                          "on disk while in use: start again once the new data "
                                          "files are in place"));
        QCOMPARE(fixture.frame().mdiArea()->subWindowList(), windows);

        // Told once; and the open table is not computed again under another interval method.
        QCOMPARE(messages(1, open).size(), 1);
        const QString before = windows[0]->windowTitle();
        QAction* exact = fixture.frame().action(cmd::kIntervalsSmallCounts);
        const QString refused = oneMessage({}, [exact] { exact->trigger(); });
        QVERIFY2(refused.endsWith(QStringLiteral("The open tables keep the figures they show.")),
                 qPrintable(refused));
        QVERIFY(!exact->isChecked());
        QCOMPARE(windows[0]->windowTitle(), before);
        auto* view = windows[0]->findChild<CGridView*>();
        QVERIFY(view != nullptr);
        QVERIFY(!view->isCommandEnabled(cmd::kCopyNumbers)); // they would be computed again
    }

    void standardTableThatCannotBeBuiltSaysWhy() {
        // Person-years that are not a number in the record of population 0, males.
        {
            std::fstream file(fixture.dataDir().file("ORVELAN.POP"),
                              std::ios::in | std::ios::out | std::ios::binary);
            const float nan = std::numeric_limits<float>::quiet_NaN();
            char bytes[4];
            std::memcpy(bytes, &nan, sizeof bytes);
            file.seekp(8);
            file.write(bytes, sizeof bytes);
        }
        CIncidenceStore store;
        QVERIFY(store.open(fixture.dataDir().str()));
        ReportChoices choices;
        choices.block.reportKind = static_cast<int>(ReportKind::StandardMainTable);
        choices.block.fixedRegistry = 0;
        const std::vector<ReportDocument> documents =
            CReportOutputs::create(choices, store, QStringLiteral("Arial"));
        QCOMPARE(documents.size(), std::size_t{1});
        QCOMPARE(documents[0].failure,
                 QStringLiteral("The standard table of population 0 cannot be built: "
                                "ORVELAN.POP: the record of population 0, sex 0 holds a value "
                                "that is not a number"));
        QVERIFY(documents[0].view == nullptr);
        QVERIFY(documents[0].text.isEmpty());
    }

  private:
    test::GuiFixture fixture;
};

ORVELAN_QT_TEST(StartAndExitTest)
#include "StartAndExitTest.moc"
