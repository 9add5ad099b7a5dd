// The graph wizard driven as a user drives it: the kind current, each kind's pages with their
// refusals, the default titles, the colour buttons, and templates saved, listed and reopened.
#include "gui/graphs/wizard/CGphWizard.h"

#include "GuiFixture.h"
#include "KnownCodes.h"
#include "WizardHarness.h"
#include "core/data/CCancerDictionary.h"
#include "core/data/CRegistryDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "gui/graphs/CColourDialog.h"
#include "gui/graphs/wizard/CBarPage.h"
#include "gui/graphs/wizard/CGphPage.h"
#include "gui/widgets/CTemplateSaveDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

using namespace orvelan;
using orvelan::test::child;
using treehelp::click;

namespace {

using orvelan::test::kBamako;
using orvelan::test::kCervix;
using orvelan::test::kProstate;
using orvelan::test::kStomach;
constexpr int kBamakoRow = 7;
using orvelan::test::kChangle;

int rowOf(int population) { return CRegistryDictionary::rowOfPopulation(population).value_or(-1); }
using orvelan::test::kAlgiersRow;
const int kRegistryRows[] = {kBamakoRow, kAlgiersRow, rowOf(2)};

/// Cancers that occur in both sexes, from the first site on.
std::vector<int> bothSexCancers(int count) {
    std::vector<int> cancers;
    for (int cancer = 1; cancer < kCancerCount && static_cast<int>(cancers.size()) < count;
         ++cancer) {
        if (CCancerDictionary::appliesToMales(cancer) &&
            CCancerDictionary::appliesToFemales(cancer)) {
            cancers.push_back(cancer);
        }
    }
    return cancers;
}

} // namespace

class CGphWizardTest : public QObject, public test::WizardHarness<CGphWizard, GraphSettings> {
    Q_OBJECT

  private slots:
    void initTestCase() { openStore(populations({kBamako, 0, 1, 2}, {kChangle})); }

    void init() { resetFolder(); }

    void cleanup() { closeWizard(); }

    void kindPageOffersTemplatesOnlyWhenAGraphTemplateExists() {
        start();
        QVERIFY(!wizard->button(QWizard::BackButton)->isVisible());
        QVERIFY(!kindButton(4)->isEnabled());
        QVERIFY(kindButton(0)->isChecked());
        wizard.reset();

        writeFile("curves.gph", QByteArray(int(CGraphTemplate::kFileSize), '\0'));
        remembered.kind = GraphKind::UseTemplate;
        start();
        QVERIFY(kindButton(4)->isEnabled());
        QVERIFY(kindButton(4)->isChecked());
    }

    void ageSpecificCountsCurvesAndRefusesMoreThanTen() {
        startAt(0);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Age-specific curves (1/2)"));
        auto* cancers = on<CSelectionTree>("cancerTree");
        auto* registries = on<CSelectionTree>("registryTree");
        auto* count = on<QLabel>("curveCount");
        QTest::mouseClick(on<QCheckBox>("female"), Qt::LeftButton);
        QVERIFY(on<QCheckBox>("male")->isChecked());
        QVERIFY(on<QCheckBox>("female")->isChecked());
        for (int row : kRegistryRows) {
            click(registries, registries->findValue(row));
        }
        for (const int cancer : bothSexCancers(4)) {
            click(cancers, cancers->findValue(cancer));
        }
        QCOMPARE(count->text(), QStringLiteral("24")); // the core's count, shown
        next();
        says({"You defined too many items"});
        at(CGphWizard::kAgeSpecific1);
        click(registries, registries->findValue(kRegistryRows[1]));
        click(registries, registries->findValue(kRegistryRows[2]));
        next();
        at(CGphWizard::kAgeSpecific2);
        QCOMPARE(wizard->settings().sex, Sex::Both);
        QCOMPARE(selectedCount(wizard->settings().cancers), 4);
        QCOMPARE(titleBox()->text(), label(store.populationLabel(kRegistryRows[0], true)));

        // Back keeps the page's ticks; the clear button empties its tree.
        back();
        at(CGphWizard::kAgeSpecific1);
        QCOMPARE(count->text(), QStringLiteral("8"));
        QTest::mouseClick(on<QToolButton>("clearCancers"), Qt::LeftButton);
        QCOMPARE(count->text(), QStringLiteral("0"));
    }

