// The report wizard driven as a user drives it: kinds and page sequences, the selection pages,
// the sex boxes, every refusal, templates written and read back, and the documents of Finish.
#include "gui/reports/CRptWizard.h"

#include "GuiFixture.h"
#include "KnownCodes.h"
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

    void typicalRequestOpensOneSummaryViewPerSexMalesFirst() {
        start();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report/Table wizard"));
        chooseKind(0);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Summary incidence rates by sex (1/3)"));
        auto* current = wizard->currentPage();
        QTest::mouseClick(child<QRadioButton>(current, "fixCancer"), Qt::LeftButton);
        auto* cancers = child<CSelectionTree>(current, "cancerTree");
        click(cancers, itemByText(cancers, QStringLiteral("Stomach")));
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kRegistryPage);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Summary incidence rates by sex (2/3)"));
        auto* registries = child<CSelectionTree>(page(), "registryTree");
        for (const char* name : {"Bamako", "Algiers", "The Gambia"}) {
            click(registries, itemByText(registries, QString::fromLatin1(name)));
        }
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kSummaryStep3);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Summary incidence rates by sex (3/3)"));
        current = wizard->currentPage();
        QCOMPARE(child<QSpinBox>(current, "ageFrom")->text(), QStringLiteral(" 0-"));
        QCOMPARE(child<QSpinBox>(current, "ageTo")->text(), QStringLiteral("85+"));
        // The age fields keep their own size, so that the arrows sit by the label, and step by
        // the arrow keys and the arrows.
        auto* from = child<QSpinBox>(current, "ageFrom");
        auto* to = child<QSpinBox>(current, "ageTo");
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
        child<QCheckBox>(current, "interval")->setChecked(true);
        child<QCheckBox>(current, "male")->setChecked(true);
        child<QCheckBox>(current, "female")->setChecked(true);
        finish();

        const ReportChoices& chosen = wizard->choices();
        QCOMPARE(chosen.block.toArray(),
                 (std::array<std::int32_t, 11>{0, 1, 1, kStomach, 0, 0, 17, 1, 2, 1, 2}));
        QCOMPARE(selectedCount(chosen.registries), 3);
        std::vector<ReportDocument> documents =
            CReportOutputs::create(chosen, store, QStringLiteral("Arial"));
        QCOMPARE(documents.size(), std::size_t(2));
        auto* males = qobject_cast<CSummaryRatesView*>(documents[0].view.get());
        auto* females = qobject_cast<CSummaryRatesView*>(documents[1].view.get());
        QVERIFY(males != nullptr && females != nullptr);
        QCOMPARE(males->title(), QStringLiteral("Stomach-Male (All ages)"));
        QCOMPARE(females->title(), QStringLiteral("Stomach-Female (All ages)"));
        QCOMPARE(males->summaryTable()->grid().rowCount(), 4); // the three registries
    }

    void emptySelectionCannotGoNextButCanGoBack() {
        start();
        chooseKind(0);
        auto* current = wizard->currentPage();
        QTest::mouseClick(child<QRadioButton>(current, "fixCancer"), Qt::LeftButton);
        next(); // the remembered cancer 0 ("All sites") is the current choice
        QCOMPARE(wizard->currentId(), CRptWizard::kRegistryPage);
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kRegistryPage);
        QVERIFY(watch.takeMessages().isEmpty());
        back();
        QCOMPARE(wizard->currentId(), CRptWizard::kSummaryStep1);
    }

    void maleOnlySiteDisablesFemale() {
        remembered.block.fixedCancer = kProstate;
        remembered.block.arrangement = 1;
        remembered.block.female = 2;
        remembered.registries[7] = 7;
        start();
        chooseKind(1);
        next();
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kAgeSpecificStep3);
        auto* female = child<QCheckBox>(page(), "female");
        auto* male = child<QCheckBox>(page(), "male");
        QVERIFY(!female->isEnabled());
        QVERIFY(!female->isChecked());
        QVERIFY(male->isChecked());
        QVERIFY(male->isEnabled());
    }

    void registryEndingAt75IsRefusedAnUpperGroupBelow85() {
        remembered.block.arrangement = 0;
        remembered.block.fixedRegistry = kChangle;
        remembered.block.male = 1;
        remembered.cancers[kStomach] = kStomach;
        start();
        chooseKind(0);
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kCancerPage);
        next();
        auto* to = child<QSpinBox>(page(), "ageTo");
        to->setValue(16);
        QCOMPARE(to->text(), QStringLiteral("84"));
        finishRefused();
        QCOMPARE(watch.takeMessages(),
                 QStringList{QStringLiteral("Selected population and age range are not "
                                            "compatible.\r\nCheck population figures.")});
        QCOMPARE(watch.icons().last(), QString::number(int(QMessageBox::Critical)));
        to->setValue(17);
        finish();
        QCOMPARE(wizard->choices().block.ageTo, 17);
        QCOMPARE(wizard->choices().block.fixedRegistry, kChangle);
    }

    void firstRunTicksBothSexesAndNoSexIsSaidOnThePage() {
        remembered.block.arrangement = 1;
        remembered.block.fixedCancer = kStomach;
        remembered.registries[7] = 7;
        remembered.cancers[kStomach] = kStomach;
        start();
        chooseKind(0);
        next();
        next();
        auto* current = wizard->currentPage();
        auto* male = child<QCheckBox>(current, "male");
        auto* female = child<QCheckBox>(current, "female");
        QVERIFY(male->isChecked() && female->isChecked());
        toggle(male);
        toggle(female);
        finishRefused();
        QVERIFY(watch.takeMessages().isEmpty());
        auto* reason = child<QLabel>(current, "reason");
        QCOMPARE(reason->text(), QStringLiteral("Tick at least one sex."));
        QVERIFY(reason->isVisible());
        toggle(male);
        child<QSpinBox>(current, "ageFrom")->setValue(10);
        child<QSpinBox>(current, "ageTo")->setValue(5);
        finishRefused();
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("Invalid age range")});
        QVERIFY(reason->text().isEmpty());
        wizard->reject();

        // The user-defined report's sex step says it too.
        start();
        chooseKind(2);
        next();
        next();
        current = wizard->currentPage();
        QVERIFY(child<QCheckBox>(current, "male")->isChecked());
        QVERIFY(child<QCheckBox>(current, "female")->isChecked());
        toggle(child<QCheckBox>(current, "male"));
        toggle(child<QCheckBox>(current, "female"));
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kReportStep3);
        QCOMPARE(child<QLabel>(current, "reason")->text(),
                 QStringLiteral("Tick at least one sex."));
    }

    void cumulativeRiskWithTopGroupIsRefused() {
        remembered.registries[7] = 7;
        remembered.cancers[kStomach] = kStomach;
        remembered.block.male = 1;
        start();
        chooseKind(2);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report wizard (1/5)"));
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report wizard (2/5)"));
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report wizard (3/5)"));
        auto* current = wizard->currentPage();
        child<QComboBox>(current, "rateKind")->setCurrentIndex(4);
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kReportStep3);
        QCOMPARE(watch.takeMessages(),
                 QStringList{QStringLiteral("Age range is invalid for cumulative rate/risk")});
        child<QSpinBox>(current, "ageTo")->setValue(14);
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kReportStep4);

        // "Number of cases" has no interval.
        back();
        child<QCheckBox>(current, "interval")->setChecked(true);
        child<QComboBox>(current, "rateKind")->setCurrentIndex(5);
        QVERIFY(!child<QCheckBox>(current, "interval")->isEnabled());
        QVERIFY(!child<QCheckBox>(current, "interval")->isChecked());
    }

    void templateFromTheLastPageReopensWithEverythingRestored() {
        start();
        QVERIFY(!child<QRadioButton>(page(), "kind3")->isEnabled());
        chooseKind(2);
        auto* registries = child<CSelectionTree>(page(), "registryTree");
        QVERIFY(page()->findChild<QToolButton*>(QStringLiteral("selectAll")) == nullptr);
        click(registries, itemByText(registries, QStringLiteral("Bamako")));
        click(registries, itemByText(registries, QStringLiteral("Changle")));
        next();
        auto* cancers = child<CSelectionTree>(page(), "cancerTree");
        click(cancers, itemByText(cancers, QStringLiteral("Stomach")));
        next();
        auto* current = wizard->currentPage();
        toggle(child<QCheckBox>(current, "male"));
        child<QComboBox>(current, "rateKind")->setCurrentIndex(0);
        child<QSpinBox>(current, "ageFrom")->setValue(3);
        child<QSpinBox>(current, "ageTo")->setValue(12);
        child<QCheckBox>(current, "interval")->setChecked(true);
        next();
        QTest::mouseClick(child<QRadioButton>(page(), "rowsRegistry"), Qt::LeftButton);
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report wizard (5/5)"));
        const QString summary = child<QPlainTextEdit>(page(), "summary")->toPlainText();
        QVERIFY2(summary.contains(QStringLiteral("\tCancers:\nStomach\n\tSexes:\nFemale\n\tRate:\n"
                                                 "Crude rate (age 15-64) [95% CI]\n\tLayout:\n"
                                                 "Rows arranged by Registry")),
                 qPrintable(summary));

        QString filter;
        const QString path = QString::fromStdString(dataDir.file("Templates/Mine.rpt"));
        CTemplateSaveDialog::setProvider([&](const QString& proposed, const QString& f) {
            filter = f;
            return proposed.endsWith(QStringLiteral("Templates/.RPT")) ? path : QString();
        });
        QTest::mouseClick(child<QPushButton>(page(), "saveTemplate"), Qt::LeftButton);
        QCOMPARE(filter, QStringLiteral("TBL (ORVELAN report template file)(*.RPT)"));
        QCOMPARE(QFileInfo(path).size(), qint64(2612));
        const ReportChoices saved = wizard->choices();
        wizard->reject();

        start();
        auto* useTemplate = child<QRadioButton>(page(), "kind3");
        QVERIFY(useTemplate->isEnabled());
        chooseKind(3);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report templates selection"));
        auto* list = child<QTreeWidget>(page(), "templateList");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Mine"));
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Report"));
        QVERIFY(!list->topLevelItem(0)->text(2).isEmpty());
        next(); // no row chosen: stays
        QCOMPARE(wizard->currentId(), CRptWizard::kTemplatePage);
        list->setCurrentItem(list->topLevelItem(0));
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report wizard (1/5)"));
        QCOMPARE(wizard->choices().block, saved.block);
        QCOMPARE(wizard->choices().registries, saved.registries);
        QCOMPARE(wizard->choices().cancers, saved.cancers);
        registries = child<CSelectionTree>(page(), "registryTree");
        QCOMPARE(treehelp::image(itemByText(registries, QStringLiteral("Changle"))),
                 StateImage::SpecialTicked);
        next();
        next();
        current = wizard->currentPage();
        QCOMPARE(child<QComboBox>(current, "rateKind")->currentIndex(), 0);
        QCOMPARE(child<QSpinBox>(current, "ageFrom")->value(), 3);
        QCOMPARE(child<QSpinBox>(current, "ageTo")->value(), 12);
        QVERIFY(child<QCheckBox>(current, "female")->isChecked());
        QVERIFY(!child<QCheckBox>(current, "male")->isChecked());
        QVERIFY(child<QCheckBox>(current, "interval")->isChecked());
        next();
        QVERIFY(child<QRadioButton>(page(), "rowsRegistry")->isChecked());
        // Back from the first page of a template's kind leads to the kind page.
        back();
        back();
        back();
        back();
        QCOMPARE(wizard->currentId(), CRptWizard::kKindPage);
    }

    void templateOfNoReportKindNamesItsFile() {
        ReportChoices odd;
        odd.block.reportKind = 7;
        QDir().mkpath(templates());
        const std::string path = dataDir.file("Templates/Odd.RPT");
        QVERIFY(CReportTemplate::write(path, odd, 0, 0).ok());
        start();
        chooseKind(3);
        auto* list = child<QTreeWidget>(page(), "templateList");
        QCOMPARE(list->topLevelItemCount(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->topLevelItem(0)).center());
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kTemplatePage);
        QCOMPARE(watch.takeMessages(),
                 QStringList{QStringLiteral("File '%1' cannot be run: report kind 7 is not a "
                                            "report (0 summary rates, 1 age-specific, 2 "
                                            "user-defined)")
                                 .arg(QString::fromStdString(path))});
    }

    void standardTablesTakeARegistryAndItsTitle() {
        start();
        chooseKind(5);
        QCOMPARE(wizard->windowTitle(),
                 QStringLiteral("Standard VEK age-specific incidence table"));
        auto* tree = child<CSelectionTree>(page(), "registryTree");
        QCOMPARE(tree->currentValue(), 0); // the remembered population, Algiers
        click(tree, itemByText(tree, QStringLiteral("Mali")));
        finishRefused(); // a heading is current: silent stay
        QVERIFY(watch.takeMessages().isEmpty());
        click(tree, itemByText(tree, QStringLiteral("Bamako")));
        auto* title = child<QLineEdit>(page(), "title");
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

  private:
    void start() { open(context<ReportWizardContext>()); }
    void chooseKind(int kind) {
        auto* button = child<QRadioButton>(page(), QStringLiteral("kind%1").arg(kind));
        button->click();
        QVERIFY(button->isChecked());
        next();
    }
};

ORVELAN_QT_TEST(CRptWizardTest)

#include "CRptWizardTest.moc"
