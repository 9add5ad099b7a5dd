// The main window and its documents: menu sets that follow the active document, titles of new
// documents, the commands enabled without one, toolbars and status bar; where
// new windows open, the font box, Save As of the text and grid views, printing a wide text and
// lists sized to their texts; Open, the recent files and the standard-table text view with its
// line ends, .prn saving, font size, find, copy, print and print preview.
#include "../reports/ViewFixture.h"
#include "GuiFixture.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/data/CRegistryDictionaryDlg.h"
#include "gui/data/CSelectionTree.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CDocument.h"
#include "gui/framework/CORVELANDoc.h"
#include "gui/framework/CommandIds.h"
#include "gui/graphs/CGraphDoc.h"
#include "gui/reports/CSummaryRatesView.h"
#include "gui/reports/CVEKEditView.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CReportList.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>

using namespace orvelan;
using namespace orvelan::test;

namespace {

QStringList menuBarTitles(QMenuBar* bar) {
    QStringList list;
    for (const QAction* action : bar->actions()) {
        list << action->text();
    }
    return list;
}

// Entries of a menu: texts, "-" for separators, "Title>" for submenus; hidden entries left out.
QStringList entries(const QMenu* menu) {
    QStringList list;
    for (const QAction* action : menu->actions()) {
        if (!action->isVisible()) {
            continue;
        }
        list << (action->isSeparator() ? QStringLiteral("-")
                 : action->menu()      ? action->text() + QLatin1Char('>')
                                       : action->text());
    }
    return list;
}

QMenu* topMenu(CMainFrame& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

// A standard table is 120 characters wide: in portrait its right-hand columns used to be lost.
QString wideText() {
    QString text = QStringLiteral("Title\r\n");
    for (int line = 0; line < 40; ++line) {
        text +=
            QString(119, QLatin1Char(static_cast<char>('0' + line % 10))) + QStringLiteral("|\r\n");
    }
    return text;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    CVEKEditView* openTextView(const QString& text) {
        auto* view = new CVEKEditView;
        view->setText(text);
        fixture.frame().openDocument(DocumentType::StandardTable, view);
        return view;
    }
    CSummaryRatesView* openGrid() {
        auto* view = new CSummaryRatesView;
        SummaryRatesSettings settings;
        settings.rowsAreRegistries = true;
        settings.fixedCancer = kStomach;
        view->setSettings(settings);
        view->createFont(fixture.frame().fontNameBox()->currentText());
        view->fill(m_data->store, selectSlots({kAlgiersRow, kLaReunionRow}),
                   selectSlots({kStomach}));
        view->setWorkFolder(fixture.app().workDirectory());
        fixture.frame().openDocument(DocumentType::SummaryRates, view);
        return view;
    }
    QString title() const { return fixture.frame().activeChild()->document()->title(); }

    QString path(const char* name) const {
        return QString::fromStdString(fixture.dataDir().file(name));
    }
    void answerFileDialog(const QString& answer) {
        CFileDialogs::setProvider([this, answer](const FileDialogRequest& request) {
            lastRequest = request;
            return answer;
        });
    }
    CVEKEditView* activeView() const {
        CChildFrame* child = fixture.frame().activeChild();
        return child ? qobject_cast<CVEKEditView*>(child->view()) : nullptr;
    }
    CVEKEditView* openText(const char* name, const std::string& content) {
        fixture.dataDir().write(name, content);
        answerFileDialog(path(name));
        fixture.frame().action(cmd::kOpen)->trigger();
        return activeView();
    }

  private slots:
    void initTestCase() {
        fixture.writeFixtureData();
        fixture.start();
        fixture.frame().resize(1000, 720);
        fixture.frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&fixture.frame()));
        m_data = std::make_unique<ViewData>();
    }

    void cleanup() {
        fixture.frame().mdiArea()->closeAllSubWindows();
        QCoreApplication::processEvents();
        CFileDialogs::setProvider([](const FileDialogRequest&) { return QString(); });
        fixture.verifyDialogsHandled();
    }

