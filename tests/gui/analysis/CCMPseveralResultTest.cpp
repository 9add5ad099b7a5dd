#include "gui/analysis/CCMPseveralResult.h"

#include "../reports/ViewFixture.h"
#include "GuiFixture.h"
#include "TempDir.h"
#include "core/rates/SeveralCurveComparison.h"
#include "core/reports/ReportItems.h"
#include "gui/widgets/CSortColumnDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>
#include <memory>

using namespace orvelan;
using namespace orvelan::test;

class CCMPseveralResultTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_data = std::make_unique<ViewData>();
        m_view = std::make_unique<CCMPseveralResult>();
        m_view->setWindowTitle(QStringLiteral("Statistic 1"));
        m_view->setRequest(request());
        m_view->createFont(QStringLiteral("MS Sans Serif"));
        m_view->fill(m_data->store, selectSlots({kAlgiersRow, kLaReunionRow}));
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void cleanup() {
        m_view.reset();
        m_data.reset();
    }

    void cellsEqualTheCoreRows() {
        const CGridCtrl* grid = m_view->grid();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->columnCount(), 5);
        QCOMPARE(m_view->populations(), (std::vector<int>{0, 1}));
        // Algiers is its own reference (8 observed, 8 expected); La Reunion's 25 cases at 60-64
        // meet 50,000 person-years at Algiers' rate of 8 per 100,000: 4 expected, SIR 625, and
        // (25 - 4)^2 / 4 = 110.25.
        const QStringList rows[] = {
            {" Algeria, Algiers: Stomach-Male (All ages)", "Observed", "Expected", "SIR[95% CI]",
             QString::fromUtf8("(O-E)\u00b2/E")},
            {" Algeria, Algiers", "        8", "       8.0", "     100 [43,197]", "       0.0"},
            {" France, La Reunion", "       25", "       4.0", "     625 [404,922]", "     110.2"},
        };
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 5; ++column) {
                QCOMPARE(grid->itemText(row, column), rows[row][column]);
            }
        }
    }

    void testsAndTotalAddTheirColumnAndRowAndAreSaved() {
        m_view->setTests(true);
        const CGridCtrl* grid = m_view->grid();
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(grid->columnCount(), 6);
        QCOMPARE(grid->itemText(0, 5), QStringLiteral("p"));
        QCOMPARE(grid->itemText(1, 5), QStringLiteral("  1.0000")); // O = E = 8
        QCOMPARE(grid->itemText(2, 5), QStringLiteral("  0.0000")); // O = 25, E = 4
        // O 33 against E 12: SIR 275 with the tabulated limits of 33 (22.72 and 46.34) x 100/E.
        TempDir dir;
        const QString txt = QString::fromStdString(dir.file("sir.txt"));
        QVERIFY(m_view->saveTo(txt).ok());
        const std::string saved = dir.read("sir.txt");
        QVERIFY(saved.find("\tp\t\n") != std::string::npos);
        QVERIFY2(saved.find("Total\t       33\t      12.0\t     275 [189,386]\t     110.2 "
                            "(2 df)\t  0.0000\t\n") != std::string::npos,
                 saved.c_str());

        m_view->setTests(false);
        QCOMPARE(m_view->grid()->rowCount(), 3);
        QCOMPARE(m_view->grid()->columnCount(), 5);
    }

    void sortDialogAndColours() {
        const auto dialog = m_view->createSortDialog();
        QCOMPARE(dialog->entryCount(), 5);
        QCOMPARE(dialog->entry(0), QStringLiteral("Registry name"));
        QCOMPARE(dialog->entry(1), QStringLiteral("Observed"));
        QVERIFY(m_view->setBackgroundColour(QColor(230, 230, 255)));
        QCOMPARE(m_view->grid()->effectiveBackColour(2, 4), QColor(230, 230, 255));
        QVERIFY(m_view->grid()->effectiveBackColour(0, 4) != QColor(230, 230, 255));
        QVERIFY(!m_view->grid()->cell(2, 0)->backColour.isValid());
        m_view->grid()->selectRange({2, 1, 2, 1});
        m_view->copy();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(m_view->grid()->itemText(0, 0) +
                                                                QStringLiteral("\tObserved\n")));
    }

  private:
    static SirRequest request() {
        SirRequest r;
        r.cancer = kStomach;
        r.refPopulation = 0;
        r.sex = Sex::Male;
        return r;
    }
    std::unique_ptr<ViewData> m_data;
    std::unique_ptr<CCMPseveralResult> m_view;
};

ORVELAN_QT_TEST(CCMPseveralResultTest)

#include "CCMPseveralResultTest.moc"
