// The statistics wizard driven as a user drives it: the page sequence of each kind, the
// refusals with their message and icon, the quiet reasons, the typed-in curve with its live
// rates and .STA files written and read back through the page's buttons.
#include "gui/analysis/CStatsWizard.h"

#include "GuiFixture.h"
#include "KnownCodes.h"
#include "RunProcess.h"
#include "WizardHarness.h"
#include "core/analysis/StatsWizardTexts.h"
#include "gui/analysis/CStatsPage.h"
#include "gui/widgets/CFileDialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <fstream>

using namespace orvelan;
using orvelan::test::child;
using treehelp::click;
using treehelp::itemByText;

namespace {

using orvelan::test::kAlgiers;
using orvelan::test::kBamako;
using orvelan::test::kChangle;
using orvelan::test::kStomach;
const QString kError = QString::number(static_cast<int>(QMessageBox::Critical));
const QString kInformation = QString::number(static_cast<int>(QMessageBox::Information));

} // namespace

class CStatsWizardTest : public QObject, public test::WizardHarness<CStatsWizard, AnalysisBlock> {
    Q_OBJECT

  private slots:
    void initTestCase() { openStore(populations({kAlgiers, kBamako}, {kChangle})); }

    void init() {
        resetFolder();
        remembered.refCancer = kStomach;
    }

    void cleanup() { closeWizard(); }

    // Page 1 to page 3 and Finish: the reference and comparison choices come back in the block.
    void twoCurvesStoreBothCurves() {
        start();
        QVERIFY(!wizard->button(QWizard::BackButton)->isVisible());
        chooseKind("twoCurves");
        QCOMPARE(on<QSpinBox>("ageFrom")->text(), QStringLiteral(" 0-"));
        QCOMPARE(on<QSpinBox>("ageTo")->text(), QStringLiteral("85+"));
        choose("registryTree", "Algiers");
        QTest::keyClick(on<QSpinBox>("ageTo"), Qt::Key_Down);
        QCOMPARE(on<QSpinBox>("ageTo")->text(), QStringLiteral("84"));
        QTest::keyClick(on<QSpinBox>("ageFrom"), Qt::Key_Up);
        on<QRadioButton>("female")->click();
        next();
        at(CStatsWizard::kComparisonPage);
        QVERIFY(wizard->button(QWizard::FinishButton)->isVisible());
        // A first comparison starts from the reference curve.
        QCOMPARE(CSelectionTree::valueOf(on<CSelectionTree>("registryTree")->currentItem()),
                 kAlgiers);
        QCOMPARE(description(), QStringLiteral(" Algeria, Algiers\nStomach\nFemale\nage ( 5-84)"));
        choose("registryTree", "Bamako");
        on<QRadioButton>("male")->click();
        finish();
        const AnalysisBlock& block = wizard->block();
        QCOMPARE(block.analysisKind, 0);
        QCOMPARE(
            (std::vector<int>{block.ageLow, block.ageHigh, block.refPopulation, block.refCancer,
                              block.refSex, block.compPopulation, block.compCancer, block.compSex}),
            (std::vector<int>{1, 16, kAlgiers, kStomach, 1, kBamako, kStomach, 0}));
    }

    // Each refusal of the curve pages keeps the page; the named ones say why with an error icon,
    // a missing choice says it in the page's quiet line.
    void curvePagesRefuse() {
        remembered.refPopulation = kChangle;
        startAt("twoCurves");
        QTest::keyClick(on<QSpinBox>("ageTo"), Qt::Key_Down); // 80-84
        next();
        at(CStatsWizard::kReferencePage);
        QCOMPARE(watch.takeMessages(),
                 QStringList{QString::fromLatin1(kPopulationRangeMessage.data())});
        QCOMPARE(watch.icons().takeLast(), kError);

        choose("cancerTree", "Vulva");
        QTest::keyClick(on<QSpinBox>("ageTo"), Qt::Key_Up); // 85+ fits a 75+ top
        next();
        says({"Invalid sex/site combination"});
        at(CStatsWizard::kReferencePage);

        tick("registryTree", QStringLiteral("Africa"));
        on<QRadioButton>("female")->click();
        next();
        at(CStatsWizard::kReferencePage);
        QVERIFY(!qobject_cast<CStatsPage*>(page())->reason().isEmpty());

        choose("registryTree", "Changle");
        next();
        at(CStatsWizard::kComparisonPage);
        on<QRadioButton>("male")->click();
        finishRefused();
        says({"Invalid sex/site combination"});
        QCOMPARE(wizard->block().compPopulation, -1);
    }

