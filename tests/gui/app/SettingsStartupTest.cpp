// Start-up and exit: the settings file, the data directory and the missing-data message.
#include "GuiFixture.h"
#include "RunProcess.h"
#include "core/analysis/AnalysisFile.h"
#include "core/io/Colour.h"
#include "gui/analysis/CStatsWizard.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/app/StartOptions.h"
#include "gui/framework/CommandIds.h"

#include <QDir>
#include <QFile>
#include <filesystem>

using namespace orvelan;

class SettingsStartupTest : public QObject {
    Q_OBJECT

  private:
    static QString readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

  private slots:
    void cleanup() {
        fixture.verifyDialogsHandled();
        fixture.stop();
        fixture.clearFolders();
    }

    // The settings file is read at start and written at exit (its layout is the core's);
    // values, recent files and the preview pages survive a restart.
    void settingsSurviveARestart() {
        fixture.writeFixtureData();
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
        QVERIFY(readAll(fixture.defaultSettingsPath())
                    .contains(QStringLiteral("TextColour=012034056\n")));

        CORVELANApp& second = fixture.start();
        QCOMPARE(second.settings(), changed);
        QCOMPARE(second.recentFiles().paths(),
                 (std::vector<std::string>{"/tmp/a.prn", "/tmp/b.prn"}));
        QCOMPARE(second.previewPages(), 2);
    }

    void reportsMissingDataFilesAndStaysUsable() {
        QString message;
        fixture.expectDialog(test::GuiFixture::captureText(message));
        CORVELANApp& app = fixture.start(); // the data folder is empty
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
        fixture.writeFixtureData();
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

        fixture.writeFixtureData();
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

  private:
    test::GuiFixture fixture;
};

ORVELAN_QT_TEST(SettingsStartupTest)
#include "SettingsStartupTest.moc"
