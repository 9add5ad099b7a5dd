// The four graph windows on small fixture data, from "&Graph..." (the wizard runs from the
// remembered choices, Finish keeps them and opens one graph document per kind, Cancel changes
// nothing) or the shell function: titles, commands per kind, mouse, Save As, Copy, printing and
// the question about keeping colours.
#include "FixtureData.h"
#include "GuiFixture.h"
#include "KnownCodes.h"
#include "PdfTools.h"
#include "core/data/CRegistryDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/graphs/GraphSettings.h"
#include "gui/app/CGraphCommands.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/app/GraphOpening.h"
#include "gui/data/CAgeScopeDlg.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CDocument.h"
#include "gui/framework/CommandIds.h"
#include "gui/graphs/CAgeView.h"
#include "gui/graphs/CBarView.h"
#include "gui/graphs/CColourDialog.h"
#include "gui/graphs/CLineStyleDlg.h"
#include "gui/graphs/CPieView.h"
#include "gui/graphs/CPopView.h"
#include "gui/graphs/CPublicationSaveDlg.h"
#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CFileDialogs.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <array>
#include <utility>

using namespace orvelan;
using namespace orvelan::test;

namespace {

// Population 0: 10,000,000 person-years a group to 85+, so that 1,234 cases give 12.34.
void writeGraphData(const std::string& directory) {
    FixtureData data;
    addPopulations(data, 10'000'000.0, {0});
    addPopulations(data, 5'000'000.0, {1}, 14);
    CasesFixture stomach;
    stomach.cases[8] = 1234; // 40-44
    stomach.cases[12] = 4000;
    data.setCases(0, 0, kStomach, stomach);
    data.setCases(0, 1, kStomach, stomach);
    CasesFixture colon;
    colon.cases[13] = 2500;
    data.setCases(0, 0, kColon, colon);
    CasesFixture all;
    all.cases[12] = 9000;
    all.cases[13] = 3000;
    data.setCases(0, 0, 0, all);
    CasesFixture reunion;
    reunion.cases[12] = 600;
    data.setCases(1, 0, kStomach, reunion);
    data.write(directory);
}

GraphSettings graphOf(GraphKind kind) {
    GraphSettings settings;
    settings.kind = kind;
    settings.title = "Fixture graph";
    settings.registries = selectSlots({kAlgiersRow, kLaReunionRow});
    settings.cancers = selectSlots({kStomach});
    settings.cancer = kStomach;
    settings.rateKind = RateKind::CrudeRate;
    return settings;
}

/// Clicks the kind, then Next until Finish is offered, then Finish.
void runToFinish(QWidget* dialog, int kind) {
    auto* wizard = qobject_cast<CGphWizard*>(dialog);
    if (wizard == nullptr) {
        dialog->close();
        return;
    }
    wizard->currentPage()->findChild<QRadioButton*>(QStringLiteral("kind%1").arg(kind))->click();
    for (int step = 0; step < 6 && wizard->isVisible(); ++step) {
        QAbstractButton* finish = wizard->button(QWizard::FinishButton);
        QTest::mouseClick(finish->isVisible() ? finish : wizard->button(QWizard::NextButton),
                          Qt::LeftButton);
    }
    if (wizard->isVisible()) {
        wizard->reject(); // a step was refused: the test sees no document
    }
}

} // namespace

class GraphViewsTest : public QObject {
    Q_OBJECT

  private:
    GuiFixture fixture;

