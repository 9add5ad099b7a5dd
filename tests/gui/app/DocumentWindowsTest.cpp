// Documents in the main window: where new windows open, what they are called, the font box,
// Save As of the text and grid views, printing a wide text, and lists sized to their texts.
#include "../reports/ViewFixture.h"
#include "GuiFixture.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/data/CRegistryDictionaryDlg.h"
#include "gui/data/CSelectionTree.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CDocument.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CSummaryRatesView.h"
#include "gui/reports/CVEKEditView.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CReportList.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QMdiArea>
#include <QPrinter>

using namespace orvelan;
using namespace orvelan::test;

namespace {

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

class DocumentWindowsTest : public QObject {
    Q_OBJECT

  private:
    CVEKEditView* openText(const QString& text) {
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
        CFileDialogs::setProvider({});
        fixture.verifyDialogsHandled();
    }

    void newDocumentsOpenFullyVisibleCascading() {
        const QRect area = fixture.frame().mdiArea()->viewport()->rect();
        QPoint previous(-1, -1);
        for (int i = 0; i < 8; ++i) {
            openText(QStringLiteral("x"));
            const QRect placed = fixture.frame().activeChild()->geometry();
            QVERIFY2(area.contains(placed), qPrintable(QStringLiteral("window %1 at %2,%3 %4x%5")
                                                           .arg(i)
                                                           .arg(placed.x())
                                                           .arg(placed.y())
                                                           .arg(placed.width())
                                                           .arg(placed.height())));
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
                openText(QStringLiteral("Title\r\nline\r\n"));
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
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("Age-classes"));
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

  private:
    test::GuiFixture fixture;
    std::unique_ptr<ViewData> m_data;
};

ORVELAN_QT_TEST(DocumentWindowsTest)
#include "DocumentWindowsTest.moc"
