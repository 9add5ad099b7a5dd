// The report wizard driven as a user drives it: kinds and page sequences, the selection pages,
// the sex boxes, every refusal, templates written and read back, and the documents of Finish.
#include "gui/reports/CRptWizard.h"

#include "GuiFixture.h"
#include "FixtureData.h"
#include "ModalWatch.h"
#include "TempDir.h"
#include "TreeHelpers.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/data/CSelectionPanel.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/reports/CSummaryRatesView.h"
#include "gui/reports/CTemplateSaveDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

using namespace orvelan;
using treehelp::click;
using treehelp::itemByText;

namespace {

constexpr int kStomach = 34;
constexpr int kProstate = 153;
constexpr int kBamako = 3;   // population of row 7, ages to 85+
constexpr int kChangle = 74; // population of row 93, ages to 75+

template <typename T> T* child(QWidget* parent, const char* name) {
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        qWarning("no widget %s", name);
    }
    return widget;
}

} // namespace

class CRptWizardTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        test::FixtureData data;
        test::PopulationFixture full;
        full.personYears = test::FixtureData::flatPersonYears(10000.0);
        test::PopulationFixture shortTop;
        shortTop.personYears = test::FixtureData::flatPersonYears(10000.0, 15);
        for (int sex = 0; sex < 2; ++sex) {
            for (int population : {kBamako, 0, 2}) {
                data.setPopulation(population, sex, full);
            }
            data.setPopulation(kChangle, sex, shortTop);
        }
        test::CasesFixture cases;
        cases.cases[10] = 10.0;
        data.setCases(kBamako, 0, kStomach, cases);
        data.write(dataDir.str());
        QVERIFY(store.open(dataDir.str()));
        store.setUserGroups(&cancerGroups, &registryGroups);
    }

    void init() {
        QDir(QString::fromStdString(dataDir.file("Templates"))).removeRecursively();
        std::remove(dataDir.file("POPuser.dic").c_str());
        std::remove(dataDir.file("ICDuser.dic").c_str());
        QVERIFY(registryGroups.load(dataDir.file("POPuser.dic")).ok());
        QVERIFY(cancerGroups.load(dataDir.file("ICDuser.dic")).ok());
        remembered = ReportChoices{};
        watch.takeMessages();
    }

    void cleanup() {
        wizard.reset();
        CTemplateSaveDialog::setProvider({});
        QVERIFY(watch.idle());
    }

    void typicalRequestOpensOneSummaryViewPerSexMalesFirst() {
        start();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report/Table wizard"));
        chooseKind(0);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Summary incidence rates by sex (1/3)"));
        auto* page = wizard->currentPage();
        QTest::mouseClick(child<QRadioButton>(page, "fixCancer"), Qt::LeftButton);
        auto* cancers = child<CSelectionTree>(page, "cancerTree");
        click(cancers, itemByText(cancers, QStringLiteral("Stomach")));
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kRegistryPage);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Summary incidence rates by sex (2/3)"));
        auto* registries = child<CSelectionTree>(wizard->currentPage(), "registryTree");
        for (const char* name : {"Bamako", "Algiers", "The Gambia"}) {
            click(registries, itemByText(registries, QString::fromLatin1(name)));
        }
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kSummaryStep3);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Summary incidence rates by sex (3/3)"));
        page = wizard->currentPage();
        QCOMPARE(child<QSpinBox>(page, "ageFrom")->text(), QStringLiteral(" 0-"));
        QCOMPARE(child<QSpinBox>(page, "ageTo")->text(), QStringLiteral("85+"));
        child<QCheckBox>(page, "interval")->setChecked(true);
        child<QCheckBox>(page, "male")->setChecked(true);
        child<QCheckBox>(page, "female")->setChecked(true);
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
        const CTextGrid& grid = males->summaryTable()->grid();
        QCOMPARE(grid.rowCount(), 4);
        QCOMPARE(QString::fromStdString(grid.text(1, 0)).trimmed(),
                 QStringLiteral("Algeria, Algiers (1993-1997)"));
        QCOMPARE(QString::fromStdString(grid.text(3, 6)).trimmed(), QStringLiteral("10"));
    }

    void emptySelectionCannotGoNextButCanGoBack() {
        start();
        chooseKind(0);
        auto* page = wizard->currentPage();
        QTest::mouseClick(child<QRadioButton>(page, "fixCancer"), Qt::LeftButton);
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
        auto* female = child<QCheckBox>(wizard->currentPage(), "female");
        auto* male = child<QCheckBox>(wizard->currentPage(), "male");
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
        auto* to = child<QSpinBox>(wizard->currentPage(), "ageTo");
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

    void reversedRangeAndNoSexAreRefused() {
        remembered.block.arrangement = 1;
        remembered.block.fixedCancer = kStomach;
        remembered.registries[7] = 7;
        start();
        chooseKind(0);
        next();
        next();
        auto* page = wizard->currentPage();
        finishRefused(); // no sex ticked: silent
        QVERIFY(watch.takeMessages().isEmpty());
        child<QCheckBox>(page, "male")->setChecked(true);
        child<QSpinBox>(page, "ageFrom")->setValue(10);
        child<QSpinBox>(page, "ageTo")->setValue(5);
        finishRefused();
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("Invalid age range")});
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
        auto* page = wizard->currentPage();
        child<QComboBox>(page, "rateKind")->setCurrentIndex(4);
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kReportStep3);
        QCOMPARE(watch.takeMessages(),
                 QStringList{QStringLiteral("Age range is invalid for cumulative rate/risk")});
        child<QSpinBox>(page, "ageTo")->setValue(14);
        next();
        QCOMPARE(wizard->currentId(), CRptWizard::kReportStep4);

        // "Number of cases" has no interval.
        back();
        child<QCheckBox>(page, "interval")->setChecked(true);
        child<QComboBox>(page, "rateKind")->setCurrentIndex(5);
        QVERIFY(!child<QCheckBox>(page, "interval")->isEnabled());
        QVERIFY(!child<QCheckBox>(page, "interval")->isChecked());
    }

    void templateFromTheLastPageReopensWithEverythingRestored() {
        start();
        QVERIFY(!child<QRadioButton>(wizard->currentPage(), "kind3")->isEnabled());
        chooseKind(2);
        auto* registries = child<CSelectionTree>(wizard->currentPage(), "registryTree");
        QVERIFY(wizard->currentPage()->findChild<QToolButton*>(QStringLiteral("selectAll")) ==
                nullptr);
        click(registries, itemByText(registries, QStringLiteral("Bamako")));
        click(registries, itemByText(registries, QStringLiteral("Changle")));
        next();
        auto* cancers = child<CSelectionTree>(wizard->currentPage(), "cancerTree");
        click(cancers, itemByText(cancers, QStringLiteral("Stomach")));
        next();
        auto* page = wizard->currentPage();
        child<QCheckBox>(page, "female")->setChecked(true);
        child<QComboBox>(page, "rateKind")->setCurrentIndex(0);
        child<QSpinBox>(page, "ageFrom")->setValue(3);
        child<QSpinBox>(page, "ageTo")->setValue(12);
        child<QCheckBox>(page, "interval")->setChecked(true);
        next();
        QTest::mouseClick(child<QRadioButton>(wizard->currentPage(), "rowsRegistry"),
                          Qt::LeftButton);
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report wizard (5/5)"));
        const QString summary =
            child<QPlainTextEdit>(wizard->currentPage(), "summary")->toPlainText();
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
        QTest::mouseClick(child<QPushButton>(wizard->currentPage(), "saveTemplate"),
                          Qt::LeftButton);
        QCOMPARE(filter, QStringLiteral("TBL (ORVELAN report template file)(*.RPT)"));
        QCOMPARE(QFileInfo(path).size(), qint64(2612));
        const ReportChoices saved = wizard->choices();
        wizard->reject();

        start();
        auto* useTemplate = child<QRadioButton>(wizard->currentPage(), "kind3");
        QVERIFY(useTemplate->isEnabled());
        chooseKind(3);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Report templates selection"));
        auto* list = child<QTreeWidget>(wizard->currentPage(), "templateList");
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
        registries = child<CSelectionTree>(wizard->currentPage(), "registryTree");
        QCOMPARE(treehelp::image(itemByText(registries, QStringLiteral("Changle"))),
                 StateImage::SpecialTicked);
        next();
        next();
        page = wizard->currentPage();
        QCOMPARE(child<QComboBox>(page, "rateKind")->currentIndex(), 0);
        QCOMPARE(child<QSpinBox>(page, "ageFrom")->value(), 3);
        QCOMPARE(child<QSpinBox>(page, "ageTo")->value(), 12);
        QVERIFY(child<QCheckBox>(page, "female")->isChecked());
        QVERIFY(!child<QCheckBox>(page, "male")->isChecked());
        QVERIFY(child<QCheckBox>(page, "interval")->isChecked());
        next();
        QVERIFY(child<QRadioButton>(wizard->currentPage(), "rowsRegistry")->isChecked());
        // Back from the first page of a template's kind leads to the kind page.
        back();
        back();
        back();
        back();
        QCOMPARE(wizard->currentId(), CRptWizard::kKindPage);
    }

    void standardTablesTakeARegistryAndItsTitle() {
        start();
        chooseKind(5);
        QCOMPARE(wizard->windowTitle(),
                 QStringLiteral("Standard VEK age-specific incidence table"));
        auto* tree = child<CSelectionTree>(wizard->currentPage(), "registryTree");
        QCOMPARE(tree->currentValue(), 0); // the remembered population, Algiers
        click(tree, itemByText(tree, QStringLiteral("Mali")));
        finishRefused(); // a heading is current: silent stay
        QVERIFY(watch.takeMessages().isEmpty());
        click(tree, itemByText(tree, QStringLiteral("Bamako")));
        QCOMPARE(child<QLineEdit>(wizard->currentPage(), "title")->text(),
                 QStringLiteral("Mali, Bamako (1993-1997)"));
        finish();
        QCOMPARE(wizard->choices().block.fixedRegistry, kBamako);
        const std::vector<ReportDocument> documents =
            CReportOutputs::create(wizard->choices(), store, QStringLiteral("Arial"));
        QCOMPARE(documents.size(), std::size_t(2));
        QCOMPARE(documents[0].output.sex, Sex::Male);
        QCOMPARE(documents[1].output.sex, Sex::Female);
        QVERIFY(documents[0].text.startsWith(QStringLiteral("Mali, Bamako (1993-1997)")));
    }

  private:
    void start() {
        ReportWizardContext context{store, registryGroups, cancerGroups,
                                    QString::fromStdString(dataDir.str())};
        wizard = std::make_unique<CRptWizard>(remembered, context);
        wizard->show();
        QVERIFY(QTest::qWaitForWindowExposed(wizard.get()));
    }
    void chooseKind(int kind) {
        child<QRadioButton>(wizard->currentPage(), QStringLiteral("kind%1").arg(kind).toLatin1())
            ->click();
        QVERIFY(child<QRadioButton>(wizard->currentPage(),
                                    QStringLiteral("kind%1").arg(kind).toLatin1())
                    ->isChecked());
        next();
    }
    void next() { QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton); }
    void back() { QTest::mouseClick(wizard->button(QWizard::BackButton), Qt::LeftButton); }
    void finish() {
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        QCOMPARE(wizard->result(), int(QDialog::Accepted));
    }
    void finishRefused() {
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        QVERIFY(wizard->isVisible());
    }

    test::TempDir dataDir;
    CIncidenceStore store;
    CUserGroupDictionary registryGroups{GroupKind::Registry};
    CUserGroupDictionary cancerGroups{GroupKind::Cancer};
    ReportChoices remembered;
    std::unique_ptr<CRptWizard> wizard;
    ModalWatch watch;
};

ORVELAN_GUI_TEST_MAIN(CRptWizardTest)

#include "CRptWizardTest.moc"
