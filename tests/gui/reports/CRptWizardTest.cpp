// The report wizard driven as a user drives it: kinds and page sequences, the selection pages,
// the sex boxes, the refusals, templates written and read back (one made by orvelan-cli among
// them), and the documents of Finish.
#include "gui/reports/CRptWizard.h"

#include "GuiFixture.h"
#include "KnownCodes.h"
#include "RunProcess.h"
#include "WizardHarness.h"
#include "core/reports/CReportTemplate.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/reports/CSummaryRatesView.h"
#include "gui/widgets/CTemplateSaveDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <nlohmann/json.hpp>

using namespace orvelan;
using orvelan::test::child;
using treehelp::click;
using treehelp::itemByText;

namespace {

using orvelan::test::kBamako;
using orvelan::test::kChangle;
using orvelan::test::kProstate;
using orvelan::test::kStomach;

/// Clicks a box on its tick mark (the box spans the page; its middle is empty space).
void toggle(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

} // namespace

class CRptWizardTest : public QObject, public test::WizardHarness<CRptWizard, ReportChoices> {
    Q_OBJECT

  private slots:
    void initTestCase() {
        test::FixtureData data = populations({kBamako, 0, 2}, {kChangle});
        test::CasesFixture cases;
        cases.cases[10] = 10.0;
        data.setCases(kBamako, 0, kStomach, cases);
        openStore(data);
    }

    void init() { resetFolder(); }

    void cleanup() { closeWizard(); }

    void typicalSummaryRequestComesBackInTheBlock() {
        startAt(0);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Summary incidence rates by sex (1/3)"));
        QTest::mouseClick(on<QRadioButton>("fixCancer"), Qt::LeftButton);
        tick("cancerTree", QStringLiteral("Stomach"));
        next();
        at(CRptWizard::kRegistryPage);
        for (const char* name : {"Bamako", "Algiers", "The Gambia"}) {
            tick("registryTree", QString::fromLatin1(name));
        }
        next();
        at(CRptWizard::kSummaryStep3);
        // The age fields keep their own size, so that the arrows sit by the label, and step by
        // the arrow keys and the arrows.
        auto* from = on<QSpinBox>("ageFrom");
        auto* to = on<QSpinBox>("ageTo");
        QCOMPARE(from->text(), QStringLiteral(" 0-"));
        QCOMPARE(to->text(), QStringLiteral("85+"));
        QVERIFY2(from->width() <= from->sizeHint().width(),
                 qPrintable(QString::number(from->width())));
        QTest::mouseClick(from, Qt::LeftButton, {}, QPoint(8, from->height() / 2));
        QVERIFY(from->hasFocus());
        QTest::keyClick(from, Qt::Key_Up);
        QTest::keyClick(from, Qt::Key_Up);
        QCOMPARE(from->text(), QStringLiteral("10-"));
        QTest::keyClick(from, Qt::Key_Down);
        QTest::keyClick(from, Qt::Key_Down);
        QCOMPARE(from->text(), QStringLiteral(" 0-"));
        QStyleOptionSpinBox option;
        option.initFrom(to);
        const QRect down =
            to->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, to);
        QTest::mouseClick(to, Qt::LeftButton, {}, down.center());
        QCOMPARE(to->text(), QStringLiteral("84"));
        QTest::keyClick(to, Qt::Key_Up);
        QCOMPARE(to->text(), QStringLiteral("85+"));
        on<QCheckBox>("interval")->setChecked(true);
        on<QCheckBox>("male")->setChecked(true);
        on<QCheckBox>("female")->setChecked(true);
        finish();

        const ReportChoices& chosen = wizard->choices();
        QCOMPARE(chosen.block.toArray(),
                 (std::array<std::int32_t, 11>{0, 1, 1, kStomach, 0, 0, 17, 1, 2, 1, 2}));
        QCOMPARE(selectedCount(chosen.registries), 3);
        // The views this block opens, males first, are TableViewsTest's.
    }