    // The menu bar and the Edit menu change with the kind of the active document.
    void menusFollowTheActiveDocument() {
        CMainFrame& frame = fixture.frame();
        QCOMPARE(frame.currentMenuSet(), MenuSet::NoDocument);
        QCOMPARE(menuBarTitles(frame.menuBar()),
                 (QStringList{"&File", "&View", "&Dictionaries", "&Help"}));
        CChildFrame* table = frame.openDocument(DocumentType::StandardTable, new QWidget);
        QCOMPARE(frame.currentMenuSet(), MenuSet::StandardTableText);
        QCOMPARE(menuBarTitles(frame.menuBar()),
                 (QStringList{"&File", "&Edit", "&View", "&Dictionaries", "&Window", "&Help"}));
        QVERIFY(entries(topMenu(frame, "&Edit")).contains("&Find..."));

        CChildFrame* graph = frame.openDocument(DocumentType::PieChart, new QWidget);
        QCOMPARE(frame.currentMenuSet(), MenuSet::Graphs);
        QCOMPARE(entries(topMenu(frame, "&Edit")), QStringList{"&Copy"});
        QVERIFY(qobject_cast<CGraphDoc*>(graph->document()) != nullptr);

        CChildFrame* report = frame.openDocument(DocumentType::SummaryRates, new QWidget);
        QCOMPARE(frame.currentMenuSet(), MenuSet::Tables);
        QVERIFY(entries(topMenu(frame, "&Edit")).contains("&Swap"));
        QVERIFY(entries(topMenu(frame, "&View")).contains("Tests and &total"));
        QVERIFY(qobject_cast<CORVELANDoc*>(report->document()) != nullptr);

        frame.mdiArea()->setActiveSubWindow(table);
        QCOMPARE(frame.currentMenuSet(), MenuSet::StandardTableText);
        frame.mdiArea()->closeAllSubWindows();
        QCoreApplication::processEvents();
        QCOMPARE(frame.currentMenuSet(), MenuSet::NoDocument);
        QCOMPARE(menuBarTitles(frame.menuBar()).size(), 4);
    }

    void newDocumentsAreNumberedPerDocumentName() {
        CMainFrame& frame = fixture.frame();
        const auto titleOf = [&frame](DocumentType type) {
            return frame.openDocument(type, new QWidget)->document()->title();
        };
        const QString table = titleOf(DocumentType::StandardTable);
        QVERIFY(table.startsWith(QStringLiteral("Table")));
        const int next = table.mid(5).toInt() + 1;
        QCOMPARE(titleOf(DocumentType::StandardTable), QStringLiteral("Table%1").arg(next));
        QVERIFY(titleOf(DocumentType::BarChart).startsWith(QStringLiteral("Graph")));
        // The four table types share the name "Report" and one count: no two windows alike.
        const QString report = titleOf(DocumentType::UserReport);
        QVERIFY(report.startsWith(QStringLiteral("Report")));
        int count = report.mid(6).toInt();
        for (DocumentType type : {DocumentType::SummaryRates, DocumentType::AgeSpecificRates,
                                  DocumentType::SeveralCurves, DocumentType::UserReport}) {
            QCOMPARE(titleOf(type), QStringLiteral("Report%1").arg(++count));
        }
        QCOMPARE(
            frame.openDocument(DocumentType::Pyramid, new QWidget, "My pyramid")->windowTitle(),
            QStringLiteral("My pyramid"));
        QCOMPARE(frame.windowTitle(), QStringLiteral("ORVELAN - My pyramid"));
    }