    CChildFrame* open(const GraphSettings& settings) {
        if (!gui::openGraph(fixture.frame(), settings)) {
            return nullptr;
        }
        CChildFrame* child = fixture.frame().activeChild();
        child->resize(640, 480);
        QCoreApplication::processEvents();
        return child;
    }
    template <typename View> View* openView(const GraphSettings& settings) {
        CChildFrame* child = open(settings);
        return child ? qobject_cast<View*>(child->view()) : nullptr;
    }
    // Paints the view now, so that its geometry is the one on screen.
    static void paintNow(CGraphView* view) {
        view->repaint();
        QCoreApplication::processEvents();
    }
    QString messagePane() const {
        return fixture.frame()
            .statusBar()
            ->findChild<QLabel*>(QStringLiteral("messagePane"))
            ->text();
    }
    GraphSettings remembered() {
        GraphSettings settings;
        const int row = CRegistryDictionary::rowOfPopulation(0).value_or(0);
        settings.registries[static_cast<std::size_t>(row)] = row;
        settings.cancers[kStomach] = kStomach;
        settings.cancer = kStomach;
        settings.rateKind = RateKind::CrudeRate;
        return settings;
    }
    /// "&Graph..." run through the wizard from the remembered choices to the given kind.
    void runGraphCommand(int kind) {
        fixture.expectDialog([kind](QWidget* dialog) { runToFinish(dialog, kind); });
        fixture.frame().action(cmd::kNewGraph)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
    }
    QAction* action(int id) { return fixture.frame().action(id); }
    QString dataPath(const QString& name) const {
        return QString::fromStdString(fixture.dataDir().str()) + QLatin1Char('/') + name;
    }