    void emptySelectionCannotGoNextButCanGoBack() {
        startAt(0);
        QTest::mouseClick(on<QRadioButton>("fixCancer"), Qt::LeftButton);
        next(); // the remembered cancer 0 ("All sites") is the current choice
        at(CRptWizard::kRegistryPage);
        next();
        at(CRptWizard::kRegistryPage);
        back();
        at(CRptWizard::kSummaryStep1);
    }

    void maleOnlySiteDisablesFemale() {
        remembered.block.fixedCancer = kProstate;
        remembered.block.arrangement = 1;
        remembered.block.female = 2;
        remembered.registries[7] = 7;
        startAt(1);
        next(2);
        at(CRptWizard::kAgeSpecificStep3);
        QVERIFY(!on<QCheckBox>("female")->isEnabled() && !on<QCheckBox>("female")->isChecked());
        QVERIFY(on<QCheckBox>("male")->isEnabled() && on<QCheckBox>("male")->isChecked());
    }

    void registryEndingAt75IsRefusedAnUpperGroupBelow85() {
        remembered.block.arrangement = 0;
        remembered.block.fixedRegistry = kChangle;
        remembered.block.male = 1;
        remembered.cancers[kStomach] = kStomach;
        startAt(0);
        next();
        at(CRptWizard::kCancerPage);
        next();
        auto* to = on<QSpinBox>("ageTo");
        to->setValue(16);
        QCOMPARE(to->text(), QStringLiteral("84"));
        finishRefused();
        says({"Selected population and age range are not "
              "compatible.\r\nCheck population figures."});
        QCOMPARE(watch.icons().last(), QString::number(int(QMessageBox::Critical)));
        to->setValue(17);
        finish();
        QCOMPARE(wizard->choices().block.ageTo, 17);
        QCOMPARE(wizard->choices().block.fixedRegistry, kChangle);
    }

    void firstRunTicksBothSexesAndNoSexIsSaidOnThePage() {
        remembered.block.arrangement = 1;
        remembered.block.fixedCancer = kStomach;
        remember(7, kStomach);
        startAt(0);
        next(2);
        auto* male = on<QCheckBox>("male");
        auto* female = on<QCheckBox>("female");
        QVERIFY(male->isChecked() && female->isChecked());
        toggle(male);
        toggle(female);
        finishRefused();
        auto* reason = on<QLabel>("reason");
        QCOMPARE(reason->text(), QStringLiteral("Tick at least one sex."));
        QVERIFY(reason->isVisible());
        wizard->reject();

        // The user-defined report's sex step says it too.
        startAt(2);
        next(2);
        QVERIFY(on<QCheckBox>("male")->isChecked());
        QVERIFY(on<QCheckBox>("female")->isChecked());
        toggle(on<QCheckBox>("male"));
        toggle(on<QCheckBox>("female"));
        next();
        at(CRptWizard::kReportStep3);
        QCOMPARE(on<QLabel>("reason")->text(), QStringLiteral("Tick at least one sex."));
    }

    void cumulativeRiskWithTopGroupIsRefused() {
        remember(7, kStomach);
        remembered.block.male = 1;
        startAt(2);
        next(2);
        on<QComboBox>("rateKind")->setCurrentIndex(4);
        next();
        at(CRptWizard::kReportStep3);
        says({"Age range is invalid for cumulative rate/risk"});
        on<QSpinBox>("ageTo")->setValue(14);
        next();
        at(CRptWizard::kReportStep4);

        // "Number of cases" has no interval.
        back();
        on<QCheckBox>("interval")->setChecked(true);
        on<QComboBox>("rateKind")->setCurrentIndex(5);
        QVERIFY(!on<QCheckBox>("interval")->isEnabled());
        QVERIFY(!on<QCheckBox>("interval")->isChecked());
    }