    void ageSpecificTitlesNameTheSingleRegistryCancerAndSex() {
        remembered.sex = Sex::Male;
        remember(kBamakoRow, kStomach);
        startAt(0);
        next();
        const QString bamako = label(store.populationLabel(kBamakoRow, true));
        QCOMPARE(titleBox()->text(), bamako + QStringLiteral(", Stomach - Male"));

        // Thickness, symbol and colour are taken from the current; the title box becomes the title.
        CColourDialog::setProvider([](const QColor&) { return QColor(10, 20, 30); });
        QTest::mouseClick(on<QPushButton>("backgroundColour"), Qt::LeftButton);
        QCOMPARE(wizard->settings().ageBackground, 10u + 256u * 20u + 65536u * 30u);
        on<QRadioButton>("thin")->click();
        QCOMPARE(wizard->settings().lineThickness, 0);
        on<QComboBox>("symbol")->setCurrentIndex(2);
        titleBox()->setText(QStringLiteral("My curves"));
        finish();
        QCOMPARE(wizard->settings().lineSymbol, 2);
        QCOMPARE(wizard->settings().title, std::string("My curves"));
    }

    void barChartRefusesCumulativeRateOverTheOpenTopGroup() {
        startAt(1);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Bar chart (1/4)"));
        on<QComboBox>("rateKind")->setCurrentIndex(3);
        QCOMPARE(on<QSpinBox>("ageFrom")->text(), QStringLiteral(" 0-"));
        QCOMPARE(on<QSpinBox>("ageTo")->text(), QStringLiteral("85+"));
        next();
        says({"Age range is invalid for cumulative rate/risk"});
        at(CGphWizard::kBar1);
        on<QSpinBox>("ageTo")->setValue(14);
        next();
        at(CGphWizard::kCancerChoice);
        QCOMPARE(wizard->settings().rateKind, RateKind::CumulativeRate);
    }

    void cancerBarChartRunsToItsDefaultTitle() {
        startAt(1);
        on<QRadioButton>("cancerChart")->click();
        on<QRadioButton>("male")->click();
        on<QSpinBox>("ageFrom")->setValue(7);
        on<QSpinBox>("ageTo")->setValue(12);
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Bar chart (2/4)"));
        auto* choice = qobject_cast<CBarPage*>(page());
        QCOMPARE(choice->headingLines(),
                 (QStringList{QStringLiteral("Cancer bar chart, ASR (World)."),
                              QStringLiteral("Male (age 35-64)")}));
        auto* cancers = child<CSelectionTree>(choice, "cancerTree");

        // A heading cannot be chosen: the page stays and says so on its quiet line.
        cancers->setCurrentItem(cancers->topLevelItem(0));
        next();
        at(CGphWizard::kCancerChoice);
        QVERIFY(!choice->reason().isEmpty());

        // A female-only site for males is refused with the shared message.
        click(cancers, cancers->findValue(kCervix));
        next();
        says({"Invalid sex/site combination"});
        click(cancers, cancers->findValue(kStomach));
        next();
        at(CGphWizard::kRegistrySelection);
        auto* selection = qobject_cast<CBarPage*>(page());
        QCOMPARE(selection->headingLines().last(), QStringLiteral("Stomach"));
        next(); // nothing ticked
        at(CGphWizard::kRegistrySelection);
        QVERIFY(!selection->reason().isEmpty());
        auto* registries = child<CSelectionTree>(selection, "registryTree");
        click(registries, registries->findValue(kBamakoRow));
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Bar chart (4/4)"));
        QCOMPARE(titleBox()->text(),
                 QStringLiteral("Stomach: ASR (World) (per 100,000)-Male age (35-64)"));
        back();
        at(CGphWizard::kRegistrySelection);
        next();
        finish();
        QCOMPARE(wizard->settings().cancer, kStomach);
        QCOMPARE(wizard->settings().registries[kBamakoRow], kBamakoRow);
        QCOMPARE(wizard->settings().title,
                 std::string("Stomach: ASR (World) (per 100,000)-Male age (35-64)"));
    }

