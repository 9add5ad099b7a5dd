// Start-up and exit: the settings file, the data directory and the missing-data message.
#include "GuiFixture.h"
#include "core/app/Colour.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/app/CommandIds.h"
#include "gui/app/StartOptions.h"

#include <QFile>

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
        QVERIFY2(fixture.pendingHandlers() == 0, "an expected dialog never came");
        const QStringList unexpected = fixture.takeUnexpectedDialogs();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
        fixture.stop();
        fixture.clearFolders();
    }

    void startsWithDefaultsAndWritesThemAtExit() {
        fixture.writeFixtureData();
        CORVELANApp& app = fixture.start();
        QCOMPARE(app.settingsPath(), fixture.defaultSettingsPath());
        QVERIFY(!QFile::exists(app.settingsPath()));
        const AppSettings settings = app.settings();
        QCOMPARE(settings.ageBackground, colourValue(255, 255, 255));
        QCOMPARE(settings.barIncidence, colourValue(0, 0, 255));
        QCOMPARE(settings.pieSlices, 5);
        QVERIFY(app.recentFiles().paths().empty());
        fixture.stop();
        QCOMPARE(readAll(fixture.defaultSettingsPath()),
                 QStringLiteral("[Age]\nBkColour=255255255\nTextColour=000000000\n"
                                "[Bar]\nBkColour=255255255\nTextColour=000000000\n"
                                "Incidence=000000255\n"
                                "[Pie]\nBkColour=255255255\nTextColour=000000000\n"
                                "NumberOfSlices=5\n"
                                "[Pop]\nBkColour=255255255\nTextColour=000000000\n"));
    }

    void keepsValuesAcrossARestart() {
        fixture.writeFixtureData();
        CORVELANApp& first = fixture.start();
        AppSettings changed = first.settings();
        changed.pieText = colourValue(12, 34, 56);
        changed.barIncidence = colourValue(255, 0, 0);
        changed.pieSlices = 8;
        first.setSettings(changed);
        first.recentFiles().add("/tmp/b.prn");
        first.recentFiles().add("/tmp/a.prn");
        first.setPreviewPages(2);
        fixture.stop();

        const QString text = readAll(fixture.defaultSettingsPath());
        QVERIFY2(text.contains(QStringLiteral("[Pie]\nBkColour=255255255\nTextColour=012034056\n"
                                              "NumberOfSlices=8\n")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Incidence=255000000\n")));
        QVERIFY(text.contains(QStringLiteral("[Recent File List]\nFile1=/tmp/a.prn\n"
                                             "File2=/tmp/b.prn\n")));
        QVERIFY(text.contains(QStringLiteral("[Settings]\nPreviewPages=2\n")));

        CORVELANApp& second = fixture.start();
        QCOMPARE(second.settings(), changed);
        QCOMPARE(second.recentFiles().paths(),
                 (std::vector<std::string>{"/tmp/a.prn", "/tmp/b.prn"}));
        QCOMPARE(second.previewPages(), 2);
    }

    void readsColourStringsWrittenByHand() {
        fixture.writeFixtureData();
        QFile file(fixture.defaultSettingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Age]\r\nBkColour=000128255\r\nTextColour=garbage\r\n[Pie]\r\n"
                   "NumberOfSlices=11\r\n");
        file.close();
        CORVELANApp& app = fixture.start();
        QCOMPARE(app.settings().ageBackground, colourValue(0, 128, 255));
        QCOMPARE(app.settings().ageText, colourValue(0, 0, 0));
        QCOMPARE(app.settings().pieSlices, 11);
    }

    void dataDirectoryOptionAndFilePaths() {
        fixture.writeFixtureData();
        CORVELANApp& app = fixture.start();
        const QString data = QString::fromStdString(fixture.dataDir().str());
        QCOMPARE(app.dataDirectory(), QDir::cleanPath(data));
        QCOMPARE(app.casesPath(), QDir::cleanPath(data) + QStringLiteral("/ORVELAN.DAT"));
        QCOMPARE(app.registryGroupsPath(), QDir::cleanPath(data) + QStringLiteral("/POPuser.dic"));
        QVERIFY(app.hasData());

        QString error;
        const auto options =
            parseStartOptions({QStringLiteral("--data-dir"), QStringLiteral("/x/y"),
                               QStringLiteral("--no-splash"), QStringLiteral("t.prn")},
                              error);
        QVERIFY(options.has_value());
        QCOMPARE(options->dataDirectory, QStringLiteral("/x/y"));
        QVERIFY(!options->splash);
        QCOMPARE(options->files, QStringList{QStringLiteral("t.prn")});
        QVERIFY(!parseStartOptions({QStringLiteral("--data-dir")}, error).has_value());
        QVERIFY(!parseStartOptions({QStringLiteral("--bogus")}, error).has_value());
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

  private:
    test::GuiFixture fixture;
};

ORVELAN_GUI_TEST_MAIN(SettingsStartupTest)
#include "SettingsStartupTest.moc"