    void documentlessCommandsAreEnabled() {
        CMainFrame& frame = fixture.frame();
        frame.updateCommandStates();
        for (int id : {cmd::kOpen, cmd::kPrintSetup, cmd::kAbout, cmd::kReference,
                       cmd::kWebUserGuide, cmd::kWebData, cmd::kWebMethods, cmd::kWebCitation,
                       cmd::kToolbar, cmd::kStatusBar, cmd::kExit, cmd::kNewReport,
                       cmd::kRegistryDictionary, cmd::kCancerDictionary, cmd::kNewCancerGroup,
                       cmd::kNewRegistryGroup, cmd::kNewAnalysis, cmd::kExport, cmd::kNewGraph}) {
            QVERIFY2(frame.action(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QVERIFY(!frame.action(cmd::kClose)->isEnabled()); // Close needs a document
    }

    void toolbarsAndStatusBarToggle() {
        CMainFrame& frame = fixture.frame();
        frame.action(cmd::kToolbar)->trigger();
        for (QToolBar* bar : frame.toolBars()) {
            QVERIFY(bar->isHidden());
        }
        frame.action(cmd::kToolbar)->trigger();
        QVERIFY(!frame.toolBars().first()->isHidden());
        frame.action(cmd::kStatusBar)->trigger();
        QVERIFY(frame.statusBar()->isHidden());
        frame.action(cmd::kStatusBar)->trigger();
        QVERIFY(!frame.statusBar()->isHidden());
    }

    void recentFileListHoldsTen() {
        CMainFrame& frame = fixture.frame();
        CORVELANApp& app = fixture.app();
        for (int i = 0; i < 12; ++i) {
            app.recentFiles().add("/data/t" + std::to_string(i) + ".prn");
        }
        emit app.recentFilesChanged();
        const QStringList file = entries(topMenu(frame, "&File"));
        QVERIFY(!file.contains("Recent File"));
        QVERIFY(file.contains("&1 /data/t11.prn"));
        QVERIFY(file.contains("&0 /data/t2.prn"));
        QVERIFY(!file.contains("&0 /data/t1.prn"));
        app.recentFiles().assign({});
        emit app.recentFilesChanged();
    }

    void newDocumentsOpenFullyVisibleCascading() {
        const QRect area = fixture.frame().mdiArea()->viewport()->rect();
        QPoint previous(-1, -1);
        for (int i = 0; i < 8; ++i) {
            openTextView(QStringLiteral("x"));
            const QRect placed = fixture.frame().activeChild()->geometry();
            QVERIFY2(area.contains(placed), qPrintable(QString::number(i)));
            if (i == 0) {
                QCOMPARE(placed.topLeft(), QPoint(0, 0));
            } else {
                // Down and right of the one before, or back at the corner when out of room.
                QVERIFY(placed.topLeft() == QPoint(0, 0) ||
                        (placed.x() > previous.x() && placed.y() > previous.y()));
            }
            previous = placed.topLeft();
        }
    }

    void gridViewsFollowTheFontBox() {
        CSummaryRatesView* view = openGrid();
        QComboBox* box = fixture.frame().fontNameBox();
        QCOMPARE(view->fontFace(), box->currentText());
        box->setCurrentText(QStringLiteral("Courier New"));
        QCOMPARE(view->fontFace(), QStringLiteral("Courier New"));
        for (int row = 0; row < view->grid()->rowCount(); ++row) {
            for (int column = 0; column < view->grid()->columnCount(); ++column) {
                QCOMPARE(view->grid()->itemFont(row, column).family(),
                         QStringLiteral("Courier New"));
                QCOMPARE(view->grid()->itemFont(row, column).pointSize(), 12);
            }
        }
        box->setCurrentIndex(0);
    }

    // Save As proposes the document's name in the work folder; afterwards the window carries
    // the file's name and the file heads the recent files.
    void saveAsProposesANameRetitlesAndRemembers() {
        const QString work = fixture.app().workDirectory();
        QVERIFY(QDir().mkpath(work));
        const struct {
            bool grid;
            const char* chosen;
        } rows[] = {{false, "saved.prn"}, {true, "saved.txt"}};
        for (const auto& row : rows) {
            if (row.grid) {
                openGrid();
            } else {
                openTextView(QStringLiteral("Title\r\nline\r\n"));
            }
            const QString before = title();
            const QString path = QDir(work).filePath(QString::fromLatin1(row.chosen));
            FileDialogRequest asked;
            CFileDialogs::setProvider([&](const FileDialogRequest& request) {
                asked = request;
                return path;
            });
            fixture.frame().action(cmd::kSaveAs)->trigger();
            QCOMPARE(asked.directory, QDir(work).filePath(before + (row.grid ? ".txt" : ".prn")));
            QVERIFY(QFile::exists(path));
            QCOMPARE(title(), QString::fromLatin1(row.chosen));
            QCOMPARE(QString::fromStdString(fixture.app().recentFiles().paths().front()), path);
            // The next Save As proposes the file it was saved to.
            fixture.frame().action(cmd::kSaveAs)->trigger();
            QCOMPARE(asked.directory, path);
        }
    }

    void wideTextPrintsWhole() {
        CVEKEditView view;
        view.setText(wideText());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        TempDir dir;
        printer.setOutputFileName(QString::fromStdString(dir.file("table.pdf")));

        // Preview and print turn a portrait page whose width is too small to landscape...
        QCOMPARE(view.chooseOrientation(printer),
                 QStringLiteral("The page is turned to landscape so that every column fits."));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(view.printFit(printer).note.isEmpty());
        QCOMPARE(view.printFit(printer).pointSize, 9.0);

        // ... and a portrait page kept by the user gets a smaller font that fits its width.
        printer.setPageOrientation(QPageLayout::Portrait);
        const CVEKEditView::PrintFit fit = view.printFit(printer);
        QVERIFY(fit.pointSize < 9.0 && fit.pointSize >= 5.0);
        QVERIFY(fit.note.startsWith(QStringLiteral("The text is printed at ")));
        QFont printed = view.font();
        printed.setPointSizeF(fit.pointSize);
        const qreal longest = QFontMetricsF(printed, &printer)
                                  .horizontalAdvance(QString(119, QLatin1Char('0')) + '|');
        QVERIFY(longest <= printer.pageRect(QPrinter::DevicePixel).width());
        QCOMPARE(view.printTo(printer), fit.note);
        QVERIFY(QFileInfo(printer.outputFileName()).size() > 0);

        view.setText(QStringLiteral("narrow\r\n"));
        QVERIFY(view.printFit(printer).note.isEmpty());
        QVERIFY(view.chooseOrientation(printer).isEmpty());
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    }

    void listHeadingsAndTextsAreNotCutOff() {
        CRegistryDictionaryDlg dialog(fixture.app().registryGroups(), fixture.app().store());
        dialog.show();
        dialog.tree()->setCurrentItem(dialog.tree()->findValue(0));
        QTreeWidget* list = dialog.list();
        QCOMPARE(list->topLevelItemCount(), 1);
        for (int column = 0; column < list->columnCount(); ++column) {
            QVERIFY(list->columnWidth(column) >= list->header()->sectionSizeHint(column));
            const QString text = list->topLevelItem(0)->text(column);
            QVERIFY(list->columnWidth(column) > list->fontMetrics().horizontalAdvance(text));
        }

        CReportList dates(nullptr, QStringLiteral("dates"),
                          {{QStringLiteral("Name"), 100}, {QStringLiteral("Created"), 60}});
        auto* row = new QTreeWidgetItem(&dates);
        row->setText(1, QStringLiteral("Sunday, 6 December 2026 11:50:53"));
        dates.fitColumns();
        QVERIFY(dates.columnWidth(1) >= dates.fontMetrics().horizontalAdvance(row->text(1)));
        QCOMPARE(dates.columnWidth(0), 100);
    }

    void openShowsTheTextWithLineEnds() {
        CVEKEditView* view = openText("t1.prn", "Registry A\n  SITE   1.0\n\nend\n");
        QVERIFY(view != nullptr);
        QCOMPARE(lastRequest.filter, QStringLiteral("Formatted text (*.prn);;Text files (*.txt)"));
        QCOMPARE(lastRequest.defaultSuffix, QStringLiteral("prn"));
        QCOMPARE(view->document()->blockCount(), 5);
        QCOMPARE(view->document()->findBlockByNumber(1).text(), QStringLiteral("  SITE   1.0"));
        QCOMPARE(view->text(), QStringLiteral("Registry A\r\n  SITE   1.0\r\n\r\nend\r\n"));
        CChildFrame* child = fixture.frame().activeChild();
        QCOMPARE(child->document()->type(), DocumentType::StandardTable);
        QCOMPARE(child->document()->title(), QStringLiteral("t1.prn"));
        QCOMPARE(child->document()->pathName(), path("t1.prn"));
        QCOMPARE(fixture.app().recentFiles().paths().front(), path("t1.prn").toStdString());
        QCOMPARE(fixture.frame().currentMenuSet(), MenuSet::StandardTableText);
        // Any ending opens as text, and CR LF line ends stay as they are.
        QCOMPARE(openText("notes.log", "a\r\nb")->text(), QStringLiteral("a\r\nb"));
    }

    void unreadableFileOpensNothing() {
        const int before = static_cast<int>(fixture.frame().childFrames().size());
        answerFileDialog(path("missing.prn"));
        fixture.frame().action(cmd::kOpen)->trigger();
        answerFileDialog(QString()); // Cancel
        fixture.frame().action(cmd::kOpen)->trigger();
        QCOMPARE(static_cast<int>(fixture.frame().childFrames().size()), before);
    }

    void recentFileReopensAndAVanishedOneIsDropped() {
        openText("recent.prn", "first\n");
        fixture.frame().mdiArea()->closeAllSubWindows();
        fixture.frame().updateCommandStates();
        fixture.frame().action(cmd::kRecentFile1)->trigger();
        QVERIFY(activeView() != nullptr);
        QCOMPARE(activeView()->text(), QStringLiteral("first\r\n"));

        QFile::remove(path("recent.prn"));
        QString message;
        fixture.expectDialog(test::GuiFixture::captureText(message));
        fixture.frame().action(cmd::kRecentFile1)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY2(message.contains(QStringLiteral("recent.prn")), qPrintable(message));
        const auto& paths = fixture.app().recentFiles().paths();
        QVERIFY(std::find(paths.begin(), paths.end(), path("recent.prn").toStdString()) ==
                paths.end());
    }

    void aLongRecentPathIsShortenedInTheMiddleAndStillOpens() {
        // Five long folders below the data folder, and the file in a folder with "&".
        QString folder = QString::fromStdString(fixture.dataDir().str());
        for (int i = 0; i < 5; ++i) {
            folder += QLatin1Char('/') + QString(50, QChar(u'a' + i));
        }
        folder += QStringLiteral("/R&D");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/long.prn");
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write("deep\n");
        }
        answerFileDialog(file);
        fixture.frame().action(cmd::kOpen)->trigger();
        fixture.frame().mdiArea()->closeAllSubWindows();
        fixture.frame().updateCommandStates();

        QMenu* fileMenu = topMenu(fixture.frame(), QStringLiteral("&File"));
        QAction* entry = fixture.frame().action(cmd::kRecentFile1);
        QVERIFY(entry->text().startsWith(QStringLiteral("&1 ")));
        QVERIFY(entry->text().contains(QChar(0x2026)));
        QVERIFY(entry->text().endsWith(QStringLiteral("/R&&D/long.prn")));
        QCOMPARE(entry->toolTip(), file);

        fileMenu->popup(fixture.frame().mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(fileMenu));
        QVERIFY2(fileMenu->width() < 700, qPrintable(QString::number(fileMenu->width())));
        QTest::mouseClick(fileMenu, Qt::LeftButton, {}, fileMenu->actionGeometry(entry).center());
        QTRY_VERIFY(activeView() != nullptr);
        QCOMPARE(activeView()->text(), QStringLiteral("deep\r\n"));
        QCOMPARE(fixture.frame().activeChild()->document()->pathName(), file);
    }

    void savesPrnWithNewlineEndsAndRefusesOtherEndings() {
        CVEKEditView* view = openText("in.prn", "x");
        view->setText(QStringLiteral("Title\r\n  1  2\r\nlast"));
        answerFileDialog(path("out.PRN"));
        fixture.frame().action(cmd::kSaveAs)->trigger();
        QCOMPARE(fixture.dataDir().read("out.PRN"), std::string("Title\n  1  2\nlast"));
        QCOMPARE(lastRequest.filter, QStringLiteral("Formatted Text (*.prn)"));

        // An accented name goes back in the bytes it came in: Latin-1 as the tables save it,
        // UTF-8 as an editor may have saved it.
        for (const std::string text : {"R\xe9union  12.5\n", "R\xc3\xa9union  12.5\n"}) {
            openText("accent.prn", text);
            answerFileDialog(path("accent-out.prn"));
            fixture.frame().action(cmd::kSaveAs)->trigger();
            QCOMPARE(fixture.dataDir().read("accent-out.prn"), text);
        }

        // Another ending writes nothing and says why.
        QString message;
        fixture.expectDialog(test::GuiFixture::captureText(message));
        QVERIFY(!view->saveAs(path("out.txt")));
        QVERIFY(fixture.waitForExpectedDialogs());
        QCOMPARE(message, QStringLiteral("File format not supported..."));
        QVERIFY(!QFile::exists(path("out.txt")));
    }

    void fontSizeStaysWithinSevenAndFifteen() {
        CVEKEditView* view = openText("f.prn", "abc\n");
        QCOMPARE(view->fontSize(), 12);
        QCOMPARE(view->font().pixelSize(), 12);
        QCOMPARE(QFontInfo(view->font()).family(), QStringLiteral("Liberation Mono"));
        for (int i = 0; i < 10; ++i) {
            fixture.frame().runCommand(cmd::kDecreaseFont);
        }
        QCOMPARE(view->fontSize(), 7);
        QVERIFY(!fixture.frame().action(cmd::kDecreaseFont)->isEnabled());
        QVERIFY(fixture.frame().action(cmd::kIncreaseFont)->isEnabled());
        for (int i = 0; i < 10; ++i) {
            fixture.frame().runCommand(cmd::kIncreaseFont);
        }
        QCOMPARE(view->fontSize(), 15);
        QCOMPARE(view->font().pixelSize(), 15);
        QVERIFY(!fixture.frame().action(cmd::kIncreaseFont)->isEnabled());
    }

    void selectAllCopyUndoAndFind() {
        CVEKEditView* view = openText("e.prn", "alpha beta\nGamma beta\n");
        QVERIFY(!fixture.frame().action(cmd::kCopy)->isEnabled()); // nothing selected
        fixture.frame().action(cmd::kSelectAll)->trigger();
        QVERIFY(fixture.frame().action(cmd::kCopy)->isEnabled());
        fixture.frame().action(cmd::kCopy)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha beta\nGamma beta\n"));

        view->moveCursor(QTextCursor::Start);
        QVERIFY(view->findText(QStringLiteral("beta"), false, false, true));
        QCOMPARE(view->textCursor().blockNumber(), 0);
        fixture.frame().action(cmd::kFindNext)->trigger(); // Find Next
        QCOMPARE(view->textCursor().blockNumber(), 1);
        QVERIFY(!view->findNext()); // no third one
        QVERIFY(!view->findText(QStringLiteral("gamma"), true, false, true));
        QCOMPARE(fixture.frame().statusBar()->currentMessage(),
                 QStringLiteral("Cannot find \"gamma\""));

        QVERIFY(!fixture.frame().action(cmd::kUndo)->isEnabled());
        view->moveCursor(QTextCursor::End);
        view->insertPlainText(QStringLiteral("new"));
        QVERIFY(fixture.frame().action(cmd::kUndo)->isEnabled());
        fixture.frame().action(cmd::kUndo)->trigger();
        QCOMPARE(view->text(), QStringLiteral("alpha beta\r\nGamma beta\r\n"));
    }

    void printsAndPreviews() {
        CVEKEditView* view = openText("p.prn", std::string(200, 'x') + "\n");
        QString lines;
        for (int i = 0; i < 150; ++i) {
            lines += QStringLiteral("line %1\n").arg(i);
        }
        view->setText(lines);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("p.pdf"));
        view->printTo(printer);
        QFile pdf(path("p.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY2(bytes.count("/Type /Page") - bytes.count("/Type /Pages") >= 2,
                 "150 lines fill more than one page");

        bool preview = false;
        fixture.expectDialog([&preview](QWidget* dialog) {
            preview = qobject_cast<QPrintPreviewDialog*>(dialog) != nullptr;
            dialog->close();
        });
        fixture.frame().action(cmd::kPrintPreview)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY(preview);
    }

  private:
    test::GuiFixture fixture;
    std::unique_ptr<ViewData> m_data;
    FileDialogRequest lastRequest;
};

ORVELAN_QT_TEST(MainWindowTest)
#include "MainWindowTest.moc"