    void registryBarChartChecksTheTopAgeClassAndTheSexOfItsSites() {
        remembered.barChartType = BarChartType::Registry;
        remembered.sex = Sex::Male;
        remembered.ageTo = 16;
        remembered.population = kChangle;
        startAt(1);
        next();
        at(CGphWizard::kRegistryChoice);
        next(); // ASR up to 80-84 in a population that ends at 75+
        says({"Selected population and age range are not "
              "compatible.\r\nCheck population figures."});
        QCOMPARE(watch.icons().last(), QString::number(int(QMessageBox::Critical)));
        at(CGphWizard::kRegistryChoice);

        back();
        on<QComboBox>("rateKind")->setCurrentIndex(5);
        next();
        next(); // numbers of cases need no closed top class
        at(CGphWizard::kCancerSelection);
        QCOMPARE(qobject_cast<CBarPage*>(page())->headingLines().first(),
                 QStringLiteral("Registry bar chart, Number of cases."));
        auto* cancers = on<CSelectionTree>("cancerTree");
        click(cancers, cancers->findValue(kStomach));
        next();
        at(CGphWizard::kBar4);
        QCOMPARE(titleBox()->text(), label(store.populationLabelByNumber(kChangle, true)) +
                                         QStringLiteral("-Male age ( 0-84)"));
        back();
        at(CGphWizard::kCancerSelection);
    }

    void pieChartTakesAgeSexRegistryAndSlices() {
        startAt(2);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Pie chart (1/2)"));
        on<QSpinBox>("ageTo")->setValue(2);
        on<QRadioButton>("female")->click();
        tickValue("registryTree", kBamako);
        next();
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Pie chart (2/2)"));
        QCOMPARE(titleBox()->text(), label(store.populationLabelByNumber(kBamako, true)) +
                                         QStringLiteral("-Girls age ( 0-14)"));
        auto* slices = on<QSpinBox>("slices");
        QCOMPARE(slices->text(), QStringLiteral(" 5"));
        QCOMPARE(slices->maximum(), 11);
        slices->setValue(11);
        finish();
        QCOMPARE(wizard->settings().sliceCount, 11);
        QCOMPARE(wizard->settings().sex, Sex::Female);
        QCOMPARE(wizard->settings().population, kBamako);
    }

    void pyramidOnAUserGroupHasOnlyTheAverage() {
        QVERIFY(registryGroups.append("Sahel", {kBamakoRow, kAlgiersRow}));
        remembered.population = kBamako;
        startAt(3);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Population pyramid (2/2)"));
        auto* personYears = on<QRadioButton>("personYears");
        auto* average = on<QRadioButton>("averageAnnual");
        QVERIFY(personYears->isEnabled());
        QVERIFY(average->isChecked());
        auto* tree = on<CSelectionTree>("registryTree");
        personYears->click();
        click(tree, tree->findValue(kFirstRegistryGroup));
        QVERIFY(!personYears->isEnabled());
        QVERIFY(!average->isEnabled());
        finish();
        QCOMPARE(wizard->settings().pyramidBasis, 1);
        QCOMPARE(wizard->settings().population, kFirstRegistryGroup);
        QCOMPARE(wizard->settings().title, std::string("Sahel"));
    }

