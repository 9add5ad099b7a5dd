// The grid views of the tables against the core's tables on the shared fixture data: the summary
// rates view (layout, fonts, colours, sort, saving, printing), the report view with its swap, the
// age-specific rates view, the views a report block opens, the several-curve comparison, and the
// numbers they copy and save for a spreadsheet.
#include "GuiFixture.h"
#include "PdfTools.h"
#include "ViewFixture.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/rates/SeveralCurveComparison.h"
#include "core/reports/ReportItems.h"
#include "gui/analysis/CCMPseveralResult.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CAgeSpecificRatesView.h"
#include "gui/reports/CReportOutputs.h"
#include "gui/reports/CReportView.h"
#include "gui/reports/CSummaryRatesView.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CSortColumnDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <memory>

using namespace orvelan;
using namespace orvelan::test;

class TableViewsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_data = std::make_unique<ViewData>();
        m_summary = std::make_unique<CSummaryRatesView>();
        m_summary->setWindowTitle(QStringLiteral("Table1"));
        m_summary->resize(900, 300);
        m_summary->setSettings(summarySettings());
        m_summary->createFont(QStringLiteral("Arial"));
        m_summary->fill(m_data->store, m_registries, selectSlots({kStomach}));
        m_report = std::make_unique<CReportView>();
        m_report->resize(800, 300);
        m_report->setSettings(reportSettings());
        m_report->createFont(QStringLiteral("Arial"));
        m_report->fill(m_data->store, m_registries, m_cancers);
        m_several = std::make_unique<CCMPseveralResult>();
        m_several->setWindowTitle(QStringLiteral("Statistic 1"));
        m_several->setRequest(severalRequest());
        m_several->createFont(QStringLiteral("MS Sans Serif"));
        m_several->fill(m_data->store, m_registries);
        for (QWidget* view :
             {static_cast<QWidget*>(m_summary.get()), static_cast<QWidget*>(m_report.get()),
              static_cast<QWidget*>(m_several.get())}) {
            view->show();
            QVERIFY(QTest::qWaitForWindowExposed(view));
        }
    }

    void cleanup() {
        CFileDialogs::setProvider({});
        m_summary.reset();
        m_report.reset();
        m_several.reset();
        m_data.reset();
    }

    void summaryCellsEqualTheCoreTable() {
        const bool interval = true;
        CSummaryRatesView view;
        view.setSettings(summarySettings(interval));
        view.createFont(QStringLiteral("Times New Roman"));
        view.fill(m_data->store, m_registries, selectSlots({kStomach}));
        CSummaryRatesTable table(summarySettings(interval));
        table.build(m_data->store, m_registries, selectSlots({kStomach}));
        QVERIFY(sameCells(*view.grid(), table.grid()));
        QCOMPARE(view.title(), QStringLiteral("Stomach-Male (All ages)"));
    }

    void layoutOfTheCells() {
        const CGridCtrl* grid = m_summary->grid();
        // Columns sized to their widest cell: every text fits.
        for (int column = 0; column < grid->columnCount(); ++column) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                QVERIFY(grid->cellExtent(row, column) <= grid->columnWidth(column));
            }
        }
        m_summary->resize(300, 200); // the grid covers the whole view
        QApplication::processEvents();
        QCOMPARE(m_summary->grid()->geometry(), m_summary->rect());
    }

    void fontIndexStaysWithinItsLimits() {
        QCOMPARE(m_summary->fontSizeIndex(), 4);
        QCOMPARE(m_summary->cellFont().pointSize(), 12);
        m_summary->decreaseFont();
        QCOMPARE(m_summary->fontSizeIndex(), 3);
        QCOMPARE(m_summary->grid()->itemFont(2, 4).pointSize(), 11);
        m_summary->decreaseFont();
        QCOMPARE(m_summary->fontSizeIndex(), 3);
        const int narrow = m_summary->grid()->columnWidth(0);
        for (int i = 0; i < 6; ++i) {
            m_summary->increaseFont();
        }
        QCOMPARE(m_summary->fontSizeIndex(), 7);
        QCOMPARE(m_summary->grid()->itemFont(0, 0).pointSize(), 18);
        QCOMPARE(m_summary->grid()->itemFont(2, 6).pointSize(), 18);
        QVERIFY(m_summary->grid()->columnWidth(0) > narrow);
        QVERIFY(m_summary->grid()->rowHeight(1) >= QFontMetrics(m_summary->cellFont()).height());
    }

    void coloursChangeValueCellsOnly() {
        const CGridCtrl* grid = m_summary->grid();
        const QColor headerBack = grid->effectiveBackColour(0, 1);
        const QColor labelText = grid->effectiveTextColour(1, 0);
        QVERIFY(!m_summary->setBackgroundColour(Qt::white)); // the same colour changes nothing
        QVERIFY(!grid->cell(1, 1)->backColour.isValid());
        QVERIFY(m_summary->setBackgroundColour(QColor(255, 255, 192)));
        QVERIFY(m_summary->setTextColour(QColor(0, 0, 128)));
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

    void summarySortDialogNamesTheRows() {
        QCOMPARE(m_summary->createSortDialog()->entry(0), QStringLiteral("Registry name"));
        SummaryRatesSettings byCancer = summarySettings();
        byCancer.rowsAreRegistries = false;
        byCancer.fixedRegistry = 0;
        CSummaryRatesView view;
        view.setSettings(byCancer);
        view.createFont(QStringLiteral("Arial"));
        view.fill(m_data->store, selectSlots({kAlgiersRow}), selectSlots({kStomach, kProstate}));
        QCOMPARE(view.createSortDialog()->entry(0), QStringLiteral("Cancer label"));
    }

    void savesTheSortedGridAsText() {
        m_summary->sortBy(6, false);
        TempDir dir;
        const QString txt = QString::fromStdString(dir.file("table.TXT"));
        QVERIFY(m_summary->saveTo(txt).ok());
        // The rows as shown, sorted by the number of cases, descending (the cells and the tab
        // layout are the core table's and CTextGrid's).
        const QStringList lines = QString::fromStdString(dir.read("table.TXT")).split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith(QStringLiteral("Stomach-Male (All ages)\tCrude rate\t")));
        QVERIFY(lines[1].startsWith(QStringLiteral(" France, La Reunion (1993-1997)\t")));
        QVERIFY(lines[2].startsWith(QStringLiteral(" Algeria, Algiers (1993-1997)\t")));
        // The proposed name: the work folder, the document title and ".txt".
        m_summary->setWorkFolder(QString::fromStdString(dir.file("work")));
        QCOMPARE(m_summary->proposedFileName(),
                 QString::fromStdString(dir.file("work/Table1.txt")));
    }

    void printsOnePageWithTheDocumentTitle() {
        ORVELAN_REQUIRE_POPPLER();
        TempDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.file("view.pdf")));
        QVERIFY(m_summary->printTo(printer));
        const QString text = pdfText(printer.outputFileName());
        QCOMPARE(text.count('\f'), 1);
        QVERIFY(text.contains(QStringLiteral("Page 1 of 1")));
        QVERIFY(text.contains(QStringLiteral("Table1")));
        QVERIFY(text.contains(QStringLiteral("Algiers")));
    }

    void reportCellsEqualTheCoreTable() {
        CReportTable table(reportSettings());
        table.build(m_data->store, m_registries, m_cancers);
        QVERIFY(sameCells(*m_report->grid(), table.grid()));
        QCOMPARE(m_report->title(), QStringLiteral("Number of cases (All ages)"));
        QVERIFY(m_report->isSwapChecked());
        QCOMPARE(m_report->createSortDialog()->entry(0), QStringLiteral("Cancer label"));
    }

    void swapTwiceRestoresTheLayout() {
        const QStringList before = cellTexts(*m_report->grid());
        m_report->swap();
        QVERIFY(!m_report->isSwapChecked());
        CReportTable swapped(reportSettings());
        swapped.build(m_data->store, m_registries, m_cancers);
        swapped.swap(m_data->store);
        QVERIFY(sameCells(*m_report->grid(), swapped.grid()));
        // The sort dialog offers the swapped headings.
        const auto dialog = m_report->createSortDialog();
        QCOMPARE(dialog->entry(0), QStringLiteral("Registry name"));

        m_report->swap();
        QVERIFY(m_report->isSwapChecked());
        QCOMPARE(cellTexts(*m_report->grid()), before);
    }

    void swapKeepsTheFontAndDropsSortAndColours() {
        m_report->increaseFont();
        m_report->sortBy(1, false);
        QVERIFY(m_report->setBackgroundColour(QColor(200, 255, 200)));
        m_report->swap();
        m_report->swap();
        QCOMPARE(m_report->grid()->itemText(1, 0), QStringLiteral("Stomach-Male"));
        QCOMPARE(m_report->grid()->itemFont(2, 2).pointSize(), 14);
        QVERIFY(!m_report->grid()->cell(1, 1)->backColour.isValid());
        QCOMPARE(m_report->backgroundColour(), QColor(Qt::white));
    }

    void ageSpecificCellsEqualTheCoreTable() {
        AgeSpecificRatesSettings s;
        s.fixedCancer = kStomach;
        s.showRates = true;
        CAgeSpecificRatesView view;
        view.setSettings(s);
        view.createFont(QStringLiteral("Arial"));
        view.fill(m_data->store, m_registries, m_cancers);
        CAgeSpecificRatesTable table(s);
        table.build(m_data->store, m_registries, m_cancers);
        QVERIFY(sameCells(*view.grid(), table.grid()));
        QCOMPARE(view.createSortDialog()->entry(21), QStringLiteral("MV(%)"));
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
        QVERIFY(m_report->handlesCommand(cmd::kSwap));
        QVERIFY(m_report->isCommandChecked(cmd::kSwap));
        m_report->runCommand(cmd::kSwap);
        QVERIFY(!m_report->isCommandChecked(cmd::kSwap));
        QVERIFY(!m_report->isCommandEnabled(cmd::kCopy)); // nothing selected
        m_report->runCommand(cmd::kSelectAll);
        QVERIFY(m_report->isCommandEnabled(cmd::kCopy));
        m_report->runCommand(cmd::kDecreaseFont);
        QVERIFY(!m_report->isCommandEnabled(cmd::kDecreaseFont));
        QVERIFY(m_report->handlesCommand(CGridView::kBackgroundColourCommand));

        CSummaryRatesView summary;
        QVERIFY(!summary.handlesCommand(cmd::kSwap)); // stays disabled in the other views
        QVERIFY(summary.handlesCommand(cmd::kSort));
    }

    void severalCurveCellsEqualTheCoreRows() {
        const CGridCtrl* grid = m_several->grid();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->columnCount(), 5);
        QCOMPARE(m_several->populations(), (std::vector<int>{0, 1}));
        // La Reunion's 25 cases against 4 expected at Algiers' rates.
        QCOMPARE(grid->itemText(2, 3), QStringLiteral("     625 [404,922]"));
    }

    void testsAndTotalAddTheirColumnAndRowAndAreSaved() {
        m_several->setTests(true);
        const CGridCtrl* grid = m_several->grid();
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(grid->columnCount(), 6);
        QCOMPARE(grid->itemText(0, 5), QStringLiteral("p"));
        TempDir dir;
        const QString txt = QString::fromStdString(dir.file("sir.txt"));
        QVERIFY(m_several->saveTo(txt).ok());
        const std::string saved = dir.read("sir.txt");
        QVERIFY(saved.find("\tp\t\n") != std::string::npos);
        QVERIFY2(saved.find("Total\t       33\t") != std::string::npos, saved.c_str());

        m_several->setTests(false);
        QCOMPARE(m_several->grid()->rowCount(), 3);
        QCOMPARE(m_several->grid()->columnCount(), 5);
    }

    void severalCurveSortDialogAndColours() {
        const auto dialog = m_several->createSortDialog();
        QCOMPARE(dialog->entry(1), QStringLiteral("Observed"));
        QVERIFY(m_several->setBackgroundColour(QColor(230, 230, 255)));
        QCOMPARE(m_several->grid()->effectiveBackColour(2, 4), QColor(230, 230, 255));
        QVERIFY(m_several->grid()->effectiveBackColour(0, 4) != QColor(230, 230, 255));
        QVERIFY(!m_several->grid()->cell(2, 0)->backColour.isValid());
        m_several->grid()->selectRange({2, 1, 2, 1});
        m_several->copy();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(m_several->grid()->itemText(0, 0) +
                                                                QStringLiteral("\tObserved\n")));
    }

    // Numbers out of the table views: Copy numbers and Save As .csv give one column per figure,
    // in the order and selection shown, for each of the four grid views.
    void summaryRatesWithIntervalsInTheOrderShown() {
        CSummaryRatesView view;
        SummaryRatesSettings s;
        s.fixedCancer = kStomach;
        s.confidenceInterval = true;
        view.setSettings(s);
        fill(view);
        view.sortBy(6, false); // La Reunion's 25 cases first
        const QStringList lines = copiedLines(view);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(
            lines[0].split('\t').mid(0, 4),
            (QStringList{"Registry name", "Crude rate", "Crude rate lower", "Crude rate upper"}));
        const QStringList reunion = lines[1].split('\t');
        QCOMPARE(reunion[0], QStringLiteral("France, La Reunion (1993-1997)"));
        QCOMPARE(reunion.last(), QStringLiteral("25"));

        // A range of one row's cells copies that row only; Save As .csv writes the same table
        // comma-separated, by the chosen type's ending.
        view.grid()->selectRange({2, 1, 2, 3});
        QCOMPARE(copiedLines(view).size(), 2);
        const QString saved = saveAs(view, "rates.CSV");
        QVERIFY(saved.startsWith(QStringLiteral("Registry name,Crude rate,Crude rate lower,")));
        QCOMPARE(saved.count('\n'), 2);
        m_csv = saved;
        m_tsv = QGuiApplication::clipboard()->text();
    }

    void ageSpecificReportAndSeveralCurveViews() {
        CAgeSpecificRatesView ageSpecific;
        AgeSpecificRatesSettings a;
        a.fixedCancer = kStomach;
        a.showRates = true;
        ageSpecific.setSettings(a);
        fill(ageSpecific);
        const QStringList ages = copiedLines(ageSpecific);
        QCOMPARE(ages.size(), 3);

        CReportView report;
        ReportSettings r;
        r.confidenceInterval = false;
        report.setSettings(r);
        fill(report);
        QVERIFY(report.isCommandEnabled(cmd::kCopyNumbers));
        const QStringList cells = copiedLines(report);
        QCOMPARE(cells.size(), report.grid()->rowCount());
        QVERIFY(!cells[0].contains(QStringLiteral("lower")));
        QCOMPARE(saveAs(report, "report.csv").count('\n'), cells.size());

        CCMPseveralResult several;
        SirRequest request;
        request.cancer = kStomach;
        several.setRequest(request);
        several.createFont(QStringLiteral("Arial"));
        several.fill(m_data->store, selectSlots({kAlgiersRow, kLaReunionRow}));
        const QStringList sir = copiedLines(several);
        QCOMPARE(sir.size(), 3);
        QVERIFY(saveAs(several, "sir.csv").contains(QString::fromUtf8("(O-E)\u00b2/E")));
    }

    // A registry group named with an accent: the classic .txt keeps the name's Latin-1 byte,
    // the .csv and the copied numbers carry it as UTF-8.
    void accentedNamesInEachSavedTable() {
        CUserGroupDictionary groups{GroupKind::Registry};
        QVERIFY(groups.load(m_dir.file("POPuser.dic")).ok());
        QVERIFY(groups.append("R\xe9union et Alger", {0, 1}).ok());
        m_data->store.setUserGroups(nullptr, &groups);
        CSummaryRatesView view;
        SummaryRatesSettings s;
        s.fixedCancer = kStomach;
        view.setSettings(s);
        view.createFont(QStringLiteral("Arial"));
        view.fill(m_data->store, selectSlots({kFirstRegistryGroup}), selectSlots({kStomach}));
        const QString name = QStringLiteral("R\u00e9union et Alger");
        QVERIFY(copiedLines(view)[1].startsWith(name));
        QVERIFY(saveAs(view, "group.csv").contains(QStringLiteral("\n") + name + QLatin1Char(',')));
        saveAs(view, "group.txt");
        QVERIFY(m_dir.read("group.txt").find("R\xe9union et Alger") != std::string::npos);
        m_data->store.setUserGroups(nullptr, nullptr);
    }

    // What a spreadsheet program makes of them: numbers, not text, with the view's values.
    void pandasReadsNumbers() {
        summaryRatesWithIntervalsInTheOrderShown();
        const QString python = QStringLiteral("/usr/bin/python3");
        if (QProcess::execute(python, {"-c", "import pandas"}) != 0) {
            QSKIP("pandas is not installed");
        }
        TempDir dir;
        dir.write("numbers.csv", m_csv.toStdString());
        dir.write("numbers.tsv", m_tsv.toStdString());
        const char* script =
            "import sys, pandas\n"
            "for path, sep in ((sys.argv[1], ','), (sys.argv[2], '\\t')):\n"
            "    t = pandas.read_csv(path, sep=sep)\n"
            "    assert all(t[c].dtype.kind == 'f' or t[c].dtype.kind == 'i' for c in t.columns[1:]), t.dtypes\n"
            "    print(repr(float(t['Crude rate'][0])), int(t['Number of cases'][0]))\n";
        QProcess process;
        process.start(python, {"-c", script, QString::fromStdString(dir.file("numbers.csv")),
                               QString::fromStdString(dir.file("numbers.tsv"))});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QStringList out = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
        // One row each: Algiers, 10 cases over 1,800,000 person-years.
        QCOMPARE(out[0], QStringLiteral("0.5555555555555556 10"));
        QCOMPARE(out[1], out[0]);
    }

  private:
    template <typename View> void fill(View& view) {
        view.createFont(QStringLiteral("Arial"));
        view.fill(m_data->store, selectSlots({kAlgiersRow, kLaReunionRow}),
                  selectSlots({kStomach}));
    }

    /// Edit > Copy numbers, as the menu runs it, and the clipboard's lines.
    static QStringList copiedLines(CGridView& view) {
        QGuiApplication::clipboard()->clear();
        view.runCommand(cmd::kCopyNumbers);
        QString text = QGuiApplication::clipboard()->text();
        if (text.endsWith('\n')) {
            text.chop(1);
        }
        return text.split('\n');
    }

    /// File > Save As with the name typed in the dialog; the file's text.
    QString saveAs(CGridView& view, const char* name) {
        const QString path = QString::fromStdString(m_dir.file(name));
        QString filter;
        CFileDialogs::setProvider([&](const FileDialogRequest& request) {
            filter = request.filter;
            return path;
        });
        view.runCommand(cmd::kSaveAs);
        if (!filter.contains(QStringLiteral("(*.csv)"))) {
            return {};
        }
        return QString::fromUtf8(QByteArray::fromStdString(m_dir.read(name)));
    }

    static SummaryRatesSettings summarySettings(bool interval = false) {
        SummaryRatesSettings s;
        s.rowsAreRegistries = true;
        s.sex = Sex::Male;
        s.fixedCancer = kStomach;
        s.confidenceInterval = interval;
        return s;
    }
    static ReportSettings reportSettings() {
        ReportSettings s;
        s.rowsAreCancers = true;
        s.rateKind = RateKind::NumberOfCases;
        return s;
    }
    static SirRequest severalRequest() {
        SirRequest r;
        r.cancer = kStomach;
        r.refPopulation = 0;
        r.sex = Sex::Male;
        return r;
    }
    std::unique_ptr<ViewData> m_data;
    std::unique_ptr<CSummaryRatesView> m_summary;
    std::unique_ptr<CReportView> m_report;
    std::unique_ptr<CCMPseveralResult> m_several;
    const SelectionList m_registries = selectSlots({kAlgiersRow, kLaReunionRow});
    const SelectionList m_cancers = selectSlots({kStomach, kVulva, kProstate});
    TempDir m_dir;
    QString m_csv;
    QString m_tsv;
};

ORVELAN_QT_TEST(TableViewsTest)

#include "TableViewsTest.moc"