    // Several populations: nothing ticked keeps the page quietly; the buttons and ticks edit the
    // list that Finish stores.
    void severalPopulationsNeedOneTick() {
        startAt("severalPopulations");
        next();
        at(CStatsWizard::kSeveralPage);
        finishRefused();
        QVERIFY(!qobject_cast<CStatsPage*>(page())->reason().isEmpty());
        QTest::mouseClick(on<QToolButton>("selectAll"), Qt::LeftButton);
        QVERIFY(selectedCount(on<CSelectionTree>("registryTree")->selection()) > 200);
        QTest::mouseClick(on<QToolButton>("clearSelection"), Qt::LeftButton);
        tick("registryTree", QStringLiteral("Bamako"));
        tick("registryTree", QStringLiteral("Algiers"));
        finish();
        const SelectionList& chosen = wizard->block().severalSelection;
        QCOMPARE(selectedCount(chosen), 2);
        QCOMPARE(chosen[2], 2); // the dictionary row of Algiers
    }

    // Typed rows update their rate and the total at once; text that is no number counts as 0.
    void typedRowsShowRatesAndTotal() {
        toUserPage();
        type("cases0", QStringLiteral("12"));
        type("personYears0", QStringLiteral("40000"));
        QCOMPARE(field("rate0"), QStringLiteral("30.000"));
        type("cases1", QStringLiteral("x3"));
        type("personYears1", QStringLiteral("20000"));
        QCOMPARE(field("rate1"), QStringLiteral("0.000"));
        QCOMPARE(on<QPlainTextEdit>("total")->toPlainText(), QStringLiteral("12/\n60000\n20.00"));
    }