    void templatesSavedListAndReopen() {
        // Age-specific.
        remember(kBamakoRow, kStomach);
        startAt(0);
        next();
        saveAs("curves.GPH");
        wizard.reset();
        // Bar chart (registry chart over the two cancers).
        remembered = GraphSettings{};
        remembered.barChartType = BarChartType::Registry;
        remembered.population = kBamako;
        remembered.cancers[kStomach] = kStomach;
        remembered.rateKind = RateKind::AsrEuropean;
        startAt(1);
        next(3);
        const GraphSettings barSettings = wizard->settings();
        saveAs("bars.gph");
        wizard.reset();
        // Listed with name, type and both dates (the folder's listing, as the core reads it).
        remembered = GraphSettings{};
        startAt(4);
        QTreeWidget* list = templateList();
        QCOMPARE(list->topLevelItemCount(), 2);
        QMap<QString, QString> types;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            types[list->topLevelItem(row)->text(0)] = list->topLevelItem(row)->text(1);
        }
        // The dates show whole: the text and the margins of an item's text fit in the column.
        const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        for (int column = 2; column <= 3; ++column) {
            const QString text = list->topLevelItem(0)->text(column);
            QVERIFY2(list->columnWidth(column) >=
                         list->fontMetrics().horizontalAdvance(text) + margins,
                     qPrintable(text));
        }
        QCOMPARE(types.value(QStringLiteral("curves")), QStringLiteral("Age-specific"));
        QCOMPARE(types.value(QStringLiteral("bars")), QStringLiteral("Bar chart"));

        next(); // no row chosen
        at(CGphWizard::kTemplatePage);
        chooseTemplate(QStringLiteral("bars"));
        next();
        at(CGphWizard::kBar1);
        QCOMPARE(on<QComboBox>("rateKind")->currentIndex(), 2);
        QVERIFY(on<QRadioButton>("registryChart")->isChecked());
        next(2);
        auto* cancers = on<CSelectionTree>("cancerTree");
        QCOMPARE(CSelectionTree::imageOf(cancers->findValue(kStomach)), StateImage::Ticked);
        next();
        finish();
        GraphSettings reopened = wizard->settings();
        GraphSettings expected = barSettings;
        expected.title = reopened.title;
        expected.kind = GraphKind::BarChart;
        QCOMPARE(reopened.registries, expected.registries);
        QVERIFY(reopened == expected);