  private slots:
    void init() {
        writeGraphData(fixture.dataDir().str());
        fixture.start();
        fixture.frame().resize(1100, 800);
        fixture.frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fixture.frame()));
        fixture.app().blocks().graph = remembered();
    }

    void cleanup() {
        CGraphCommands::setOpener({});
        CColourDialog::setProvider({});
        CFileDialogs::setProvider([](const FileDialogRequest&) { return QString(); });
        fixture.verifyDialogsHandled();
        fixture.stop();
        fixture.clearFolders();
    }

    void eachKindRunsToItsDocumentAndCommands_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QList<int>>("offered");
        QTest::addColumn<QList<int>>("disabled");
        using namespace orvelan::cmd;
        QTest::newRow("curves") << 0 << "Age-specific 1"
                                << QList<int>{kLogScale, kAgeRange, kVerticalLines}
                                << QList<int>{kBarColour, kPieLarger, kPieSmaller};
        QTest::newRow("bars") << 1 << "Bar chart1" << QList<int>{kBarColour, kVerticalLines}
                              << QList<int>{kLogScale, kAgeRange, kPieLarger, kPieSmaller};
        QTest::newRow("pie") << 2 << "Pie chart 1" << QList<int>{kPieLarger, kPieSmaller}
                             << QList<int>{kLogScale, kAgeRange, kVerticalLines, kBarColour};
        QTest::newRow("pyramid") << 3 << "Pyramid 1" << QList<int>{}
                                 << QList<int>{kLogScale,  kAgeRange,  kVerticalLines,
                                               kBarColour, kPieLarger, kPieSmaller};
    }

    // "&Graph..." runs the wizard from the remembered choices to a graph document of the kind
    // chosen, which offers its kind's commands; the choices are kept, except the title.
    void eachKindRunsToItsDocumentAndCommands() {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QList<int>, offered);
        QFETCH(QList<int>, disabled);
        CMainFrame& frame = fixture.frame();
        frame.updateCommandStates();
        QVERIFY(frame.action(cmd::kNewGraph)->isEnabled());
        runGraphCommand(kind);
        CChildFrame* child = frame.activeChild();
        QVERIFY(child != nullptr);
        QCOMPARE(child->document()->title(), title);
        QCOMPARE(child->windowTitle(), title);
        QCOMPARE(frame.currentMenuSet(), MenuSet::Graphs);
        frame.updateCommandStates();
        using namespace orvelan::cmd;
        for (int id : QList<int>{kCopy, kSaveAs, kPrint, kPrintPreview, kIncreaseFont,
                                 kDecreaseFont, kGraphBackgroundColour, kGraphTextColour} +
                          offered) {
            QVERIFY2(frame.action(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        for (int id : disabled) {
            QVERIFY2(!frame.action(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QCOMPARE(indexOf(fixture.app().blocks().graph.kind), kind);
        QCOMPARE(fixture.app().blocks().graph.title, std::string());
    }

    void aBarChartWithoutAPositiveBarSaysSoInTheStatusBar() {
        GraphSettings& settings = fixture.app().blocks().graph;
        settings.cancers = emptySelectionList();
        settings.cancers[kLung] = kLung;
        settings.cancer = kLung;
        CMainFrame& frame = fixture.frame();
        runGraphCommand(1);
        QCoreApplication::processEvents();
        QVERIFY(frame.childFrames().isEmpty());
        QCOMPARE(frame.statusBar()->currentMessage(),
                 QStringLiteral("No data available for this graph"));
    }

    void finishKeepsChoicesButNotTheLineStyleAndCancelKeepsNothing() {
        std::optional<GraphSettings> opened;
        CGraphCommands::setOpener([&opened](CMainFrame&, const GraphSettings& settings) {
            opened = settings;
            return true;
        });
        // The curves' second page: thin lines, the first symbol and a text colour; then Finish,
        // or Cancel after changing the colour and the pages, when nothing comes back or opens.
        const auto curves = [](bool finish) {
            return [finish](QWidget* dialog) {
                auto* wizard = qobject_cast<CGphWizard*>(dialog);
                wizard->currentPage()->findChild<QRadioButton*>(QStringLiteral("kind0"))->click();
                QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
                QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
                QWizardPage* page = wizard->currentPage();
                page->findChild<QRadioButton*>(QStringLiteral("thin"))->click();
                page->findChild<QComboBox*>(QStringLiteral("symbol"))->setCurrentIndex(1);
                QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("textColour")),
                                  Qt::LeftButton);
                if (finish) {
                    QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
                } else {
                    wizard->reject();
                }
            };
        };
        CColourDialog::setProvider([](const QColor&) { return QColor(0, 128, 0); });
        fixture.expectDialog(curves(true));
        fixture.frame().action(cmd::kNewGraph)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY(opened.has_value());
        QCOMPARE(opened->lineThickness, 0);
        QCOMPARE(opened->lineSymbol, 1);
        QVERIFY(!opened->title.empty());
        const GraphSettings& kept = fixture.app().blocks().graph;
        QCOMPARE(kept.ageText, std::uint32_t{128} << 8);
        QCOMPARE(kept.lineThickness, 1);
        QCOMPARE(kept.lineSymbol, 0);
        QCOMPARE(kept.title, std::string());
        QCOMPARE(kept.registries, opened->registries);

        opened.reset();
        const GraphSettings before = kept;
        CColourDialog::setProvider([](const QColor&) { return QColor(1, 2, 3); });
        fixture.expectDialog(curves(false));
        fixture.frame().action(cmd::kNewGraph)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY(!opened.has_value());
        QVERIFY(fixture.app().blocks().graph == before);
    }

    void aPyramidFillsTheDocumentAreaFromItsCorner() {
        // The first fills the area; the next, cascaded, fills what lies below and right of its
        // corner, so that neither is cut off and the area needs no scroll bars.
        QMdiArea* area = fixture.frame().mdiArea();
        QVERIFY(gui::openGraph(fixture.frame(), graphOf(GraphKind::Pyramid)));
        QCOMPARE(fixture.frame().activeChild()->geometry(), area->viewport()->rect());
        QVERIFY(gui::openGraph(fixture.frame(), graphOf(GraphKind::Pyramid)));
        CChildFrame* second = fixture.frame().activeChild();
        QCOMPARE(second->document()->title(), QStringLiteral("Pyramid 2"));
        QVERIFY(second->pos().x() > 0 && second->pos().y() > 0);
        QCOMPARE(second->geometry().bottomRight(), area->viewport()->rect().bottomRight());
        QCoreApplication::processEvents();
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());
    }

    void aTemplateGivenAtStartOpensItsGraph() {
        const QString path = dataPath(QStringLiteral("pie.gph"));
        GraphSettings settings = graphOf(GraphKind::PieChart);
        settings.title = "Pie from R\xe9union"; // Latin-1, as a template keeps it
        QVERIFY(CGraphTemplate::write(path.toStdString(), settings, 0, 0));
        StartOptions options;
        options.graphs = {path, dataPath(QStringLiteral("missing.GPH"))};
        QString text;
        fixture.expectDialog(GuiFixture::captureText(text));
        fixture.start(options);
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY2(text.contains(QStringLiteral("missing.GPH")), qPrintable(text));
        const QList<CChildFrame*> children = fixture.frame().childFrames();
        QCOMPARE(children.size(), 1);
        auto* pie = qobject_cast<CPieView*>(children[0]->view());
        QVERIFY(pie != nullptr);
        QCOMPARE(pie->title(), QStringLiteral("Pie from Réunion"));
        QCOMPARE(children[0]->document()->title(), QStringLiteral("Pie chart 1"));
    }

    void aGraphThatCannotBeComputedClosesSilently() {
        GraphSettings settings = graphOf(GraphKind::AgeSpecific);
        settings.cancers = selectSlots({kProstate});
        settings.sex = Sex::Female;
        QVERIFY(!gui::openGraph(fixture.frame(), settings));
        QCoreApplication::processEvents();
        QVERIFY(fixture.frame().childFrames().isEmpty());
    }

    void fontSizeStaysWithinItsTable() {
        auto* view = openView<CAgeView>(graphOf(GraphKind::AgeSpecific));
        QVERIFY(view != nullptr);
        QCOMPARE(view->fontSizeIndex(), 4);
        CMainFrame& frame = fixture.frame();
        for (int i = 0; i < 12; ++i) {
            frame.runCommand(cmd::kIncreaseFont);
        }
        QCOMPARE(view->fontSizeIndex(), 14);
        QVERIFY(!frame.action(cmd::kIncreaseFont)->isEnabled());
        view->increaseFont();
        QCOMPARE(view->fontSizeIndex(), 14);
        for (int i = 0; i < 16; ++i) {
            view->decreaseFont();
        }
        QCOMPARE(view->fontSizeIndex(), 0);
        frame.updateCommandStates();
        QVERIFY(!frame.action(cmd::kDecreaseFont)->isEnabled());
        QVERIFY(frame.action(cmd::kIncreaseFont)->isEnabled());

        auto* pyramid = openView<CPopView>(graphOf(GraphKind::Pyramid));
        QCOMPARE(pyramid->fontSizeIndex(), 3);
    }

    void scaleAndLinesShowChecked() {
        auto* view = openView<CAgeView>(graphOf(GraphKind::AgeSpecific));
        CMainFrame& frame = fixture.frame();
        for (int id : {cmd::kLogScale, cmd::kVerticalLines}) {
            frame.action(id)->trigger();
            QVERIFY(frame.action(id)->isChecked());
            frame.action(id)->trigger();
            QVERIFY(!frame.action(id)->isChecked());
        }
        frame.action(cmd::kLogScale)->trigger();
        QVERIFY(view->logarithmic());
        QVERIFY(!view->lines());
    }

    void theAgeRangeNarrowsTheColumns() {
        auto* view = openView<CAgeView>(graphOf(GraphKind::AgeSpecific));
        fixture.expectDialog([](QWidget* dialog) {
            auto* scope = qobject_cast<CAgeScopeDlg*>(dialog);
            QVERIFY(scope != nullptr);
            scope->fromSpin()->setValue(2);
            scope->toSpin()->setValue(9);
            scope->accept();
        });
        fixture.frame().runCommand(cmd::kAgeRange);
        QVERIFY(fixture.waitForExpectedDialogs());
        QCOMPARE(view->ageFrom(), 2);
        QCOMPARE(view->ageTo(), 9);
        paintNow(view);
        const auto& points = view->geometry().points.at(0);
        for (int age = 0; age < kKnownAgeGroupCount; ++age) {
            QCOMPARE(points[static_cast<std::size_t>(age)].has_value(), age >= 2 && age <= 9);
        }
        // An upper bound above the last age group keeps the current one.
        view->setAgeRange(1, 16);
        QCOMPARE(view->ageFrom(), 1);
        QCOMPARE(view->ageTo(), 9);
    }

    void legendSquaresRecolourAndRestyleOneCurve() {
        GraphSettings settings = graphOf(GraphKind::AgeSpecific);
        settings.registries = selectSlots({kAlgiersRow});
        settings.sex = Sex::Both;
        auto* view = openView<CAgeView>(settings);
        paintNow(view);
        QCOMPARE(view->geometry().legendSquares.size(), std::size_t{2});
        const GraphStyle before = view->style();

        CColourDialog::setProvider([](const QColor&) { return QColor(255, 0, 128); });
        QTest::mouseClick(view, Qt::LeftButton, {}, view->geometry().legendSquares[1].center());
        QCOMPARE(view->style().curveColours[1], QColor(255, 0, 128));
        QCOMPARE(view->style().curveColours[0], before.curveColours[0]);
        QVERIFY(!view->coloursModified()); // curve colours are not settings

        fixture.expectDialog([](QWidget* dialog) {
            auto* styles = qobject_cast<CLineStyleDlg*>(dialog);
            QVERIFY(styles != nullptr);
            QVERIFY(styles->button(0)->isChecked());
            styles->button(2)->click();
            styles->accept();
        });
        QTest::mouseClick(view, Qt::RightButton, {}, view->geometry().legendSquares[0].center());
        QVERIFY(fixture.waitForExpectedDialogs());
        QCOMPARE(view->style().curveStyles[0], Qt::DotLine);
        QCOMPARE(view->style().curveStyles[1], before.curveStyles[1]);
    }

    void statusTextFollowsThePointer() {
        GraphSettings settings = graphOf(GraphKind::AgeSpecific);
        settings.registries = selectSlots({kAlgiersRow});
        auto* view = openView<CAgeView>(settings);
        paintNow(view);
        const QPoint point = view->geometry().points.at(0)[8].value();
        QTest::mouseMove(view, point + QPoint(2, -3));
        QTRY_COMPARE(messagePane(), QStringLiteral("age 40-: 12.34"));
        QTest::mouseMove(view, QPoint(2, 2));
        QTRY_COMPARE(messagePane(), QString());

        auto* bars = openView<CBarView>(graphOf(GraphKind::BarChart));
        paintNow(bars);
        QCOMPARE(bars->geometry().bars.size(), std::size_t{2});
        QTest::mouseMove(bars, bars->geometry().bars[0].center());
        QTRY_COMPARE(messagePane(), QString::fromStdString(bars->model().statusText(0)));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(bars, &leave);
        QCOMPARE(messagePane(), QString());
    }

    void saveAsWritesTheImageKindOfTheName() {
        auto* view = openView<CAgeView>(graphOf(GraphKind::AgeSpecific));
        QList<FileDialogRequest> requests;
        QString answer;
        CFileDialogs::setProvider([&](const FileDialogRequest& request) {
            requests.append(request);
            return answer;
        });
        struct Case {
            QString name;
            QByteArray magic; // empty: nothing written
        };
        for (const Case& c :
             {Case{"x.Jpg", QByteArray("\xFF\xD8\xFF", 3)}, Case{"u.gif", QByteArray()}}) {
            answer = dataPath(c.name);
            fixture.frame().runCommand(cmd::kSaveAs);
            paintNow(view);
            QFile file(answer);
            QCOMPARE(file.exists(), !c.magic.isEmpty());
            if (file.open(QIODevice::ReadOnly)) {
                QCOMPARE(file.read(c.magic.size()), c.magic);
            }
        }
        QCOMPARE(requests.size(), 2);
        QVERIFY(requests[0].save);
        QCOMPARE(requests[0].directory, dataPath(QStringLiteral("work/Age-specific 1")));
        QCOMPARE(requests[0].defaultSuffix, QStringLiteral("jpg"));
        QVERIFY(requests[0].filter.startsWith(QStringLiteral("JPEG file (*.JPG)")));

        // The pyramid offers bitmaps first.
        requests.clear();
        answer.clear();
        openView<CPopView>(graphOf(GraphKind::Pyramid));
        fixture.frame().runCommand(cmd::kSaveAs);
        QCOMPARE(requests.size(), 1);
        QVERIFY(requests[0].filter.startsWith(QStringLiteral("BMP-Bitmap file (*.BMP)")));
        QCOMPARE(requests[0].defaultSuffix, QStringLiteral("BMP"));
    }

    void aFailedWriteSaysWhy() {
        auto* view = openView<CPieView>(graphOf(GraphKind::PieChart));
        QString text;
        fixture.expectDialog(GuiFixture::captureText(text));
        const QString path = dataPath(QStringLiteral("missing/folder/x.jpg"));
        QVERIFY(view->requestSave(path));
        paintNow(view);
        QVERIFY(fixture.waitForExpectedDialogs());
        QVERIFY2(text.contains(path), qPrintable(text));
        QVERIFY(!QFile::exists(path));
    }

    void copyPutsTheViewOnTheClipboard() {
        auto* view = openView<CBarView>(graphOf(GraphKind::BarChart));
        fixture.frame().runCommand(cmd::kCopy);
        const QImage image = QGuiApplication::clipboard()->image();
        QCOMPARE(image.size(), view->size());
        QCOMPARE(image.pixelColor(1, image.height() / 2), QColor(Qt::white));
    }

    void theFontBoxRedrawsEveryGraph() {
        auto* curves = openView<CAgeView>(graphOf(GraphKind::AgeSpecific));
        auto* pie = openView<CPieView>(graphOf(GraphKind::PieChart));
        QCOMPARE(curves->fontFace(), QStringLiteral("MS Sans Serif"));
        fixture.frame().fontNameBox()->setCurrentText(QStringLiteral("Courier New"));
        QCOMPARE(curves->fontFace(), QStringLiteral("Courier New"));
        QCOMPARE(pie->fontFace(), QStringLiteral("Courier New"));
    }

    void thePieGrowsAndShrinks() {
        auto* view = openView<CPieView>(graphOf(GraphKind::PieChart));
        fixture.frame().runCommand(cmd::kPieLarger);
        fixture.frame().runCommand(cmd::kPieSmaller);
        QVERIFY(qFuzzyCompare(view->pieScale(), 1.15 * 0.95));
        // "Other cancers" keeps the white of the last colour; a click on its square recolours it.
        paintNow(view);
        const int other = static_cast<int>(view->model().slices.size()) - 1;
        QCOMPARE(view->sliceColour(other), QColor(Qt::white));
        CColourDialog::setProvider([](const QColor&) { return QColor(10, 20, 30); });
        QTest::mouseClick(view, Qt::LeftButton, {},
                          view->geometry().legendSquares[static_cast<std::size_t>(other)].center());
        QCOMPARE(view->sliceColour(other), QColor(10, 20, 30));
        QCOMPARE(view->sliceColour(0), QColor(255, 0, 0));
    }

    void closingAsksToKeepChangedColours_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes keeps them") << true;
        QTest::newRow("No forgets them") << false;
    }

    void closingAsksToKeepChangedColours() {
        QFETCH(bool, yes);
        auto* view = openView<CBarView>(graphOf(GraphKind::BarChart));
        CColourDialog::setProvider([](const QColor&) { return QColor(255, 0, 0); });
        fixture.frame().runCommand(cmd::kGraphBackgroundColour);
        CColourDialog::setProvider([](const QColor&) { return QColor(0, 0, 0); });
        fixture.frame().runCommand(cmd::kGraphTextColour); // back to the stored black
        QVERIFY(view->coloursModified());                  // the red background still differs
        QString text;
        fixture.expectDialog([&text, yes](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box != nullptr);
            text = box->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        fixture.frame().activeChild()->close();
        QVERIFY(fixture.waitForExpectedDialogs());
        QCOMPARE(text, QStringLiteral("The colours have been modified.\r\nDo you want to use "
                                      "these for future bar charts?"));
        fixture.stop();
        QFile settings(fixture.defaultSettingsPath());
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QString written = QString::fromUtf8(settings.readAll());
        QVERIFY2(
            written.contains(yes ? "[Bar]\nBkColour=255000000\n" : "[Bar]\nBkColour=255255255\n"),
            qPrintable(written));
    }

    void unchangedColoursCloseWithoutAQuestion() {
        openView<CAgeView>(graphOf(GraphKind::AgeSpecific));
        CColourDialog::setProvider([](const QColor&) { return QColor(255, 255, 255); });
        fixture.frame().runCommand(cmd::kGraphBackgroundColour);
        fixture.frame().activeChild()->close();
        QCoreApplication::processEvents();
        QVERIFY(fixture.frame().childFrames().isEmpty());
    }

    // "Graph style" restyles every open graph at once and the ones opened later, and the choice
    // survives a restart through the settings file, which keeps no trace of the default.
    void theGraphStyleAppliesToOpenGraphsAndSurvivesARestart() {
        auto* curves = openView<CAgeView>(graphOf(GraphKind::AgeSpecific));
        auto* pie = openView<CPieView>(graphOf(GraphKind::PieChart));
        QVERIFY(action(cmd::kGraphStyleClassic)->isChecked());
        const QImage classic = curves->renderImage();
        action(cmd::kGraphStylePublication)->trigger();
        QVERIFY(action(cmd::kGraphStylePublication)->isChecked());
        QVERIFY(!action(cmd::kGraphStyleClassic)->isChecked());
        QCOMPARE(curves->look(), GraphLook::Publication);
        QCOMPARE(pie->look(), GraphLook::Publication);
        QVERIFY(curves->renderImage() != classic);
        QCOMPARE(openView<CBarView>(graphOf(GraphKind::BarChart))->look(), GraphLook::Publication);

        fixture.stop();
        QVERIFY(fixture.defaultSettingsText().contains(
            QStringLiteral("[Graph style]\nStyle=publication\n")));
        fixture.start();
        QVERIFY(action(cmd::kGraphStylePublication)->isChecked());
        auto* reopened = openView<CAgeView>(graphOf(GraphKind::AgeSpecific));
        QCOMPARE(reopened->look(), GraphLook::Publication);
        action(cmd::kGraphStyleClassic)->trigger();
        QCOMPARE(reopened->look(), GraphLook::Classic);
        QCOMPARE(reopened->renderImage(), classic);
        fixture.stop();
        QVERIFY(!fixture.defaultSettingsText().contains(QStringLiteral("Graph style")));
        fixture.start();
    }

    // "Error bars" belong to the publication style: offered there only, they draw the limits of
    // the tables' interval choice; the colour commands rest while the style has its own colours.
    void errorBarsAndColoursFollowTheStyle() {
        auto* bars = openView<CBarView>(graphOf(GraphKind::BarChart));
        CMainFrame& frame = fixture.frame();
        frame.updateCommandStates();
        QVERIFY(!action(cmd::kErrorBars)->isEnabled());
        QVERIFY(action(cmd::kGraphBackgroundColour)->isEnabled());
        action(cmd::kGraphStylePublication)->trigger();
        frame.updateCommandStates();
        QVERIFY(action(cmd::kErrorBars)->isEnabled());
        QVERIFY(!action(cmd::kGraphBackgroundColour)->isEnabled());
        QVERIFY(!action(cmd::kBarColour)->isEnabled());
        action(cmd::kErrorBars)->trigger();
        QVERIFY(bars->errorBars());
        QVERIFY(bars->model().limits[0].has_value());
        action(cmd::kGraphStyleClassic)->trigger();
    }

    // Every kind saves as PNG, SVG and PDF besides JPEG and BMP, and prints on one page.
    void eachKindSavesAndPrints() {
        const std::array<std::pair<const char*, QByteArray>, 3> formats = {
            {{"png", QByteArray("\x89PNG", 4)},
             {"svg", QByteArray("<?xml")},
             {"pdf", QByteArray("%PDF")}}};
        for (int kind = 0; kind < 4; ++kind) {
            auto* view =
                qobject_cast<CGraphView*>(open(graphOf(static_cast<GraphKind>(kind)))->view());
            for (const auto& [extension, magic] : formats) {
                const QString path = dataPath(QStringLiteral("kind%1.%2").arg(kind).arg(extension));
                QVERIFY(view->requestSave(path));
                paintNow(view);
                QFile file(path);
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
                QCOMPARE(file.read(magic.size()), magic);
            }
            if (!hasPoppler()) {
                continue;
            }
            const QString file = dataPath(QStringLiteral("graph%1.pdf").arg(kind));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            QVERIFY(view->printTo(printer));
            QVERIFY(
                popplerOutput("pdfinfo", {file}).contains(QRegularExpression("Pages:\\s+1\\n")));
            const QString stem = dataPath(QStringLiteral("page%1").arg(kind));
            popplerOutput("pdftoppm", {"-r", "30", "-singlefile", "-png", file, stem});
            const QImage page(stem + QStringLiteral(".png"));
            QVERIFY(!page.isNull());
            int dark = 0;
            for (int y = 0; y < page.height(); ++y) {
                for (int x = 0; x < page.width(); ++x) {
                    dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
                }
            }
            QVERIFY2(dark > 50,
                     qPrintable(QStringLiteral("kind %1: %2 dark pixels").arg(kind).arg(dark)));
        }
    }

    // "Save for publication": millimetres at a resolution give the pixels width x dpi asks, typed
    // pixels stay as typed, sizes no file could hold are refused, and the file has that size.
    void saveForPublicationGivesTheSizeAsked() {
        CPublicationSaveDlg dialog(FigureChoice{});
        QCOMPARE(dialog.summary(), QStringLiteral("1004 x 768 pixels, 85.0 x 65.0 mm at 300 dpi"));
        auto* width = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("width"));
        dialog.findChild<QComboBox*>(QStringLiteral("resolution"))->setCurrentIndex(2);
        QCOMPARE(dialog.choice().size.widthPixels(), 2008);
        dialog.findChild<QComboBox*>(QStringLiteral("unit"))->setCurrentIndex(1);
        QCOMPARE(width->value(), 2008.0);
        width->setValue(1200);
        QCOMPARE(dialog.choice().size.widthPixels(), 1200);
        QVERIFY(dialog.choice().inPixels);
        width->setValue(12000);
        QVERIFY(dialog.summary().contains(QStringLiteral("10,000 pixels")));
        dialog.findChild<QComboBox*>(QStringLiteral("format"))->setCurrentIndex(1);
        width->setValue(1200);
        QVERIFY(dialog.summary().startsWith(QStringLiteral("A page of 50.8 x 65.0 mm")));
        QCOMPARE(CPublicationSaveDlg(dialog.choice()).choice(), dialog.choice());

        auto* view = openView<CAgeView>(graphOf(GraphKind::AgeSpecific));
        const QString png = dataPath(QStringLiteral("figure.png"));
        QVERIFY(view->saveFigure(FigureSize{85.0, 65.0, 300}, png));
        const QImage image(png);
        QCOMPARE(image.size(), QSize(1004, 768));
        QCOMPARE(view->look(), GraphLook::Classic); // the window keeps its own look
    }
};

ORVELAN_QT_TEST(GraphViewsTest)
#include "GraphViewsTest.moc"