    // A refused typed curve keeps the page with an error; a warning proceeds with an
    // information icon.
    void typedCurveChecks_data() {
        QTest::addColumn<int>("filledTo");
        QTest::addColumn<int>("gap");
        QTest::addColumn<int>("ageHigh");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("finishes");
        QTest::newRow("gap at 40-44")
            << 17 << 8 << 17 << "You must enter person-years up to 85+" << false;
        QTest::newRow("up to 70-74 of 0-85+")
            << 14 << -1 << 17 << "Warning: 74 will be interpreted as 70+" << true;
    }
    void typedCurveChecks() {
        QFETCH(int, filledTo);
        QFETCH(int, gap);
        QFETCH(int, ageHigh);
        QFETCH(QString, message);
        QFETCH(bool, finishes);
        remembered.ageHigh = ageHigh;
        toUserPage();
        for (int j = 0; j <= filledTo; ++j) {
            type(QStringLiteral("personYears%1").arg(j),
                 j == gap ? QStringLiteral("0") : QStringLiteral("1000"));
        }
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        QCOMPARE(watch.takeMessages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(wizard->result() == QDialog::Accepted, finishes);
        if (!message.isEmpty()) {
            QCOMPARE(watch.icons().takeLast(), finishes ? kInformation : kError);
        }
        if (finishes) {
            QCOMPARE(wizard->block().userPersonYears[0], 1000.0);
        }
    }

    // "Save as..." writes the fields, "Use..." reads them back into the page; a name without
    // .STA writes nothing.
    void analysisFileRoundTrip() {
        toUserPage();
        on<QLineEdit>("title")->setText(QStringLiteral("Typed curve"));
        type("cases3", QStringLiteral("7"));
        type("personYears3", QStringLiteral("30000"));
        const QString path = QString::fromStdString(dataDir.file("Templates/curve.sta"));
        QString folder;
        CFileDialogs::setProvider([&](const FileDialogRequest& request) {
            folder = request.directory;
            return request.save ? path : path;
        });
        QTest::mouseClick(on<QPushButton>("saveFile"), Qt::LeftButton);
        QCOMPARE(folder, QString::fromStdString(dataDir.file("Templates")));
        QVERIFY(QFile::exists(path)); // its lines are AnalysisFileTest's

        on<QLineEdit>("title")->clear();
        type("cases3", QStringLiteral("1"));
        QTest::mouseClick(on<QPushButton>("useFile"), Qt::LeftButton);
        QCOMPARE(field("title"), QStringLiteral("Typed curve"));
        QCOMPARE(field("cases3"), QStringLiteral("7"));
        QCOMPARE(field("personYears3"), QStringLiteral("30000"));
        QCOMPARE(field("rate3"), QStringLiteral("23.333"));
        QCOMPARE(on<QPlainTextEdit>("total")->toPlainText(), QStringLiteral("7/\n30000\n23.33"));

        CFileDialogs::setProvider([&](const FileDialogRequest&) {
            return QString::fromStdString(dataDir.file("Templates/curve.txt"));
        });
        QTest::mouseClick(on<QPushButton>("saveFile"), Qt::LeftButton);
        says({"File format not supported..."});
        QVERIFY(!QFile::exists(QString::fromStdString(dataDir.file("Templates/curve.txt"))));
    }

    // Paste fills the 18 rows from a spreadsheet's table; text in a number cell is refused with
    // the parser's message, and the fields stay as they were. The same table saved as CSV and
    // made into an analysis file by the command line opens with the same figures.
    void pasteFillsTheRowsFromASpreadsheet() {
        toUserPage();
        type("cases0", QStringLiteral("99"));
        const auto paste = [this](const QString& text) {
            QGuiApplication::clipboard()->setText(text);
            QTest::mouseClick(on<QPushButton>("paste"), Qt::LeftButton);
        };
        QString table = QStringLiteral("Age\tCases\tPerson-years\n");
        for (int group = 0; group < 18; ++group) {
            table += QStringLiteral("%1\t%2\t%3\n").arg(group * 5).arg(group).arg(10000);
        }
        paste(
            QString(table).replace(QStringLiteral("\t3\t10000"), QStringLiteral("\tthree\t10000")));
        says({"Row 5: \"three\" is not a number."});
        QCOMPARE(field("cases0"), QStringLiteral("99"));

        paste(table);
        QCOMPARE(field("cases0"), QStringLiteral("0"));
        QCOMPARE(field("cases17"), QStringLiteral("17"));
        QCOMPARE(field("personYears17"), QStringLiteral("10000"));
        QCOMPARE(field("rate17"), QStringLiteral("170.000"));
        const std::string csv = dataDir.file("registry.csv");
        std::ofstream(csv) << QString(table).replace(u'\t', u',').toStdString();
        const std::string sta = dataDir.file("registry.STA");
        const test::ProcessResult made =
            test::runProcess({test::cliPath(), "sta", "make", "--from", csv, "--out", sta, "--name",
                              "\xc3\x85rhus"});
        QVERIFY2(made.exitCode == 0, made.err.c_str());
        QStringList pasted;
        for (int group = 0; group < 18; ++group) {
            pasted << field(QStringLiteral("cases%1").arg(group))
                   << field(QStringLiteral("personYears%1").arg(group))
                   << field(QStringLiteral("rate%1").arg(group));
        }
        type("cases0", QStringLiteral("99"));
        CFileDialogs::setProvider(
            [&](const FileDialogRequest&) { return QString::fromStdString(sta); });
        QTest::mouseClick(on<QPushButton>("useFile"), Qt::LeftButton);
        QCOMPARE(field("title"), QStringLiteral("\u00c5rhus"));
        for (int group = 0; group < 18; ++group) {
            QCOMPARE(field(QStringLiteral("cases%1").arg(group)), pasted[group * 3]);
            QCOMPARE(field(QStringLiteral("personYears%1").arg(group)), pasted[group * 3 + 1]);
            QCOMPARE(field(QStringLiteral("rate%1").arg(group)), pasted[group * 3 + 2]);
        }
    }

  private:
    void start() { open(context<StatsWizardContext>()); }
    void startAt(const char* name) {
        start();
        chooseKind(name);
    }
    void toUserPage() {
        startAt("userDefined");
        next();
        at(CStatsWizard::kUserCurvePage);
    }
    void chooseKind(const char* name) {
        child<QRadioButton>(page(), name)->click();
        next();
    }
    void choose(const char* treeName, const char* text) {
        tick(treeName, QString::fromLatin1(text));
    }
    void type(const QString& name, const QString& text) {
        auto* edit = child<QLineEdit>(page(), name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QString field(const QString& name) const { return child<QLineEdit>(page(), name)->text(); }
    QString description() const {
        return on<QPlainTextEdit>("referenceDescription")->toPlainText();
    }
};

ORVELAN_QT_TEST(CStatsWizardTest)

#include "CStatsWizardTest.moc"