    void templateFromTheLastPageReopensWithEverythingRestored() {
        start();
        QVERIFY(!on<QRadioButton>("kind3")->isEnabled());
        chooseKind(2);
        QVERIFY(page()->findChild<QToolButton*>(QStringLiteral("selectAll")) == nullptr);
        tick("registryTree", QStringLiteral("Bamako"));
        tick("registryTree", QStringLiteral("Changle"));
        next();
        tick("cancerTree", QStringLiteral("Stomach"));
        next();
        toggle(on<QCheckBox>("male"));
        on<QComboBox>("rateKind")->setCurrentIndex(0);
        on<QSpinBox>("ageFrom")->setValue(3);
        on<QSpinBox>("ageTo")->setValue(12);
        on<QCheckBox>("interval")->setChecked(true);
        next();
        QTest::mouseClick(on<QRadioButton>("rowsRegistry"), Qt::LeftButton);
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report wizard (5/5)"));
        // The pages' choices reach the summary (its layout is ReportSummaryTest's).
        const QString summary = on<QPlainTextEdit>("summary")->toPlainText();
        QVERIFY2(summary.contains(QStringLiteral("Crude rate (age 15-64) [95% CI]")),
                 qPrintable(summary));

        QString filter;
        const QString path = QString::fromStdString(dataDir.file("Templates/Mine.rpt"));
        CTemplateSaveDialog::setProvider([&](const QString& proposed, const QString& f) {
            filter = f;
            return proposed.endsWith(QStringLiteral("Templates/.RPT")) ? path : QString();
        });
        QTest::mouseClick(on<QPushButton>("saveTemplate"), Qt::LeftButton);
        QCOMPARE(filter, QStringLiteral("TBL (ORVELAN report template file)(*.RPT)"));
        QVERIFY(QFileInfo::exists(path));
        const ReportChoices saved = wizard->choices();
        wizard->reject();

        start();
        auto* useTemplate = on<QRadioButton>("kind3");
        QVERIFY(useTemplate->isEnabled());
        chooseKind(3);
        auto* list = on<QTreeWidget>("templateList");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Mine"));
        next(); // no row chosen: stays
        at(CRptWizard::kTemplatePage);
        list->setCurrentItem(list->topLevelItem(0));
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report wizard (1/5)"));
        QCOMPARE(wizard->choices().block, saved.block);
        QCOMPARE(wizard->choices().registries, saved.registries);
        QCOMPARE(wizard->choices().cancers, saved.cancers);
        auto* registries = on<CSelectionTree>("registryTree");
        QCOMPARE(treehelp::image(itemByText(registries, QStringLiteral("Changle"))),
                 StateImage::SpecialTicked);
        next(2);
        QCOMPARE(on<QComboBox>("rateKind")->currentIndex(), 0);
        QCOMPARE(on<QSpinBox>("ageFrom")->value(), 3);
        QCOMPARE(on<QSpinBox>("ageTo")->value(), 12);
        QVERIFY(on<QCheckBox>("female")->isChecked());
        QVERIFY(!on<QCheckBox>("male")->isChecked());
        QVERIFY(on<QCheckBox>("interval")->isChecked());
        next();
        QVERIFY(on<QRadioButton>("rowsRegistry")->isChecked());
        // Back from the first page of a template's kind leads to the kind page.
        for (int page = 0; page < 4; ++page) {
            back();
        }
        at(CRptWizard::kKindPage);
    }

    void templateOfNoReportKindNamesItsFile() {
        ReportChoices odd;
        odd.block.reportKind = 7;
        QDir().mkpath(templates());
        const std::string path = dataDir.file("Templates/Odd.RPT");
        QVERIFY(CReportTemplate::write(path, odd, 0, 0).ok());
        startAt(3);
        auto* list = on<QTreeWidget>("templateList");
        QCOMPARE(list->topLevelItemCount(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->topLevelItem(0)).center());
        next();
        at(CRptWizard::kTemplatePage);
        QCOMPARE(watch.takeMessages(),
                 QStringList{QStringLiteral("File '%1' cannot be run: report kind 7 is not a "
                                            "report (0 summary rates, 1 age-specific, 2 "
                                            "user-defined)")
                                 .arg(QString::fromStdString(path))});
    }

