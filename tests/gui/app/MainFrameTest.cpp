// The main window: menu sets that follow the active document, titles of new documents, the
// texts, shortcuts and prompts of the commands, toolbars, font bar and status bar.
#include "GuiFixture.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CDocument.h"
#include "gui/framework/CORVELANDoc.h"
#include "gui/framework/CommandIds.h"
#include "gui/graphs/CGraphDoc.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

using namespace orvelan;

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

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        fixture.writeFixtureData();
        fixture.start();
    }

    void cleanup() {
        fixture.frame().mdiArea()->closeAllSubWindows();
        QCoreApplication::processEvents();
        fixture.verifyDialogsHandled();
    }

    void menusWithoutDocument() {
        CMainFrame& frame = fixture.frame();
        QCOMPARE(frame.currentMenuSet(), MenuSet::NoDocument);
        QCOMPARE(menuBarTitles(frame.menuBar()),
                 (QStringList{"&File", "&View", "&Dictionaries", "&Help"}));
        QCOMPARE(entries(topMenu(frame, "&File")),
                 (QStringList{"&Graph...", "Report /&Table...", "&Statistical analysis...", "-",
                              "&Open...", "P&rint Setup...", "-", "&Export...", "-", "Recent File",
                              "-", "E&xit"}));
        QCOMPARE(entries(topMenu(frame, "&View")), (QStringList{"&Toolbar", "&Status Bar"}));
        QCOMPARE(entries(topMenu(frame, "&Dictionaries")),
                 (QStringList{"&Registry", "&Cancer", "-", "&New user-defined group>"}));
        QCOMPARE(entries(topMenu(frame, "&Help")),
                 (QStringList{"&About ORVELAN", "&Reference", "-", "&ORVELAN on the Web...>"}));
        const QMenu* web = topMenu(frame, "&Help")->actions().last()->menu();
        QCOMPARE(web->actions().size(), 4);
    }

    void menusFollowTheActiveDocument() {
        CMainFrame& frame = fixture.frame();
        const QStringList documentBar = {"&File",         "&Edit",   "&View",
                                         "&Dictionaries", "&Window", "&Help"};
        CChildFrame* table = frame.openDocument(DocumentType::StandardTable, new QWidget);
        QCOMPARE(frame.currentMenuSet(), MenuSet::StandardTableText);
        QCOMPARE(menuBarTitles(frame.menuBar()), documentBar);
        QCOMPARE(
            entries(topMenu(frame, "&Edit")),
            (QStringList{"&Undo", "-", "&Copy", "Select &All", "-", "&Find...", "Find &Next"}));
        QCOMPARE(entries(topMenu(frame, "&View")),
                 (QStringList{"&Toolbar", "&Status Bar", "-", "&Decrease font", "&Increase font"}));
        QCOMPARE(entries(topMenu(frame, "&Window")),
                 (QStringList{"&Cascade", "&Tile", "&Arrange Icons"}));
        QVERIFY(entries(topMenu(frame, "&File")).contains("Save &As..."));
        QVERIFY(entries(topMenu(frame, "&File")).contains("Print Pre&view"));

        CChildFrame* graph = frame.openDocument(DocumentType::PieChart, new QWidget);
        QCOMPARE(frame.currentMenuSet(), MenuSet::Graphs);
        QCOMPARE(entries(topMenu(frame, "&Edit")), QStringList{"&Copy"});
        QVERIFY(qobject_cast<CGraphDoc*>(graph->document()) != nullptr);

        CChildFrame* report = frame.openDocument(DocumentType::SummaryRates, new QWidget);
        QCOMPARE(frame.currentMenuSet(), MenuSet::Tables);
        QCOMPARE(entries(topMenu(frame, "&Edit")),
                 (QStringList{"&Copy", "Copy &numbers", "-", "&Swap", "Sor&t"}));
        QCOMPARE(
            entries(topMenu(frame, "&View")),
            (QStringList{"&Toolbar", "&Status Bar", "-", "&Decrease font", "&Increase font", "-",
                         "&Background colour...", "Te&xt colour...", "-", "&Confidence intervals>",
                         "Standard &population>", "Tests and &total"}));
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

    void commandTextsShortcutsAndPrompts() {
        CMainFrame& frame = fixture.frame();
        struct Row {
            int id;
            const char* text;
            const char* shortcut;
            const char* status;
            const char* tip;
        };
        const Row rows[] = {
            {cmd::kNewGraph, "&Graph...", "", "Creates a new graph", "Graph"},
            {cmd::kNewReport, "Report /&Table...", "", "Creates a new table or report",
             "Report / Table"},
            {cmd::kOpen, "&Open...", "Ctrl+O", nullptr, nullptr},
            {cmd::kExport, "&Export...", "", "Exports raw data to a text file", nullptr},
            {cmd::kDecreaseFont, "&Decrease font", "", "Decreases the font size", "Dicrease font"},
            {cmd::kIncreaseFont, "&Increase font", "", "Increases the font size", "Increase font"},
            {cmd::kNewCancerGroup, "&Cancer", "", nullptr, nullptr},
            {cmd::kNewRegistryGroup, "&Registry", "", nullptr, nullptr},
        };
        for (const Row& row : rows) {
            const QAction* action = frame.action(row.id);
            QCOMPARE(action->text(), QString::fromUtf8(row.text));
            QCOMPARE(action->shortcut().toString(), QString::fromUtf8(row.shortcut));
            if (row.status != nullptr) {
                QCOMPARE(action->statusTip(), QString::fromUtf8(row.status));
            }
            if (row.tip != nullptr) {
                QCOMPARE(action->toolTip(), QString::fromUtf8(row.tip));
            }
        }
        // Every command prompts in the status bar (the menus above show their texts).
        for (int id : {cmd::kNewAnalysis, cmd::kAbout, cmd::kReference, cmd::kPrintSetup,
                       cmd::kToolbar, cmd::kStatusBar, cmd::kNewCancerGroup, cmd::kNewRegistryGroup,
                       cmd::kRegistryDictionary, cmd::kCancerDictionary, cmd::kSwap, cmd::kSort,
                       cmd::kOpen, cmd::kExport}) {
            QVERIFY2(!frame.action(id)->statusTip().isEmpty(), qPrintable(QString::number(id)));
        }
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
        QCOMPARE(frame.fontNameBox()->currentText(), QStringLiteral("MS Sans Serif"));
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

  private:
    test::GuiFixture fixture;
};

ORVELAN_QT_TEST(MainFrameTest)
#include "MainFrameTest.moc"
