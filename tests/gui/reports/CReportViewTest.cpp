#include "gui/reports/CReportView.h"

#include "GuiFixture.h"
#include "ViewFixture.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CAgeSpecificRatesView.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/reports/CSummaryRatesView.h"
#include "gui/widgets/CSortColumnDlg.h"

#include <QApplication>
#include <QtTest>
#include <memory>

using namespace orvelan;
using namespace orvelan::test;

// The report view with its swap, and the age-specific rates view, against the core's tables.
class CReportViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_data = std::make_unique<ViewData>();
        m_view = std::make_unique<CReportView>();
        m_view->resize(800, 300);
        m_view->setSettings(settings());
        m_view->createFont(QStringLiteral("Arial"));
        m_view->fill(m_data->store, m_registries, m_cancers);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void cleanup() {
        m_view.reset();
        m_data.reset();
    }

    void cellsEqualTheCoreTable() {
        CReportTable table(settings());
        table.build(m_data->store, m_registries, m_cancers);
        QVERIFY(sameCells(*m_view->grid(), table.grid()));
        // Stomach male and female, vulva, prostate by two registries.
        QCOMPARE(m_view->grid()->rowCount(), 5);
        QCOMPARE(m_view->grid()->columnCount(), 3);
        QCOMPARE(m_view->grid()->itemText(1, 0), QStringLiteral("Stomach-Male"));
        QCOMPARE(m_view->grid()->itemText(1, 1), QStringLiteral("       10"));
        QCOMPARE(m_view->title(), QStringLiteral("Number of cases (All ages)"));
        QVERIFY(m_view->isSwapChecked());
        QCOMPARE(m_view->createSortDialog()->entry(0), QStringLiteral("Cancer label"));
    }

    void swapTwiceRestoresTheLayout() {
        const QStringList before = cellTexts(*m_view->grid());
        m_view->swap();
        QVERIFY(!m_view->isSwapChecked());
        QCOMPARE(m_view->grid()->rowCount(), 3);
        QCOMPARE(m_view->grid()->columnCount(), 5);
        QCOMPARE(m_view->grid()->itemText(0, 1), QStringLiteral("Stomach-Male"));
        QCOMPARE(m_view->grid()->itemText(0, 0), QStringLiteral("Number of cases (All ages)"));
        CReportTable swapped(settings());
        swapped.build(m_data->store, m_registries, m_cancers);
        swapped.swap(m_data->store);
        QVERIFY(sameCells(*m_view->grid(), swapped.grid()));
        // The sort dialog offers the swapped headings.
        const auto dialog = m_view->createSortDialog();
        QCOMPARE(dialog->entry(0), QStringLiteral("Registry name"));
        QCOMPARE(dialog->entryCount(), 5);
        QCOMPARE(dialog->entry(4), QStringLiteral("Prostate"));

        m_view->swap();
        QVERIFY(m_view->isSwapChecked());
        QCOMPARE(cellTexts(*m_view->grid()), before);
    }

    void swapKeepsTheFontAndDropsSortAndColours() {
        m_view->increaseFont();
        m_view->sortBy(1, false);
        QVERIFY(m_view->setBackgroundColour(QColor(200, 255, 200)));
        m_view->swap();
        m_view->swap();
        QCOMPARE(m_view->grid()->itemText(1, 0), QStringLiteral("Stomach-Male"));
        QCOMPARE(m_view->grid()->itemFont(2, 2).pointSize(), 14);
        QVERIFY(!m_view->grid()->cell(1, 1)->backColour.isValid());
        QCOMPARE(m_view->backgroundColour(), QColor(Qt::white));
    }

    void ageSpecificCellsEqualTheCoreTable() {
        for (bool rates : {true, false}) {
            AgeSpecificRatesSettings s;
            s.fixedCancer = kStomach;
            s.showRates = rates;
            CAgeSpecificRatesView view;
            view.setSettings(s);
            view.createFont(QStringLiteral("Arial"));
            view.fill(m_data->store, m_registries, m_cancers);
            CAgeSpecificRatesTable table(s);
            table.build(m_data->store, m_registries, m_cancers);
            QVERIFY(sameCells(*view.grid(), table.grid()));
            QCOMPARE(view.grid()->columnCount(), 22);
            QCOMPARE(view.grid()->itemText(0, 21), QStringLiteral("MV(%)"));
            const auto dialog = view.createSortDialog();
            QCOMPARE(dialog->entryCount(), 22);
            QCOMPARE(dialog->entry(0), QStringLiteral("Registry name"));
            QCOMPARE(dialog->entry(1), QStringLiteral(" 0-"));
            QCOMPARE(dialog->entry(21), QStringLiteral("MV(%)"));
        }
    }

    void aBlockOpensItsViewsMalesFirst() {
        ReportChoices choices;
        choices.registries = m_registries;
        choices.cancers = m_cancers;
        ReportBlock& block = choices.block;
        block.reportKind = static_cast<int>(ReportKind::SummaryRates);
        block.arrangement = 1;
        block.fixedCancer = kStomach;
        block.sexes = 2;
        block.male = 1;
        block.female = 2;
        const auto gridOf = [](const ReportDocument& document) {
            return qobject_cast<CGridView*>(document.view.get());
        };
        auto documents = CReportOutputs::create(choices, m_data->store, QStringLiteral("Arial"));
        QCOMPARE(documents.size(), std::size_t{2});
        QVERIFY(qobject_cast<CSummaryRatesView*>(documents[0].view.get()) != nullptr);
        QCOMPARE(gridOf(documents[0])->title(), QStringLiteral("Stomach-Male (All ages)"));
        QCOMPARE(gridOf(documents[1])->title(), QStringLiteral("Stomach-Female (All ages)"));
        // Every cell is drawn in the face and the size of the index from the start: a smaller
        // first font made "Decrease font" enlarge the text.
        for (const ReportDocument& document : documents) {
            const CGridView* view = gridOf(document);
            QCOMPARE(view->fontFace(), QStringLiteral("Arial"));
            QCOMPARE(view->fontSizeIndex(), 4);
            for (const auto& [row, column] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{2, 3}}) {
                QCOMPARE(view->grid()->itemFont(row, column).pointSize(), 12);
                QCOMPARE(view->grid()->itemFont(row, column).family(), QStringLiteral("Arial"));
            }
        }

        block.reportKind = static_cast<int>(ReportKind::AgeSpecific);
        block.sexes = 1;
        block.male = 0;
        documents = CReportOutputs::create(choices, m_data->store, QStringLiteral("Arial"));
        QCOMPARE(documents.size(), std::size_t{1});
        QVERIFY(qobject_cast<CAgeSpecificRatesView*>(documents[0].view.get()) != nullptr);
        QCOMPARE(gridOf(documents[0])->title(), QStringLiteral("Stomach-Female"));

        block.reportKind = static_cast<int>(ReportKind::UserDefined);
        documents = CReportOutputs::create(choices, m_data->store, QStringLiteral("Arial"));
        QCOMPARE(documents.size(), std::size_t{1});
        auto* report = qobject_cast<CReportView*>(documents[0].view.get());
        QVERIFY(report != nullptr);
        QCOMPARE(report->grid()->itemFont(1, 1).pointSize(), 12);
        report->swap(); // refilling keeps the size: Swap used to enlarge the first font
        QCOMPARE(report->grid()->itemFont(1, 1).pointSize(), 12);
        report->decreaseFont();
        QCOMPARE(report->grid()->itemFont(1, 1).pointSize(), 11);
    }

    void commandsReachTheViews() {
        QVERIFY(m_view->handlesCommand(cmd::kSwap));
        QVERIFY(m_view->isCommandChecked(cmd::kSwap));
        m_view->runCommand(cmd::kSwap);
        QVERIFY(!m_view->isCommandChecked(cmd::kSwap));
        QVERIFY(!m_view->isCommandEnabled(cmd::kCopy)); // nothing selected
        m_view->runCommand(cmd::kSelectAll);
        QVERIFY(m_view->isCommandEnabled(cmd::kCopy));
        m_view->runCommand(cmd::kDecreaseFont);
        QVERIFY(!m_view->isCommandEnabled(cmd::kDecreaseFont));
        QVERIFY(m_view->handlesCommand(CGridView::kBackgroundColourCommand));

        CSummaryRatesView summary;
        QVERIFY(!summary.handlesCommand(cmd::kSwap)); // stays disabled in the other views
        QVERIFY(summary.handlesCommand(cmd::kSort));
    }

  private:
    static ReportSettings settings() {
        ReportSettings s;
        s.rowsAreCancers = true;
        s.rateKind = RateKind::NumberOfCases;
        return s;
    }
    std::unique_ptr<ViewData> m_data;
    std::unique_ptr<CReportView> m_view;
    const SelectionList m_registries = selectSlots({kAlgiersRow, kLaReunionRow});
    const SelectionList m_cancers = selectSlots({kStomach, kVulva, kProstate});
};

ORVELAN_QT_TEST(CReportViewTest)

#include "CReportViewTest.moc"
