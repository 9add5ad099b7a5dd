#include "gui/reports/CSummaryRatesView.h"

#include "GuiFixture.h"
#include "PdfTools.h"
#include "ViewFixture.h"
#include "gui/widgets/CSortColumnDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPrinter>
#include <QtTest>
#include <memory>

using namespace orvelan;
using namespace orvelan::test;

class CSummaryRatesViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_data = std::make_unique<ViewData>();
        m_view = std::make_unique<CSummaryRatesView>();
        m_view->setWindowTitle(QStringLiteral("Table1"));
        m_view->resize(900, 300);
        m_view->setSettings(settings());
        m_view->createFont(QStringLiteral("Arial"));
        m_view->fill(m_data->store, selectSlots({kAlgiersRow, kLaReunionRow}),
                     selectSlots({kStomach}));
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void cleanup() {
        m_view.reset();
        m_data.reset();
    }

    void cellsEqualTheCoreTable_data() {
        QTest::addColumn<bool>("interval");
        QTest::newRow("rates") << false;
        QTest::newRow("with intervals") << true;
    }
    void cellsEqualTheCoreTable() {
        QFETCH(bool, interval);
        CSummaryRatesView view;
        view.setSettings(settings(interval));
        view.createFont(QStringLiteral("Times New Roman"));
        view.fill(m_data->store, selectSlots({kAlgiersRow, kLaReunionRow}),
                  selectSlots({kStomach}));
        CSummaryRatesTable table(settings(interval));
        table.build(m_data->store, selectSlots({kAlgiersRow, kLaReunionRow}),
                    selectSlots({kStomach}));
        QVERIFY(sameCells(*view.grid(), table.grid()));
        QCOMPARE(view.title(), QStringLiteral("Stomach-Male (All ages)"));
        QCOMPARE(view.grid()->itemText(1, 1).contains(QStringLiteral(" to ")), interval);
    }

    void layoutOfTheCells() {
        const CGridCtrl* grid = m_view->grid();
        QVERIFY(grid->cell(0, 0)->format & GridFormat::kWordBreak);
        QVERIFY(grid->cell(1, 0)->format & GridFormat::kSingleLine);
        QVERIFY(grid->cell(1, 0)->format & GridFormat::kEndEllipsis);
        QVERIFY(grid->cell(2, 3)->format & GridFormat::kCenter);
        for (int row = 0; row < grid->rowCount(); ++row) {
            QVERIFY(grid->cell(row, 1)->state & GridState::kReadOnly);
            QCOMPARE(grid->rowHeight(row), grid->rowHeight(0));
            QVERIFY(grid->rowHeight(row) >= QFontMetrics(m_view->cellFont()).height());
        }
        QVERIFY(!grid->isEditable());
        QVERIFY(grid->isDragEnabled());
        // Columns sized to their widest cell: every text fits.
        for (int column = 0; column < grid->columnCount(); ++column) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                QVERIFY(grid->cellExtent(row, column) <= grid->columnWidth(column));
            }
        }
        m_view->resize(300, 200); // the grid covers the whole view
        QApplication::processEvents();
        QCOMPARE(m_view->grid()->geometry(), m_view->rect());
    }

    void fontIndexStaysWithinItsLimits() {
        QCOMPARE(m_view->fontSizeIndex(), 4);
        QCOMPARE(m_view->cellFont().pointSize(), 12);
        m_view->decreaseFont();
        QCOMPARE(m_view->fontSizeIndex(), 3);
        QCOMPARE(m_view->grid()->itemFont(2, 4).pointSize(), 11);
        m_view->decreaseFont();
        QCOMPARE(m_view->fontSizeIndex(), 3);
        const int narrow = m_view->grid()->columnWidth(0);
        for (int i = 0; i < 6; ++i) {
            m_view->increaseFont();
        }
        QCOMPARE(m_view->fontSizeIndex(), 7);
        QCOMPARE(m_view->grid()->itemFont(0, 0).pointSize(), 18);
        QCOMPARE(m_view->grid()->itemFont(2, 6).pointSize(), 18);
        QVERIFY(m_view->grid()->columnWidth(0) > narrow);
        QVERIFY(m_view->grid()->rowHeight(1) >= QFontMetrics(m_view->cellFont()).height());
    }

    void fontFaceChangeReachesEveryCell() {
        m_view->setFontFace(QStringLiteral("Courier New"));
        QCOMPARE(m_view->fontFace(), QStringLiteral("Courier New"));
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 7; ++column) {
                QCOMPARE(m_view->grid()->itemFont(row, column).family(),
                         QStringLiteral("Courier New"));
                QCOMPARE(m_view->grid()->itemFont(row, column).pointSize(), 12);
            }
        }
    }

    void coloursChangeValueCellsOnly() {
        const CGridCtrl* grid = m_view->grid();
        const QColor headerBack = grid->effectiveBackColour(0, 1);
        const QColor labelText = grid->effectiveTextColour(1, 0);
        QVERIFY(!m_view->setBackgroundColour(Qt::white)); // the same colour changes nothing
        QVERIFY(!grid->cell(1, 1)->backColour.isValid());
        QVERIFY(m_view->setBackgroundColour(QColor(255, 255, 192)));
        QVERIFY(m_view->setTextColour(QColor(0, 0, 128)));
        for (int row = 1; row < 3; ++row) {
            for (int column = 1; column < 7; ++column) {
                QCOMPARE(grid->effectiveBackColour(row, column), QColor(255, 255, 192));
                QCOMPARE(grid->effectiveTextColour(row, column), QColor(0, 0, 128));
            }
        }
        QCOMPARE(grid->effectiveBackColour(0, 1), headerBack);
        QCOMPARE(grid->effectiveTextColour(1, 0), labelText);
        QVERIFY(!grid->cell(0, 0)->backColour.isValid());
        QVERIFY(!grid->cell(2, 0)->textColour.isValid());
    }

    void sortDialogAndDescendingCases() {
        const auto dialog = m_view->createSortDialog();
        QCOMPARE(dialog->entryCount(), 7);
        QCOMPARE(dialog->entry(0), QStringLiteral("Registry name"));
        QCOMPARE(dialog->entry(6), QStringLiteral("Number of cases"));
        QCOMPARE(dialog->column(), 0);
        QVERIFY(dialog->ascending());
        const QString algiers = m_view->grid()->itemText(1, 0);
        m_view->sortBy(6, false);
        QCOMPARE(m_view->grid()->itemText(1, 6), QStringLiteral("       25"));
        QCOMPARE(m_view->grid()->itemText(2, 6), QStringLiteral("       10"));
        QCOMPARE(m_view->grid()->itemText(2, 0), algiers);
        QCOMPARE(m_view->grid()->itemText(0, 0), QStringLiteral("Stomach-Male (All ages)"));

        SummaryRatesSettings byCancer = settings();
        byCancer.rowsAreRegistries = false;
        byCancer.fixedRegistry = 0;
        CSummaryRatesView view;
        view.setSettings(byCancer);
        view.createFont(QStringLiteral("Arial"));
        view.fill(m_data->store, selectSlots({kAlgiersRow}), selectSlots({kStomach, kProstate}));
        QCOMPARE(view.createSortDialog()->entry(0), QStringLiteral("Cancer label"));
    }

    void savesTheSortedGridAsText() {
        m_view->sortBy(6, false);
        TempDir dir;
        const QString txt = QString::fromStdString(dir.file("table.TXT"));
        QVERIFY(m_view->saveTo(txt).ok());
        // Sorted by the number of cases, descending. La Reunion: 25 cases at 60-64 over 750,000
        // person-years; Algiers: 10 cases (2 of unknown age) over 1,800,000, ASRs raised by 10 / 8.
        const std::string expected =
            "Stomach-Male (All ages)\tCrude rate\tASR (World)\tASR (European)\tCumulative rate\t"
            "Cumulative risk\tNumber of cases\t\n"
            " France, La Reunion (1993-1997)\t     3.33\t     2.00\t     2.50\tN.A.\tN.A.\t       "
            "25\t\n"
            " Algeria, Algiers (1993-1997)\t     0.56\t     0.50\t     0.70\tN.A.\tN.A.\t       "
            "10\t\n";
        QCOMPARE(dir.read("table.TXT"), expected);
        // The proposed name: the work folder, the document title and ".txt".
        m_view->setWorkFolder(QString::fromStdString(dir.file("work")));
        QCOMPARE(m_view->proposedFileName(), QString::fromStdString(dir.file("work/Table1.txt")));
    }

    void copyAndSelectAll() {
        m_view->selectAll();
        QCOMPARE(m_view->grid()->selectedCount(), 12);
        m_view->copy();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("Stomach-Male (All ages)\tCrude rate\t")));
    }

    void printsOnePageWithTheDocumentTitle() {
        ORVELAN_REQUIRE_POPPLER();
        TempDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.file("view.pdf")));
        QVERIFY(m_view->printTo(printer));
        const QString text = pdfText(printer.outputFileName());
        QCOMPARE(text.count('\f'), 1);
        QVERIFY(text.contains(QStringLiteral("Page 1 of 1")));
        QVERIFY(text.contains(QStringLiteral("Table1")));
        QVERIFY(text.contains(QStringLiteral("Algiers")));
    }

  private:
    static SummaryRatesSettings settings(bool interval = false) {
        SummaryRatesSettings s;
        s.rowsAreRegistries = true;
        s.sex = Sex::Male;
        s.fixedCancer = kStomach;
        s.confidenceInterval = interval;
        return s;
    }
    std::unique_ptr<ViewData> m_data;
    std::unique_ptr<CSummaryRatesView> m_view;
};

ORVELAN_QT_TEST(CSummaryRatesViewTest)

#include "CSummaryRatesViewTest.moc"
