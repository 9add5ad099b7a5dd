// The export wizard driven as a user drives it: the refusals of each page, the summary of the
// two paths, the overwrite questions and access probes, and the files written after Finish
// compared with the command-line tool's, byte for byte.
#include "gui/export/CExpWizard.h"

#include "GuiFixture.h"
#include "KnownCodes.h"
#include "RunProcess.h"
#include "TextLines.h"
#include "WizardHarness.h"
#include "gui/export/CExpWiz3.h"
#include "gui/export/CExportWriter.h"
#include "gui/export/CFolderTree.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QToolButton>
#include <filesystem>

using namespace orvelan;
using orvelan::test::child;
using treehelp::click;
using treehelp::itemByText;

namespace {

using orvelan::test::kVillaClara;

std::size_t fileCount(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

} // namespace

class CExpWizardTest : public QObject, public test::WizardHarness<CExpWizard, ExportSettings> {
    Q_OBJECT

  private slots:
    void initTestCase() {
        test::FixtureData data;
        test::addPopulations(data, 1000.0, {kVillaClara});
        test::CasesFixture cases;
        for (int age = 0; age < kAgeGroupCount; ++age) {
            cases.cases[static_cast<std::size_t>(age)] = age * 3;
        }
        for (int sex = 0; sex < 2; ++sex) {
            data.setCases(kVillaClara, sex, 0, cases);
        }
        openStore(data);
    }

    void init() {
        QDir(work()).removeRecursively();
        QDir().mkpath(work());
        resetFolder();
    }

    void cleanup() { closeWizard(); }

    void pagesRefuseToGoOnUntilTheirChoicesAreMade() {
        start();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Export wizard (1/3)"));
        next();
        at(CExpWizard::kPopulationPage); // nothing ticked, no message
        tick("registryTree", QStringLiteral("Villa Clara"));
        next();
        at(CExpWizard::kCancerPage);
        next(); // no cancer
        at(CExpWizard::kCancerPage);
        tick("cancerTree", QStringLiteral("Cervix uteri"));
        setSexes(false, false);
        next(); // no sex
        at(CExpWizard::kCancerPage);

        setSexes(true, false);
        next();
        at(CExpWizard::kCancerPage);
        says({"Invalid sex/site combination"});

        setSexes(false, true);
        next();
        at(CExpWizard::kFilesPage);
        const QStringList messages = watch.takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().startsWith(QStringLiteral("Depending on your computer")));
        QVERIFY(!wizard->settings().male && wizard->settings().female);

        back();
        back(); // Back keeps the pages' choices and never validates
        at(CExpWizard::kPopulationPage);
        on<QToolButton>("clearSelection")->click();
        QTest::mouseClick(wizard->button(QWizard::CancelButton), Qt::LeftButton);
        QCOMPARE(wizard->result(), int(QDialog::Rejected));
    }

    void summaryNamesBothFilesInTheChosenFolderAndFormat() {
        toFilesPage(true, true);
        auto* page = filesPage();
        QCOMPARE(page->folderTree()->currentPath(), work() + "/");
        QCOMPARE(child<QComboBox>(page, "format")->currentIndex(), 0);
        QTest::keyClicks(child<QLineEdit>(page, "fileName"), QStringLiteral("raw"));
        // The summary follows the name, the format and the folder (its text is the exporter's
        // pathSummary) and shows on the page with plain line ends.
        child<QComboBox>(page, "format")->setCurrentIndex(2);
        const QString expected =
            QString("Data file:\t\t%1/raw.csv\r\nLog file:\t\t%1/raw.log").arg(work());
        QCOMPARE(page->summaryText(), expected);
        QCOMPARE(child<QPlainTextEdit>(page, "summary")->toPlainText(),
                 QString(expected).replace("\r\n", "\n"));
        QVERIFY(page->folderTree()->openPath(dataDir.path().c_str()));
        QCOMPARE(page->summaryText(), QString("Data file:\t\t%1/raw.csv\r\nLog file:\t\t%1/raw.log")
                                          .arg(QString::fromStdString(dataDir.str())));
        QVERIFY(!page->folderTree()->openPath(work() + "/missing"));
        QCOMPARE(page->folderTree()->failures().size(), 1);
    }

