#include "gui/widgets/CGridCtrl.h"

#include "GuiFixture.h"
#include "PdfTools.h"
#include "TempDir.h"
#include "gui/widgets/CGridPrinter.h"
#include "gui/widgets/CTitleTip.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using namespace orvelan;

namespace {

const QStringList kHeadings = {"Crude rate",      "ASR (World)",     "ASR (European)",
                               "Cumulative rate", "Cumulative risk", "Number of cases"};

// A grid laid out as the summary rates view lays it out: title and headings in row 0, labels
// in column 0, read-only value cells, editing off and dragging out on.
void fillSummaryLike(CGridCtrl& grid, const QStringList& labels, const QList<QStringList>& values) {
    grid.setEditable(false);
    grid.setDragEnabled(true);
    grid.setRowCount(static_cast<int>(labels.size()) + 1);
    grid.setColumnCount(7);
    grid.setFixedRowCount(1);
    grid.setFixedColumnCount(1);
    grid.setItemText(0, 0, QStringLiteral("Bladder-Male (All ages)"));
    for (int column = 1; column < 7; ++column) {
        grid.setItemText(0, column, kHeadings[column - 1]);
    }
    for (int row = 1; row <= labels.size(); ++row) {
        grid.setItemText(row, 0, labels[row - 1]);
        for (int column = 1; column < 7; ++column) {
            grid.setItemText(row, column, values[row - 1][column - 1]);
            grid.setItemState(row, column, GridState::kReadOnly);
        }
    }
    grid.autoSizeColumns();
}

QStringList valuesRow(const QString& cases) {
    return {"     1.00", "     2.00", "     3.00", "     0.10", "     0.10", cases};
}

bool hasState(int state, unsigned bit) {
    return state >= 0 && (static_cast<unsigned>(state) & bit) != 0;
}

} // namespace

class CGridCtrlTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_window = std::make_unique<QWidget>();
        m_window->setWindowTitle(QStringLiteral("Table1"));
        m_window->resize(900, 300);
        m_grid = new CGridCtrl(m_window.get());
        m_grid->setGeometry(0, 0, 900, 300);
        fillSummaryLike(*m_grid, {"Alpha", "Beta", "Gamma"},
                        {valuesRow("       12"), valuesRow("      300"), valuesRow("        7")});
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { m_window.reset(); }

    // Ctrl+C and dragging carry the selection with its headings (the text is gridCopyText's);
    // nothing selected leaves the clipboard alone.
    void copyAndDragCarryTheSelection() {
        clickAt(2, 6);
        QTest::keyClick(m_grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Bladder-Male (All ages)\tNumber of cases\nBeta\t      300"));
        m_grid->selectRange({1, 1, 2, 2});
        std::unique_ptr<QMimeData> dragged(m_grid->createDragData());
        QCOMPARE(dragged->text(), m_grid->copyText());
        m_grid->clearSelection();
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        m_grid->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    }

    void selectAllSelectsEveryValueCell() {
        QTest::keyClick(m_grid, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(m_grid->selectedCount(), 3 * 6);
        QVERIFY(hasState(m_grid->itemState(1, 1), GridState::kSelected));
        QVERIFY(!(hasState(m_grid->itemState(0, 1), GridState::kSelected)));
        QVERIFY(!(hasState(m_grid->itemState(1, 0), GridState::kSelected)));
        // The corner heading does the same with the mouse.
        m_grid->clearSelection();
        clickAt(0, 0);
        QCOMPARE(m_grid->selectedCount(), 18);
    }

    void keysMoveAndExtendTheSelection() {
        clickAt(1, 1);
        QTest::keyClick(m_grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(m_grid, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(m_grid->selectedCount(), 4);
        QCOMPARE(m_grid->focusCell().row, 2);
        QCOMPARE(m_grid->focusCell().column, 2);
        QTest::keyClick(m_grid, Qt::Key_End);
        QCOMPARE(m_grid->selectedCount(), 1);
        QCOMPARE(m_grid->focusCell().column, 6);
        QTest::keyClick(m_grid, Qt::Key_Up);
        QTest::keyClick(m_grid, Qt::Key_Up); // stops at the first value row
        QCOMPARE(m_grid->focusCell().row, 1);
    }

    void dragBeyondTheBottomScrollsAndExtends() {
        QStringList labels;
        QList<QStringList> values;
        for (int i = 0; i < 200; ++i) {
            labels << QStringLiteral("Row %1").arg(i);
            values << valuesRow(QStringLiteral("%1").arg(i, 9));
        }
        fillSummaryLike(*m_grid, labels, values);
        QTest::mousePress(m_grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          m_grid->cellRect(1, 1).center());
        QMouseEvent move(QEvent::MouseMove, QPointF(50, 400),
                         m_grid->viewport()->mapToGlobal(QPointF(50, 400)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_grid->viewport(), &move);
        QTRY_VERIFY(m_grid->verticalScrollBar()->value() > 0);
        QTRY_VERIFY(m_grid->focusCell().row > 10);
        QTest::mouseRelease(m_grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 200));
        const int focusRow = m_grid->focusCell().row;
        QCOMPARE(m_grid->selectedCount(), focusRow);
        // The extended selection ends in a row that is (at least partly) in view.
        QVERIFY(m_grid->cellRect(focusRow, 1).top() < m_grid->viewport()->height());
        QVERIFY(m_grid->cellRect(focusRow, 1).bottom() >= m_grid->fixedRowsHeight());
    }

    void sortingDescendingPutsTheLargestFirst() {
        QVERIFY(m_grid->sortTextItems(6, false));
        const QStringList labels = {"Beta", "Alpha", "Gamma"};
        const QStringList cases = {"      300", "       12", "        7"};
        for (int row = 1; row <= 3; ++row) {
            QCOMPARE(m_grid->itemText(row, 0), labels[row - 1]);
            QCOMPARE(m_grid->itemText(row, 6), cases[row - 1]);
            // Read-only state and the other values travel with the row.
            QVERIFY(hasState(m_grid->itemState(row, 6), GridState::kReadOnly));
        }
        QCOMPARE(m_grid->itemText(0, 6), QStringLiteral("Number of cases"));
        QVERIFY(!m_grid->sortTextItems(7, true)); // no such column
    }

    void autoSizeFitsTheWidestText() {
        QFont big = m_grid->font();
        big.setPointSize(20);
        m_grid->setItemText(2, 0, QStringLiteral("A much longer registry label, 1990-1994"));
        m_grid->setItemFont(3, 0, big); // "Gamma" in a large font
        m_grid->autoSizeColumns();
        auto extent = [](const QFont& font, const QString& text) {
            return QFontMetrics(font).horizontalAdvance(QStringLiteral(" %1 ").arg(text)) +
                   CGridCtrl::kExtentSlack;
        };
        const int expected0 =
            std::max({extent(m_grid->font(), "Bladder-Male (All ages)"),
                      extent(m_grid->font(), "A much longer registry label, 1990-1994"),
                      extent(big, "Gamma")});
        QCOMPARE(m_grid->columnWidth(0), expected0);
        // A heading wider than every value sets its column's width.
        QCOMPARE(m_grid->columnWidth(6), extent(m_grid->font(), "Number of cases"));
        // Ever larger fonts make a column wider.
        big.setPointSize(40);
        m_grid->setItemFont(1, 1, big);
        m_grid->autoSizeColumns();
        QCOMPARE(m_grid->columnWidth(1), extent(big, "     1.00"));
    }

    void pasteNeedsEditingAndWritableCells() {
        QGuiApplication::clipboard()->setText(QStringLiteral("X\tY\nZ\tW"));
        m_grid->selectRange({1, 1, 2, 2});
        m_grid->setFocusCell(1, 1);
        QVERIFY(m_grid->canCopy());
        QVERIFY(!m_grid->canCut());
        QVERIFY(!m_grid->canPaste());
        QTest::keyClick(m_grid, Qt::Key_V, Qt::ControlModifier);
        m_grid->paste();
        QTest::keyClick(m_grid, Qt::Key_X, Qt::ControlModifier);
        m_grid->cut();
        QCOMPARE(m_grid->itemText(1, 1), QStringLiteral("     1.00"));
        QCOMPARE(m_grid->itemText(2, 2), QStringLiteral("     2.00"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("X\tY\nZ\tW"));

        // Editing on: pasting fills the writable cells only; (1, 1) stays read-only.
        m_grid->setEditable(true);
        m_grid->setItemState(2, 2, 0);
        m_grid->setItemState(2, 1, 0);
        QGuiApplication::clipboard()->setText(QStringLiteral("X\tY\r\nZ\tW"));
        m_grid->setFocusCell(1, 1);
        QVERIFY(m_grid->canPaste());
        m_grid->paste();
        QCOMPARE(m_grid->itemText(1, 1), QStringLiteral("     1.00"));
        QCOMPARE(m_grid->itemText(2, 1), QStringLiteral("Z"));
        QCOMPARE(m_grid->itemText(2, 2), QStringLiteral("W"));
    }

    void outOfRangeAccessFails() {
        QCOMPARE(m_grid->itemText(4, 0), QString());
        QCOMPARE(m_grid->itemText(0, -1), QString());
        QVERIFY(!m_grid->setItemText(4, 0, QStringLiteral("x")));
        QCOMPARE(m_grid->rowHeight(4), -1);
        QCOMPARE(m_grid->columnWidth(7), -1);
        QCOMPARE(m_grid->itemState(-1, 0), -1);
        QVERIFY(!m_grid->setColumnWidth(-1, 10));
        GridItem item;
        item.row = 9;
        item.column = 9;
        item.mask = GridMask::kText;
        QVERIFY(!m_grid->setItem(item));
        // Growing the fixed count grows the grid.
        QVERIFY(m_grid->setFixedRowCount(6));
        QCOMPARE(m_grid->rowCount(), 6);
    }

    void titleTipOnlyOverCutOffCells() {
        m_grid->setColumnWidth(0, 30); // "Alpha" no longer fits; the values do
        CTitleTip* tip = m_grid->titleTip();
        pointAt(1, 1);
        QVERIFY(!tip->isVisible());
        pointAt(1, 0);
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->text(), QStringLiteral("Alpha"));
        QCOMPARE(tip->font(), m_grid->itemFont(1, 0));
        QVERIFY(tip->width() > 30);
        pointAt(2, 0);
        QCOMPARE(tip->text(), QStringLiteral("Beta"));
        pointAt(2, 3);
        QVERIFY(!tip->isVisible());
        // A key hides the tip and still reaches the grid.
        pointAt(3, 0);
        QVERIFY(tip->isVisible());
        QTest::keyClick(m_grid, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!tip->isVisible());
        QCOMPARE(m_grid->selectedCount(), 18);
    }

    // Every row once, the heading row and "Page n of m" on each page, and the window title and
    // program name in the footer (where pages break is pageFirstRows').
    void printsALongTableOverPages() {
        ORVELAN_REQUIRE_POPPLER();
        QStringList labels;
        QList<QStringList> values;
        for (int i = 0; i < 250; ++i) {
            labels << QStringLiteral("Label%1").arg(i, 3, 10, QLatin1Char('0'));
            values << valuesRow(QStringLiteral("%1").arg(i, 9));
        }
        fillSummaryLike(*m_grid, labels, values);
        orvelan::test::TempDir dir;
        const QString file = QString::fromStdString(dir.file("long.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        CGridPrinter gridPrinter(*m_grid);
        QVERIFY(gridPrinter.print(printer));
        const int pages = gridPrinter.pageCount();
        QVERIFY(pages > 1);
        const QString text = orvelan::test::pdfText(file);
        QCOMPARE(text.count(QLatin1Char('\f')), pages);
        const QStringList pageTexts = text.split(QLatin1Char('\f'));
        for (int page = 1; page <= pages; ++page) {
            const QString& pageText = pageTexts[page - 1];
            QVERIFY(pageText.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
            QVERIFY(pageText.contains(QStringLiteral("Number of cases")));
            QVERIFY(pageText.contains(QStringLiteral("Table1")));
            QVERIFY(pageText.contains(QStringLiteral("ORVELAN")));
        }
        for (const QString& label : labels) {
            QCOMPARE(text.count(label), 1);
        }
    }

  private:
    void clickAt(int row, int column) {
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {},
                          m_grid->cellRect(row, column).center());
    }
    void pointAt(int row, int column) {
        QTest::mouseMove(m_grid->viewport(), m_grid->cellRect(row, column).center());
    }
    std::unique_ptr<QWidget> m_window;
    CGridCtrl* m_grid = nullptr;
};

ORVELAN_QT_TEST(CGridCtrlTest)

#include "CGridCtrlTest.moc"
