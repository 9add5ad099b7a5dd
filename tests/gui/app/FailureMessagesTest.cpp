// Failures that lose the user's work or settings reach the screen: unreadable settings and
// dictionaries at start-up, settings that cannot be saved at exit, a dictionary that cannot be
// written while a group is added, a standard table whose data cannot be loaded.
#include "FixtureData.h"
#include "GuiFixture.h"
#include "ModalWatch.h"
#include "TempDir.h"
#include "TreeHelpers.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/ReportBlock.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/data/CUserRegistryDlg.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CGridView.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/widgets/CEditLIB.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

using namespace orvelan;

namespace {

/// Population 0 with person-years for both sexes, as a start needs to find data.
void writeData(const test::TempDir& dir) {
    test::FixtureData data;
    test::PopulationFixture population;
    population.personYears = test::FixtureData::flatPersonYears(10000.0);
    data.setPopulation(0, 0, population);
    data.setPopulation(0, 1, population);
    data.write(dir.str());
}

QString qs(const std::string& text) { return QString::fromStdString(text); }

} // namespace

class FailureMessagesTest : public QObject {
    Q_OBJECT

  private:
    /// Starts the program on the data folder with its own settings file; the messages it shows
    /// are collected by the watch.
    void start(const QStringList& reports = {}) {
        StartOptions options;
        options.dataDirectory = qs(m_data.str());
        options.settingsFile = settingsPath();
        options.splash = false;
        options.reports = reports;
        m_app = std::make_unique<CORVELANApp>();
        m_app->startUp(options);
    }
    void stop() {
        if (m_app) {
            m_app->shutDown();
            m_app.reset();
        }
    }
    /// Waits for the message boxes shown so far (they come after an event-loop turn).
    QStringList messagesAfter(int count) {
        QStringList seen;
        const bool all = QTest::qWaitFor(
            [&] {
                seen += m_watch.takeMessages();
                return seen.size() >= count;
            },
            5000);
        Q_UNUSED(all); // the caller compares what came
        return seen;
    }
    /// The one message box that comes next, which must begin so.
    QString oneMessage(const QString& beginning) {
        const QStringList shown = messagesAfter(1);
        [&] {
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown.front().startsWith(beginning), qPrintable(shown.front()));
        }();
        return shown.value(0);
    }
    QString settingsPath() const { return qs(m_config.file("orvelan.ini")); }

  private slots:
    void init() {
        for (const test::TempDir* dir : {&m_config, &m_data}) {
            for (const auto& entry : std::filesystem::directory_iterator(dir->path())) {
                std::filesystem::remove_all(entry.path());
            }
        }
        writeData(m_data);
        m_watch.takeMessages();
    }
    void cleanup() {
        stop();
        m_watch.verify();
    }

    void unreadableSettingsAndDictionaryAreListedAtStartUp() {
        // A folder in place of a file: it exists, so it is not simply "no settings yet".
        std::filesystem::create_directory(settingsPath().toStdString());
        const std::string groups = m_data.file("POPuser.dic");
        std::filesystem::create_directory(groups);
        start();
        const QString message = oneMessage(QStringLiteral("ORVELAN started, but:\n\n"));
        QVERIFY2(message.contains(QStringLiteral("File '%1' cannot be ").arg(settingsPath())),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("(the default settings are used)")),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("File '%1' cannot be ").arg(qs(groups))),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("(its groups are not available)")),
                 qPrintable(message));
        QVERIFY(m_app->hasData()); // the program stays usable

        // The folder is still in the way at exit: the session's settings are lost, and said so.
        stop();
        oneMessage(QStringLiteral("The settings cannot be saved:\n\n"));
    }

    void settingsThatCannotBeSavedAreShownAtExit() {
        start();
        QTest::qWait(100);
        QCOMPARE(m_watch.takeMessages(), QStringList{}); // a first start is quiet
        // Something takes the settings file's place while the program runs.
        std::filesystem::create_directories(settingsPath().toStdString() + "/taken");
        stop();
        const QString message = oneMessage(QStringLiteral("The settings cannot be saved:\n\n"));
        QVERIFY2(message.contains(settingsPath()), qPrintable(message));
    }

    void unwritableDictionaryKeepsTheGroupDialogOpen() {
        CIncidenceStore store;
        QVERIFY(store.open(m_data.str()));
        CUserGroupDictionary groups(GroupKind::Registry);
        const std::string path = m_data.file("POPuser.dic");
        QVERIFY(groups.load(path).ok()); // missing: no groups yet
        std::filesystem::create_directories(path + "/taken");

        CUserRegistryDlg dialog(groups, store);
        dialog.show();
        QTest::keyClicks(dialog.nameEdit(), QStringLiteral("Lost group"));
        QTreeWidgetItem* bamako = treehelp::itemByText(dialog.tree(), QStringLiteral("Bamako"));
        QVERIFY(bamako != nullptr);
        treehelp::click(dialog.tree(), bamako);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")),
                          Qt::LeftButton);
        const QString prefix =
            QStringLiteral("Cannot write the user dictionary %1: ").arg(qs(path));
        QVERIFY2(oneMessage(prefix).size() > prefix.size() + 1, "the reason is missing");
        QVERIFY(dialog.isVisible()); // the name and the ticks are still there to try again
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(groups.count(), 0);
    }

    void reportTemplateOfNoReportKindNamesItsFile() {
        ReportChoices odd;
        odd.block.reportKind = 7;
        const std::string path = m_data.file("odd.RPT");
        QVERIFY(CReportTemplate::write(path, odd, 0, 0).ok());
        start({qs(path)});
        oneMessage(
            QStringLiteral("File '%1' cannot be run: report kind 7 is not a report").arg(qs(path)));
    }

    void dataFileCutShortBetweenTwoTablesKeepsTheDocuments() {
        ReportChoices table; // the summary rates of cancer 0 in population 0, males
        table.block.male = 1;
        table.cancers[0] = 0;
        const std::string path = m_data.file("table.RPT");
        QVERIFY(CReportTemplate::write(path, table, 0, 0).ok());
        start();
        QVERIFY(m_app->openReportTemplate(qs(path)));
        QCOMPARE(m_app->mainFrame()->mdiArea()->subWindowList().size(), 1);

        // A new release copied over the data file while the program runs.
        std::filesystem::resize_file(m_data.file("ORVELAN.DAT"), 0);
        m_app->openReportTemplate(qs(path));
        const QStringList shown = messagesAfter(2);
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0], QStringLiteral("ORVELAN.DAT changed on disk after ORVELAN opened it: "
                                          "restart ORVELAN before computing further figures, so "
                                          "that all of them come from the same files."));
        QCOMPARE(shown[1], QStringLiteral("The table cannot be built: ORVELAN.DAT was cut short "
                                          "on disk while in use: start again once the new data "
                                          "files are in place"));
        QCOMPARE(m_app->mainFrame()->mdiArea()->subWindowList().size(), 1);

        // Told once; and the open table is not computed again under another interval method.
        m_app->openReportTemplate(qs(path));
        QCOMPARE(messagesAfter(1).size(), 1);
        const QString before = m_app->mainFrame()->mdiArea()->subWindowList()[0]->windowTitle();
        m_app->mainFrame()->action(cmd::kIntervalsSmallCounts)->trigger();
        const QString refused = oneMessage({});
        QVERIFY2(refused.endsWith(QStringLiteral("The open tables keep the figures they show.")),
                 qPrintable(refused));
        QVERIFY(!m_app->mainFrame()->action(cmd::kIntervalsSmallCounts)->isChecked());
        QCOMPARE(m_app->mainFrame()->mdiArea()->subWindowList()[0]->windowTitle(), before);
        auto* view = m_app->mainFrame()->mdiArea()->subWindowList()[0]->findChild<CGridView*>();
        QVERIFY(view != nullptr);
        QVERIFY(!view->isCommandEnabled(cmd::kCopyNumbers)); // they would be computed again
    }

    void standardTableThatCannotBeBuiltSaysWhy() {
        // Person-years that are not a number in the record of population 0, males.
        {
            std::fstream file(m_data.file("ORVELAN.POP"),
                              std::ios::in | std::ios::out | std::ios::binary);
            const float nan = std::numeric_limits<float>::quiet_NaN();
            char bytes[4];
            std::memcpy(bytes, &nan, sizeof bytes);
            file.seekp(8);
            file.write(bytes, sizeof bytes);
        }
        CIncidenceStore store;
        QVERIFY(store.open(m_data.str()));
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
    test::TempDir m_config;
    test::TempDir m_data;
    ModalWatch m_watch;
    std::unique_ptr<CORVELANApp> m_app;
};

ORVELAN_QT_TEST(FailureMessagesTest)
#include "FailureMessagesTest.moc"
