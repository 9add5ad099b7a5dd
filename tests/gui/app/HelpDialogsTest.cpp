// About box link, reference dialog, web pages, splash window, link control and font faces.
#include "GuiFixture.h"
#include "gui/app/CAboutDlg.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CReferenceDlg.h"
#include "gui/app/CSplashWnd.h"
#include "gui/app/FontSetup.h"
#include "gui/framework/CHelpPages.h"
#include "gui/framework/CHelpWindow.h"
#include "gui/framework/CommandIds.h"
#include "gui/widgets/CShell.h"
#include "gui/widgets/CStaticLink.h"

#include <QAction>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

using namespace orvelan;

class HelpDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        m_pages = qgetenv("ORVELAN_HTML_DIR");
        QVERIFY2(!CHelpPages::folder().isEmpty(), "the help pages are not beside the program");
        fixture.writeFixtureData();
        fixture.start();
    }

    void cleanup() {
        CShell::setOpener([](const QUrl&) { return true; });
        fixture.verifyDialogsHandled();
    }

    // The About box's link opens the user guide, in the help window when no browser shows it.
    void aboutLinksToTheUserGuide() {
        CShell::setOpener([](const QUrl&) { return false; });
        fixture.expectDialog([](QWidget* dialog) {
            auto* link = dialog->findChild<CStaticLink*>(QStringLiteral("homeLink"));
            QVERIFY(link != nullptr);
            QTest::mouseClick(link, Qt::LeftButton);
        });
        fixture.frame().action(cmd::kAbout)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        auto* window = fixture.frame().findChild<CHelpWindow*>();
        QVERIFY(window != nullptr);
        QTRY_VERIFY(window->isVisible());
        QCOMPARE(pageShown(window), QStringLiteral("userguide.html"));
        window->close();
    }

    void referenceIsReadOnlyAndNeverSelected() {
        CReferenceDlg dialog;
        QPlainTextEdit* field = dialog.citationField();
        QVERIFY(field->isReadOnly());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        field->selectAll();
        field->clearFocus();
        field->setFocus(Qt::TabFocusReason);
        QTest::qWait(0);
        QVERIFY(!field->textCursor().hasSelection());
    }

    void webEntriesOpenTheBundledPages() {
        QList<QUrl> opened;
        CShell::setOpener([&opened](const QUrl& url) {
            opened << url;
            return true;
        });
        for (int id : {cmd::kWebUserGuide, cmd::kWebData, cmd::kWebMethods, cmd::kWebCitation}) {
            fixture.frame().action(id)->trigger();
        }
        QCOMPARE(opened.size(), 4);
        const QStringList pages = {"userguide.html", "data.html", "methods.html", "citation.html"};
        for (qsizetype i = 0; i < opened.size(); ++i) {
            QVERIFY(opened[i].isLocalFile());
            QCOMPARE(QFileInfo(opened[i].toLocalFile()).fileName(), pages[i]);
            QVERIFY(QFileInfo::exists(opened[i].toLocalFile()));
        }
    }

    // Without a browser the bundled page opens in the program's own help window; only a page
    // that is missing says "Cannot connect to the internet".
    void withoutABrowserPagesShowInTheHelpWindow() {
        CShell::setOpener([](const QUrl&) { return false; });
        fixture.frame().action(cmd::kWebMethods)->trigger();
        auto* window = fixture.frame().findChild<CHelpWindow*>();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(pageShown(window), QStringLiteral("methods.html"));
        QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("ASR")));
        fixture.frame().action(cmd::kWebData)->trigger(); // the same window shows the next page
        QCOMPARE(fixture.frame().findChildren<CHelpWindow*>().size(), 1);
        QCOMPARE(pageShown(window), QStringLiteral("data.html"));
        window->close();

        // A folder holding the user guide only: the other pages are missing.
        test::TempDir pages;
        QFile guide(QString::fromStdString(pages.file("userguide.html")));
        QVERIFY(guide.open(QIODevice::WriteOnly));
        guide.write("<html><body>guide</body></html>");
        guide.close();
        qputenv("ORVELAN_HTML_DIR", QByteArray::fromStdString(pages.str()));
        QString message;
        fixture.expectDialog(test::GuiFixture::captureText(message));
        fixture.frame().action(cmd::kWebCitation)->trigger();
        QVERIFY(fixture.waitForExpectedDialogs());
        qputenv("ORVELAN_HTML_DIR", m_pages);
        QCOMPARE(message, QStringLiteral("Cannot connect to the internet (2,0)"));
        QCOMPARE(CHelpPages::failureMessage({false, 31, 0}),
                 QStringLiteral("Cannot connect to the internet (31,0)"));
    }

    // A browser that starts and then fails (the launcher finds no program for the page) hands
    // the page to the help window; one that shows it leaves the program's window closed.
    void aBrowserThatFailsLaterGivesWayToTheHelpWindow_data() {
        QTest::addColumn<bool>("failsLater");
        QTest::newRow("started, then fails") << true;
        QTest::newRow("started and shown") << false;
    }

    void aBrowserThatFailsLaterGivesWayToTheHelpWindow() {
        QFETCH(bool, failsLater);
        CShell::setOpener([failsLater](const QUrl&, const CShell::Failed& failed) {
            if (failsLater) {
                QTimer::singleShot(10, failed);
            }
            return true;
        });
        for (int id : {cmd::kWebUserGuide, cmd::kWebMethods}) {
            fixture.frame().action(id)->trigger();
        }
        QTest::qWait(50);
        auto* window = fixture.frame().findChild<CHelpWindow*>();
        QCOMPARE(window != nullptr && window->isVisible(), failsLater);
        if (window) {
            QCOMPARE(fixture.frame().findChildren<CHelpWindow*>().size(), 1);
            QCOMPARE(pageShown(window), QStringLiteral("methods.html"));
            window->close();
        }
    }

    // The desktop's own launcher, as on a machine without a browser: it starts, reports "no
    // method available" with its failure status, and the help window takes over; a launcher that
    // succeeds leaves it closed.
    void theDesktopLauncherFailingGivesWayToTheHelpWindow() {
        test::TempDir bin;
        const QString launcher = QString::fromStdString(bin.file("xdg-open"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(QString::fromStdString(bin.str())) + ":" + path);
        for (int status : {3, 0}) {
            QFile script(launcher);
            QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
            script.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(status).toLatin1());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            CShell::resetOpener();
            fixture.frame().action(cmd::kWebMethods)->trigger();
            auto* window = fixture.frame().findChild<CHelpWindow*>();
            if (status != 0) {
                QTRY_VERIFY(window = fixture.frame().findChild<CHelpWindow*>());
                QTRY_VERIFY(window->isVisible());
                window->close();
            } else {
                QTest::qWait(300);
                QVERIFY(!window || !window->isVisible());
            }
        }
        qputenv("PATH", path);
    }

    // From the contents page every page of the guide is reached in the help window, every link
    // between the bundled pages leads to a page that exists, and every picture loads.
    void everyGuidePageAndPictureOpensInTheHelpWindow() {
        CHelpWindow window;
        const QDir pages(CHelpPages::folder());
        QStringList toVisit{pages.filePath(QStringLiteral("userguide.html"))};
        QSet<QString> visited;
        QStringList problems;
        while (!toVisit.isEmpty()) {
            const QString page = QDir::cleanPath(toVisit.takeFirst());
            if (visited.contains(page)) {
                continue;
            }
            visited.insert(page);
            if (!window.showPage(page)) {
                problems << QStringLiteral("broken link to %1").arg(page);
                continue;
            }
            QTextBrowser* browser = window.browser();
            if (browser->documentTitle().isEmpty()) {
                problems << QStringLiteral("%1 has no title").arg(page);
            }
            for (QTextBlock block = browser->document()->begin(); block.isValid();
                 block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat format = it.fragment().charFormat();
                    if (format.isImageFormat()) {
                        const QUrl picture =
                            browser->source().resolved(QUrl(format.toImageFormat().name()));
                        const QVariant image =
                            browser->loadResource(QTextDocument::ImageResource, picture);
                        const QImage decoded = image.typeId() == QMetaType::QByteArray
                                                   ? QImage::fromData(image.toByteArray())
                                                   : qvariant_cast<QImage>(image);
                        if (decoded.isNull()) {
                            problems << QStringLiteral("%1: missing picture %2")
                                            .arg(page, picture.toString());
                        }
                    }
                    const QUrl link(format.anchorHref());
                    if (format.isAnchor() && link.scheme().isEmpty() && !link.path().isEmpty()) {
                        toVisit << browser->source().resolved(link).toLocalFile();
                    }
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        // The contents page leads to the whole guide: every page in the folder is reached.
        for (const QString& name : pages.entryList({QStringLiteral("*.html")})) {
            QVERIFY2(visited.contains(pages.filePath(name)), qPrintable(name + " is not reached"));
        }
    }

    void splashClosesOnAKeyOrAClick() {
        QPointer<CSplashWnd> splash = CSplashWnd::showSplash();
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QCOMPARE(CSplashWnd::showSplash(), splash.data()); // only one at a time
        QTest::keyClick(&fixture.frame(), Qt::Key_Space);
        QTRY_VERIFY(splash.isNull());

        splash = CSplashWnd::showSplash();
        QTest::mouseClick(splash, Qt::RightButton);
        QTRY_VERIFY(splash.isNull());
    }

    void fontFacesResolveToInstalledLookAlikes() {
        installFontSubstitutions();
        const struct {
            const char* face;
            const char* family;
        } rows[] = {{"MS Sans Serif", "Liberation Sans"},
                    {"Tahoma", "Liberation Sans"},
                    {"Arial", "Liberation Sans"},
                    {"Times New Roman", "Liberation Serif"},
                    {"Courier New", "Liberation Mono"}};
        for (const auto& row : rows) {
            QCOMPARE(QFontInfo(QFont(QString::fromLatin1(row.face))).family(),
                     QString::fromLatin1(row.family));
        }
    }

  private:
    static QString pageShown(CHelpWindow* window) {
        return QFileInfo(window->browser()->source().toLocalFile()).fileName();
    }
    test::GuiFixture fixture;
    QByteArray m_pages;
};

ORVELAN_QT_TEST(HelpDialogsTest)
#include "HelpDialogsTest.moc"