        // Back after a template load returns to the kind page.
        wizard.reset();
        startAt(4);
        chooseTemplate(QStringLiteral("curves"));
        next();
        at(CGphWizard::kAgeSpecific1);
        QCOMPARE(on<QLabel>("curveCount")->text(), QStringLiteral("1"));
        back();
        at(CGphWizard::kKindPage);
    }

    void aTemplatesTitleStandsOnlyWhileItsSelectionDoes() {
        remembered.sex = Sex::Both;
        remember(kBamakoRow, kStomach);
        startAt(0);
        next();
        // The title is kept as the files keep text: Latin-1, one byte for the accent.
        const QString title = QStringLiteral("Bamako, estómago");
        titleBox()->setText(title);
        saveAs("one.GPH");
        wizard.reset();
        GraphSettings saved;
        QVERIFY(CGraphTemplate::read(templatePath("one.GPH").toStdString(), saved, 0, 0));
        QCOMPARE(saved.title, std::string("Bamako, est\xf3mago"));

        remembered = GraphSettings{};
        startAt(4);
        chooseTemplate(QStringLiteral("one"));
        next(2);
        QCOMPARE(titleBox()->text(), title);
        back();
        // Another registry: the default title of the new selection replaces the template's.
        auto* registries = on<CSelectionTree>("registryTree");
        click(registries, registries->findValue(kRegistryRows[1]));
        next();
        const QString proposed = titleBox()->text();
        QVERIFY(!proposed.isEmpty() && proposed != title);
        finish();
        QCOMPARE(wizard->settings().title, proposed.toStdString());
    }

    void unknownKindStaysOnTheTemplatePage() {
        QByteArray bytes(int(CGraphTemplate::kFileSize), '\0');
        bytes[0] = 7;
        writeFile("odd.GPH", bytes);
        startAt(4);
        chooseTemplate(QStringLiteral("odd"));
        next();
        at(CGphWizard::kTemplatePage);
        QCOMPARE(qobject_cast<CGphPage*>(page())->reason(),
                 QStringLiteral("This template holds an unknown graph kind (7)."));
        QCOMPARE(wizard->settings().kind, GraphKind::UseTemplate);
    }

    void savingAsksBeforeReplacingExceptForPies() {
        remembered.population = kBamako;
        startAt(2);
        next();
        saveAs("plot.txt");
        says({"File format not supported..."});
        QVERIFY(!QFile::exists(templatePath("plot.txt")));
        saveAs("plot.gph");
        titleBox()->setText(QStringLiteral("Second"));
        saveAs("plot.gph"); // pies replace without asking
        QCOMPARE(titleOf("plot.gph"), QByteArray("Second"));
        wizard.reset();

        remembered.barChartType = BarChartType::Cancer;
        remembered.cancer = kStomach;
        remembered.registries[kBamakoRow] = kBamakoRow;
        startAt(1);
        next(3);
        at(CGphWizard::kBar4);
        titleBox()->setText(QStringLiteral("Third"));
        watch.answer(QMessageBox::No);
        saveAs("plot.gph");
        QCOMPARE(titleOf("plot.gph"), QByteArray("Second"));
        watch.answer(QMessageBox::Yes);
        saveAs("plot.gph");
        QCOMPARE(titleOf("plot.gph"), QByteArray("Third"));
        QCOMPARE(watch.takeMessages().size(), 2);
    }

    void cancelAndBackStoreNothing() {
        remembered.ageTo = 12;
        startAt(1);
        on<QSpinBox>("ageTo")->setValue(3);
        back();
        QCOMPARE(wizard->settings().ageTo, 12);
        at(CGphWizard::kKindPage);
        wizard->reject();
        QCOMPARE(remembered.ageTo, 12);
    }

  private:
    /// A remembered choice of one registry row and one cancer.
    void remember(int row, int cancer) {
        remembered.registries[static_cast<std::size_t>(row)] = row;
        remembered.cancers[static_cast<std::size_t>(cancer)] = cancer;
    }
    void start() { open(context<GraphWizardContext>()); }
    void startAt(int kind) {
        start();
        chooseKind(kind);
    }
    QRadioButton* kindButton(int kind) {
        return child<QRadioButton>(page(), QStringLiteral("kind%1").arg(kind));
    }
    void chooseKind(int kind) {
        at(CGphWizard::kKindPage);
        kindButton(kind)->click();
        next();
    }
    QTreeWidget* templateList() { return on<QTreeWidget>("templateList"); }
    void chooseTemplate(const QString& name) {
        QTreeWidget* list = templateList();
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            if (list->topLevelItem(row)->text(0) == name) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->topLevelItem(row)).center());
            }
        }
    }
    QLineEdit* titleBox() { return on<QLineEdit>("title"); }
    QString templatePath(const char* name) const {
        return templates() + QLatin1Char('/') + QString::fromLatin1(name);
    }
    void saveAs(const char* name) {
        const QString path = templatePath(name);
        CTemplateSaveDialog::setProvider([path](const QString&, const QString&) { return path; });
        QTest::mouseClick(on<QPushButton>("saveTemplate"), Qt::LeftButton);
    }
    QByteArray titleOf(const char* name) {
        QFile file(templatePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return file.readAll().mid(int(CGraphTemplate::kTitleOffset)).split('\0').first();
    }
    void writeFile(const char* name, const QByteArray& bytes) {
        QDir().mkpath(templates());
        QFile file(templatePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QString label(const std::string& text) { return QString::fromLatin1(text.c_str()); }
};

ORVELAN_QT_TEST(CGphWizardTest)

#include "CGphWizardTest.moc"
