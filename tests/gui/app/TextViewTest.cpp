// Open, the recent files and the standard-table text view: line ends, .prn saving, font size,
// find, copy, print and print preview.
#include "GuiFixture.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CDocument.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CVEKEditView.h"
#include "gui/widgets/CFileDialogs.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTextBlock>

using namespace orvelan;

class TextViewTest : public QObject {
    Q_OBJECT

  private:
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
    }

    void cleanup() {
        fixture.frame().mdiArea()->closeAllSubWindows();
        QCoreApplication::processEvents();
        fixture.verifyDialogsHandled();
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

        QMenu* fileMenu = nullptr;
        for (QAction* top : fixture.frame().menuBar()->actions()) {
            if (top->text() == QStringLiteral("&File")) {
                fileMenu = top->menu();
            }
        }
        QVERIFY(fileMenu != nullptr);
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
    FileDialogRequest lastRequest;
};

ORVELAN_QT_TEST(TextViewTest)
#include "TextViewTest.moc"
