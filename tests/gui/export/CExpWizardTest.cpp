// The export wizard driven as a user drives it: the refusals of each page, the summary of the
// two paths, the overwrite questions and access probes, and the files written after Finish
// compared with the command-line tool's, byte for byte.
#include "gui/export/CExpWizard.h"

#include "GuiFixture.h"
#include "FixtureData.h"
#include "ModalWatch.h"
#include "RunProcess.h"
#include "TempDir.h"
#include "TextLines.h"
#include "TreeHelpers.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/data/CSelectionPanel.h"
#include "gui/export/CExpWiz3.h"
#include "gui/export/CExportWriter.h"
#include "gui/export/CFolderTree.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <memory>

using namespace orvelan;
using treehelp::click;
using treehelp::itemByText;

namespace {

constexpr int kVillaClara = 12; // population of a dictionary row named "Villa Clara"

template <typename T> T* child(QWidget* parent, const char* name) {
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        qWarning("no widget %s", name);
    }
    return widget;
}

std::size_t fileCount(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

} // namespace

class CExpWizardTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        test::FixtureData data;
        test::PopulationFixture population;
        population.personYears = test::FixtureData::flatPersonYears(1000.0);
        test::CasesFixture cases;
        for (int age = 0; age < kAgeGroupCount; ++age) {
            cases.cases[static_cast<std::size_t>(age)] = age * 3;
        }
        for (int sex = 0; sex < 2; ++sex) {
            data.setPopulation(kVillaClara, sex, population);
            data.setCases(kVillaClara, sex, 0, cases);
        }
        data.write(dataDir.str());
        QVERIFY(store.open(dataDir.str()));
        store.setUserGroups(&cancerGroups, &registryGroups);
    }

    void init() {
        QDir(work()).removeRecursively();
        QDir().mkpath(work());
        std::remove(dataDir.file("POPuser.dic").c_str());
        QVERIFY(registryGroups.load(dataDir.file("POPuser.dic")));
        QVERIFY(cancerGroups.load(dataDir.file("ICDuser.dic")));
        remembered = ExportSettings{};
        watch.takeMessages();
    }

    void cleanup() {
        wizard.reset();
        QVERIFY(watch.idle());
    }

    void pagesRefuseToGoOnUntilTheirChoicesAreMade() {
        start();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Export wizard (1/3)"));
        next();
        QCOMPARE(wizard->currentId(), CExpWizard::kPopulationPage); // nothing ticked, no message
        tickPopulation(QStringLiteral("Villa Clara"));
        next();
        QCOMPARE(wizard->currentId(), CExpWizard::kCancerPage);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Export wizard (2/3)"));
        auto* cancers = child<CSelectionTree>(wizard->currentPage(), "cancerTree");
        QVERIFY(cancers->topLevelItem(0)->text(0).endsWith(QStringLiteral(" cancers")));

        next(); // no cancer
        QCOMPARE(wizard->currentId(), CExpWizard::kCancerPage);
        click(cancers, itemByText(cancers, QStringLiteral("Cervix uteri")));
        setSexes(false, false);
        next(); // no sex
        QCOMPARE(wizard->currentId(), CExpWizard::kCancerPage);
        QVERIFY(watch.takeMessages().isEmpty());

        setSexes(true, false);
        next();
        QCOMPARE(wizard->currentId(), CExpWizard::kCancerPage);
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("Invalid sex/site combination")});
        setSexes(true, true); // females have a cervix: Male with it is refused too
        next();
        QCOMPARE(wizard->currentId(), CExpWizard::kCancerPage);
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("Invalid sex/site combination")});

        setSexes(false, true);
        next();
        QCOMPARE(wizard->currentId(), CExpWizard::kFilesPage);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Export wizard (3/3)"));
        const QStringList messages = watch.takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().startsWith(QStringLiteral("Depending on your computer")));
        QVERIFY(!wizard->settings().male && wizard->settings().female);

        back();
        back(); // Back keeps the pages' choices and never validates
        QCOMPARE(wizard->currentId(), CExpWizard::kPopulationPage);
        child<QToolButton>(wizard->currentPage(), "clearSelection")->click();
        QTest::mouseClick(wizard->button(QWizard::CancelButton), Qt::LeftButton);
        QCOMPARE(wizard->result(), int(QDialog::Rejected));
    }

    void summaryNamesBothFilesInTheChosenFolderAndFormat() {
        toFilesPage(true, true);
        auto* page = filesPage();
        QCOMPARE(page->folderTree()->currentPath(), work() + "/");
        QCOMPARE(child<QComboBox>(page, "format")->currentIndex(), 0);
        QTest::keyClicks(child<QLineEdit>(page, "fileName"), QStringLiteral("raw"));
        const QString folder = work() + "/";
        const QStringList extensions = {".prn", ".txt", ".csv"};
        for (int format = 0; format < 3; ++format) {
            child<QComboBox>(page, "format")->setCurrentIndex(format);
            const QString expected = "Data file:\t\t" + folder + "raw" + extensions[format] +
                                     "\r\nLog file:\t\t" + folder + "raw.log";
            QCOMPARE(page->summaryText(), expected);
            QCOMPARE(child<QPlainTextEdit>(page, "summary")->toPlainText(),
                     QString(expected).replace("\r\n", "\n"));
        }
        QVERIFY(page->folderTree()->openPath(dataDir.path().c_str()));
        QCOMPARE(page->summaryText(), QString("Data file:\t\t%1/raw.csv\r\nLog file:\t\t%1/raw.log")
                                          .arg(QString::fromStdString(dataDir.str())));
        QVERIFY(!page->folderTree()->openPath(work() + "/missing"));
        QCOMPARE(page->folderTree()->failures().size(), 1);
    }

    void finishAsksBeforeOverwritingAndProbesWithoutTrace() {
        toFilesPage(true, true);
        auto* page = filesPage();
        finishRefused(); // empty name: no message
        QVERIFY(watch.takeMessages().isEmpty());
        QTest::keyClicks(child<QLineEdit>(page, "fileName"), QStringLiteral("raw"));

        dataDir.write("work/raw.prn", "earlier\n");
        watch.answer(QMessageBox::No);
        finishRefused();
        QCOMPARE(watch.takeMessages(),
                 QStringList{"Data file already exists. Do you want to overwrite it?"});
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
        QCOMPARE(watch.takeMessages(), QStringList{"Data file is not accessible!"});
        QCOMPARE(watch.icons(), QStringList{QString::number(QMessageBox::Critical)});
        QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/raw.prn")));
        QCOMPARE(wizard->settings().dataPath, std::string());
    }

    void onePopulationBothSexesFormattedEqualsTheCommandLine() {
        runAndCompare(0, false,
                      {" 13 1   1  1       0      1000", " 13 1   1  2       3      1000"}, 38,
                      " 13 " + std::string("Villa Clara") + std::string(80 - 11, ' '),
                      "  1 C00-97     All sites" + std::string(80 - 20, ' '));
    }

    void userRegistryGroupIsWrittenAsOneMoreInBothFilesAndCsvQuotesNames() {
        dataDir.write("POPuser.dic", test::groupLine("Cuba, two towns", "012")); // members: 12
        QVERIFY(registryGroups.load(dataDir.file("POPuser.dic")));
        QCOMPARE(registryGroups.count(), 1);
        runAndCompare(2, true, {"273,1,1,1,0,1000", "273,1,1,2,3,1000"}, 38,
                      "273,\"Cuba, two towns\"", "1,\"C00-97     All sites\"");
    }

    void cancelLeavesNoHalfWrittenFile() {
        const ExportSettings settings = everything();
        dataDir.write("work/all.csv", "earlier\n");

        QWidget window;
        window.show();
        QTimer ticks; // counts how often the event loop ran during the export
        int tickCount = 0;
        connect(&ticks, &QTimer::timeout, [&tickCount] { ++tickCount; });
        ticks.start(20);
        watch.expect([](QWidget* dialog) {
            auto* progress = qobject_cast<QProgressDialog*>(dialog);
            QVERIFY(progress != nullptr);
            // Cancel as soon as the window is up: the whole export may take well under a second.
            QTimer::singleShot(0, progress, &QProgressDialog::cancel);
        });
        CExportWriter::setProgressDelay(0);
        const ExportOutcome outcome = CExportWriter::write(&window, store, settings);
        CExportWriter::setProgressDelay(400);
        QVERIFY(outcome.cancelled);
        QVERIFY(tickCount >= 1);
        QCOMPARE(dataDir.read("work/all.csv"), std::string("earlier\n"));
        QVERIFY(!QFileInfo::exists(work() + "/all.log"));
        QCOMPARE(fileCount(work().toStdString()), std::size_t(1));
        QVERIFY(watch.takeMessages().isEmpty()); // no "Done!"
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

    // Every population, cancer and sex of a full data set as comma-separated values: over two
    // million lines. Slow, so it runs only when ORVELAN_FULL_EXPORT names a data directory
    // (such as the generated data/); it prints the time taken.
    void fullExportTimeAndResponsiveness() {
        const QString fullData = qEnvironmentVariable("ORVELAN_FULL_EXPORT");
        if (fullData.isEmpty()) {
            QSKIP("set ORVELAN_FULL_EXPORT=<data directory> to measure the full export");
        }
        CIncidenceStore fullStore;
        QVERIFY(fullStore.open(fullData.toStdString()));
        const ExportSettings settings = everything();
        QTimer ticks;
        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        connect(&ticks, &QTimer::timeout,
                [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        ticks.start(20);
        sinceTick.start();
        watch.expect([](QWidget* dialog) { QVERIFY(qobject_cast<QProgressDialog*>(dialog)); });
        QElapsedTimer clock;
        clock.start();
        const ExportOutcome outcome = CExportWriter::write(nullptr, fullStore, settings);
        qInfo("full export: %lld ms, longest pause of the event loop %lld ms", clock.elapsed(),
              longestGap);
        QVERIFY2(outcome.ok(), outcome.message().c_str());
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("Done!")});
        QCOMPARE(test::linesOf(dataDir.read("work/all.csv")).size(),
                 std::size_t(229 * 252 * 2 * 19));
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

    void start() {
        ExportWizardContext context{registryGroups, cancerGroups, work()};
        wizard = std::make_unique<CExpWizard>(remembered, context);
        wizard->show();
        QVERIFY(QTest::qWaitForWindowExposed(wizard.get()));
    }
    void next() { QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton); }
    void back() { QTest::mouseClick(wizard->button(QWizard::BackButton), Qt::LeftButton); }
    void finishRefused() {
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        QVERIFY(wizard->isVisible());
        QCOMPARE(wizard->currentId(), CExpWizard::kFilesPage);
    }
    void tickPopulation(const QString& name) {
        auto* tree = child<CSelectionTree>(wizard->currentPage(), "registryTree");
        QTreeWidgetItem* item = itemByText(tree, name);
        QVERIFY(item != nullptr);
        click(tree, item);
    }
    void setSexes(bool male, bool female) {
        child<QCheckBox>(wizard->currentPage(), "male")->setChecked(male);
        child<QCheckBox>(wizard->currentPage(), "female")->setChecked(female);
    }
    /// Page 3 with Villa Clara (or the first user group) and "All sites" chosen.
    void toFilesPage(bool male, bool female, bool group = false) {
        start();
        tickPopulation(group ? QStringLiteral("Cuba, two towns") : QStringLiteral("Villa Clara"));
        next();
        auto* cancers = child<CSelectionTree>(wizard->currentPage(), "cancerTree");
        click(cancers, itemByText(cancers, QStringLiteral("All sites")));
        setSexes(male, female);
        next();
        QCOMPARE(wizard->currentId(), CExpWizard::kFilesPage);
        watch.takeMessages();
    }

    /// Runs the wizard and the writing, checks the first data lines, the line count and the
    /// two dictionary entries of the log, then has the command-line tool write the same
    /// choices to the same paths and compares both files byte for byte.
    void runAndCompare(int format, bool group, const std::vector<std::string>& firstLines,
                       std::size_t lineCount, const std::string& populationEntry,
                       const std::string& cancerEntry) {
        toFilesPage(true, true, group);
        auto* page = filesPage();
        child<QComboBox>(page, "format")->setCurrentIndex(format);
        QTest::keyClicks(child<QLineEdit>(page, "fileName"), QStringLiteral("raw"));
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        QCOMPARE(wizard->result(), int(QDialog::Accepted));
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
        const auto lines = test::linesOf(data);
        QCOMPARE(lines.size(), lineCount);
        for (std::size_t i = 0; i < firstLines.size(); ++i) {
            QCOMPARE(QString::fromStdString(lines[i]), QString::fromStdString(firstLines[i]));
        }
        const auto logLines = test::linesOf(log);
        QCOMPARE(logLines.size(), std::size_t(14));
        QCOMPARE(logLines[1], settings.dataPath + " file format:");
        QCOMPARE(logLines[10], populationEntry);
        QCOMPARE(logLines[13], cancerEntry);

        std::remove(settings.dataPath.c_str());
        std::remove(settings.logPath.c_str());
        const auto cli = test::runProcess(
            {ORVELAN_CLI_PATH, "--data-dir", dataDir.str(), "export", "--populations",
             group ? "272" : std::to_string(kVillaClara), "--cancers", "0", "--sexes", "m,f",
             "--format", extension.mid(1).toStdString(), "--out", work().toStdString() + "/raw"});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(dataDir.read("work/raw" + extension.toStdString()), data);
        QCOMPARE(dataDir.read("work/raw.log"), log);
    }

    test::TempDir dataDir;
    CIncidenceStore store;
    CUserGroupDictionary registryGroups{GroupKind::Registry};
    CUserGroupDictionary cancerGroups{GroupKind::Cancer};
    ExportSettings remembered;
    std::unique_ptr<CExpWizard> wizard;
    ModalWatch watch;
};

ORVELAN_GUI_TEST_MAIN(CExpWizardTest)

#include "CExpWizardTest.moc"