    void filesPageShowsTheWorkFolderOnEntering() {
        // The work folder below sixty others, so that the tree must scroll to show it.
        const QString deep = QString::fromStdString(dataDir.file("deep"));
        for (int i = 0; i < 60; ++i) {
            QDir().mkpath(deep + QStringLiteral("/f%1").arg(i, 2, 10, QLatin1Char('0')));
        }
        const QString folder = deep + QStringLiteral("/z work");
        QDir().mkpath(folder);
        open(ExportWizardContext{registryGroups, cancerGroups, folder});
        tick("registryTree", QStringLiteral("Villa Clara"));
        next();
        tick("cancerTree", QStringLiteral("All sites"));
        setSexes(true, true);
        next();
        at(CExpWizard::kFilesPage);
        watch.takeMessages();
        CFolderTree* tree = filesPage()->folderTree();
        QCOMPARE(tree->currentPath(), folder + "/");
        // Once the folder's sixty neighbours are listed, it is still in view.
        QTRY_COMPARE(tree->model()->rowCount(tree->currentIndex().parent()), 61);
        QTRY_VERIFY_WITH_TIMEOUT(
            tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())), 1000);
        QDir(deep).removeRecursively();
    }

    void finishAsksBeforeOverwritingAndProbesWithoutTrace() {
        toFilesPage(true, true);
        auto* page = filesPage();
        finishRefused(); // empty name: no message
        QTest::keyClicks(child<QLineEdit>(page, "fileName"), QStringLiteral("raw"));

        dataDir.write("work/raw.prn", "earlier\n");
        watch.answer(QMessageBox::No);
        finishRefused();
        says({"Data file already exists. Do you want to overwrite it?"});
        QCOMPARE(dataDir.read("work/raw.prn"), std::string("earlier\n"));
        QCOMPARE(fileCount(work().toStdString()), std::size_t(1));

        dataDir.write("work/raw.log", "earlier\n");
        watch.answer(QMessageBox::Yes);
        watch.answer(QMessageBox::No);
        finishRefused();
        QCOMPARE(watch.takeMessages(),
                 (QStringList{"Data file already exists. Do you want to overwrite it?",
                              "Log file already exists. Do you want to overwrite it?"}));
        QCOMPARE(fileCount(work().toStdString()), std::size_t(2));

        // A folder nobody can write in, not even the superuser.
        QVERIFY(page->folderTree()->openPath(QStringLiteral("/proc")));
        watch.icons().clear();
        finishRefused();
        says({"Data file is not accessible!"});
        QCOMPARE(watch.icons(), QStringList{QString::number(QMessageBox::Critical)});
        QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/raw.prn")));
        QCOMPARE(wizard->settings().dataPath, std::string());
    }

    // The files written after Finish equal the command-line tool's for the same choices; a
    // user registry group counts as one more population.
    void filesEqualTheCommandLines_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("group");
        QTest::newRow("one population, formatted") << 0 << false;
        QTest::newRow("a user registry group, comma-separated") << 2 << true;
    }
    void filesEqualTheCommandLines() {
        QFETCH(int, format);
        QFETCH(bool, group);
        if (group) {
            dataDir.write("POPuser.dic", test::groupLine("Cuba, two towns", "012")); // members: 12
            QVERIFY(registryGroups.load(dataDir.file("POPuser.dic")));
        }
        toFilesPage(true, true, group);
        child<QComboBox>(filesPage(), "format")->setCurrentIndex(format);
        QTest::keyClicks(child<QLineEdit>(filesPage(), "fileName"), QStringLiteral("raw"));
        finish();
        const ExportSettings settings = wizard->settings();
        const QString extension = QStringList{".prn", ".txt", ".csv"}[format];
        QCOMPARE(QString::fromStdString(settings.dataPath), work() + "/raw" + extension);

        bool logBeforeDone = true;
        watch.expect([this, &logBeforeDone](QWidget* dialog) {
            logBeforeDone = QFileInfo::exists(work() + "/raw.log");
            watch.takeMessages();
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QCOMPARE(box->text(), QStringLiteral("Done!"));
            box->button(QMessageBox::Ok)->click();
        });
        QVERIFY(CExportWriter::write(wizard.get(), store, settings).ok());
        QVERIFY(!logBeforeDone);

        const std::string data = dataDir.read("work/raw" + extension.toStdString());
        const std::string log = dataDir.read("work/raw.log");
        QCOMPARE(test::linesOf(data).size(), std::size_t(38));
        std::remove(settings.dataPath.c_str());
        std::remove(settings.logPath.c_str());
        const auto cli = test::runProcess(
            {test::cliPath(), "--data-dir", dataDir.str(), "export", "--populations",
             group ? "272" : std::to_string(kVillaClara), "--cancers", "0", "--sexes", "m,f",
             "--format", extension.mid(1).toStdString(), "--out", work().toStdString() + "/raw"});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(dataDir.read("work/raw" + extension.toStdString()), data);
        QCOMPARE(dataDir.read("work/raw.log"), log);
    }

    void cancelLeavesNoHalfWrittenFile() {
        const ExportSettings settings = everything();
        dataDir.write("work/all.csv", "earlier\n");

        QWidget window;
        window.show();
        QTimer ticks; // counts how often the event loop ran during the export
        int tickCount = 0;
        connect(&ticks, &QTimer::timeout, [&tickCount] { ++tickCount; });
        ticks.start(0);
        watch.expect([](QWidget* dialog) {
            auto* progress = qobject_cast<QProgressDialog*>(dialog);
            QVERIFY(progress != nullptr);
            // Cancel as soon as the window is up: the whole export may take well under a second.
            QTimer::singleShot(0, progress, &QProgressDialog::cancel);
        });
        CExportWriter::setProgressDelay(0);
        CExportWriter::setEventInterval(0);
        const ExportOutcome outcome = CExportWriter::write(&window, store, settings);
        CExportWriter::setProgressDelay(400);
        CExportWriter::setEventInterval(50);
        QVERIFY(outcome.cancelled);
        QVERIFY(tickCount >= 1);
        QCOMPARE(dataDir.read("work/all.csv"), std::string("earlier\n"));
        QVERIFY(!QFileInfo::exists(work() + "/all.log"));
        QCOMPARE(fileCount(work().toStdString()), std::size_t(1));
    }

    void unwritableDataFileSkipsDoneAndStillWritesTheLog() {
        ExportSettings settings;
        settings.populationSelection[0] = 0;
        settings.cancerSelection[0] = 0;
        settings.dataPath = "/proc/raw.prn";
        settings.logPath = dataDir.file("work/raw.log");
        const ExportOutcome outcome = CExportWriter::write(nullptr, store, settings);
        QVERIFY(!outcome.data.ok() && outcome.log.ok());
        const QStringList messages = watch.takeMessages();
        QCOMPARE(messages.size(), 1); // the failure, naming the file; no "Done!"
        QVERIFY(messages.first().contains(QStringLiteral("/proc/raw.prn")));
        QVERIFY(!dataDir.read("work/raw.log").empty());
    }

  private:
    QString work() const { return QString::fromStdString(dataDir.file("work")); }
    /// Every population, cancer and sex as comma-separated values into work/all.csv.
    ExportSettings everything() const {
        ExportSettings settings;
        settings.format = 2;
        for (int slot = 0; slot < kFirstRegistryGroup; ++slot) {
            settings.populationSelection[static_cast<std::size_t>(slot)] = slot;
        }
        for (int slot = 0; slot < kFirstCancerGroup; ++slot) {
            settings.cancerSelection[static_cast<std::size_t>(slot)] = slot;
        }
        CRawDataExporter::setPaths(settings, work().toStdString(), "all");
        return settings;
    }
    CExpWiz3* filesPage() const {
        return qobject_cast<CExpWiz3*>(wizard->page(CExpWizard::kFilesPage));
    }

    void start() { open(ExportWizardContext{registryGroups, cancerGroups, work()}); }
    void setSexes(bool male, bool female) {
        on<QCheckBox>("male")->setChecked(male);
        on<QCheckBox>("female")->setChecked(female);
    }
    /// Page 3 with Villa Clara (or the first user group) and "All sites" chosen.
    void toFilesPage(bool male, bool female, bool group = false) {
        start();
        tick("registryTree",
             group ? QStringLiteral("Cuba, two towns") : QStringLiteral("Villa Clara"));
        next();
        tick("cancerTree", QStringLiteral("All sites"));
        setSexes(male, female);
        next();
        at(CExpWizard::kFilesPage);
        watch.takeMessages();
    }
};

ORVELAN_QT_TEST(CExpWizardTest)

#include "CExpWizardTest.moc"