    void standardTablesTakeARegistryAndItsTitle() {
        startAt(5);
        auto* tree = on<CSelectionTree>("registryTree");
        QCOMPARE(tree->currentValue(), 0); // the remembered population, Algiers
        click(tree, itemByText(tree, QStringLiteral("Mali")));
        finishRefused(); // a heading is current: silent stay
        click(tree, itemByText(tree, QStringLiteral("Bamako")));
        auto* title = on<QLineEdit>("title");
        QCOMPARE(title->text(), QStringLiteral("Mali, Bamako (1993-1997)"));
        // A typed title keeps the single-byte text of the table files.
        title->selectAll();
        QTest::keyClicks(title, QStringLiteral("Mali, Bamako ("));
        title->insert(QString::fromUtf8("\u00e9t\u00e9)")); // as an input method types it
        finish();
        QCOMPARE(wizard->choices().title, std::string("Mali, Bamako (\xE9t\xE9)"));
        QCOMPARE(wizard->choices().block.fixedRegistry, kBamako);
        const std::vector<ReportDocument> documents =
            CReportOutputs::create(wizard->choices(), store, QStringLiteral("Arial"));
        QCOMPARE(documents.size(), std::size_t(2));
        QCOMPARE(documents[0].output.sex, Sex::Male);
        QCOMPARE(documents[1].output.sex, Sex::Female);
        QVERIFY(documents[0].text.startsWith(QString::fromUtf8("Mali, Bamako (\u00e9t\u00e9)")));
    }

    // A report template made by orvelan-cli is listed by the template page, opens the wizard at
    // its kind with every choice restored, and Finish computes the same grid as the command
    // line's `report --template`.
    void templateMadeByTheCommandLineIsListedOpenedAndRun() {
        QVERIFY(QDir().mkpath(templates()));
        const std::string path = dataDir.file("Templates/Headless.RPT");
        const auto made =
            cli({"template", "make", "--out", path, "--kind", "summary", "--populations", "0,3",
                 "--cancers", "34", "--sexes", "m", "--from", "2", "--to", "14", "--ci"});
        QVERIFY2(made.exitCode == 0, made.err.c_str());

        startAt(3);
        auto* list = on<QTreeWidget>("templateList");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Headless"));
        list->setCurrentItem(list->topLevelItem(0));
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Summary incidence rates by sex (1/3)"));
        QCOMPARE(wizard->choices().block.toArray(),
                 (std::array<std::int32_t, 11>{0, 1, 1, kStomach, 0, 2, 14, 1, 0, 1, 0}));
        next(2); // the registries as the template ticked them, then the ages, interval and sexes
        finish();

        std::vector<ReportDocument> documents =
            CReportOutputs::create(wizard->choices(), store, QStringLiteral("Arial"));
        QCOMPARE(documents.size(), std::size_t(1));
        auto* view = qobject_cast<CSummaryRatesView*>(documents[0].view.get());
        QVERIFY(view != nullptr);
        const auto run = cli({"report", "--template", path, "--json"});
        QVERIFY2(run.exitCode == 0, run.err.c_str());
        const auto cells = nlohmann::json::parse(run.out)[0]["cells"];
        QCOMPARE(nlohmann::json(view->summaryTable()->grid().rows()), cells);
        QCOMPARE(cells.size(), std::size_t(3)); // header and two registries
        QVERIFY(watch.idle());
    }

  private:
    /// A remembered choice of one registry row and one cancer.
    void remember(int row, int cancer) {
        remembered.registries[static_cast<std::size_t>(row)] = row;
        remembered.cancers[static_cast<std::size_t>(cancer)] = cancer;
    }
    test::ProcessResult cli(std::vector<std::string> args) const {
        args.insert(args.begin(), {test::cliPath(), "--data-dir", dataDir.str()});
        return test::runProcess(args);
    }
    void start() { open(context<ReportWizardContext>()); }
    void startAt(int kind) {
        start();
        chooseKind(kind);
    }
    void chooseKind(int kind) {
        auto* button = child<QRadioButton>(page(), QStringLiteral("kind%1").arg(kind));
        button->click();
        QVERIFY(button->isChecked());
        next();
    }
};

ORVELAN_QT_TEST(CRptWizardTest)

#include "CRptWizardTest.moc"
