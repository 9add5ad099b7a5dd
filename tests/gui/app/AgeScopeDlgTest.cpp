// The "Age scope" dialog: ranges and labels of its two controls, read-back, "Invalid age range".
#include "GuiFixture.h"
#include "gui/data/CAgeScopeDlg.h"

#include <QLineEdit>
#include <QSpinBox>

using namespace orvelan;

class AgeScopeDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        QVERIFY2(fixture.pendingHandlers() == 0, "an expected dialog never came");
        const QStringList unexpected = fixture.takeUnexpectedDialogs();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
    }

    void rangesAndLabels_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("fromMax");
        QTest::addColumn<QString>("fromText");
        QTest::addColumn<QString>("toText");
        QTest::newRow("all ages, last 85+") << 0 << 17 << 17 << 16 << " 0-"
                                            << "85+";
        QTest::newRow("last 75+ caps to") << 3 << 17 << 15 << 14 << "15-"
                                          << "75+";
        QTest::newRow("inner range") << 2 << 12 << 17 << 16 << "10-"
                                     << "64";
        QTest::newRow("from beyond its range") << 17 << 17 << 15 << 14 << "70-"
                                               << "75+";
    }

    void rangesAndLabels() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, last);
        QFETCH(int, fromMax);
        QFETCH(QString, fromText);
        QFETCH(QString, toText);
        CAgeScopeDlg dialog(from, to, last);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Age scope"));
        QCOMPARE(dialog.fromSpin()->minimum(), 0);
        QCOMPARE(dialog.fromSpin()->maximum(), fromMax);
        QCOMPARE(dialog.toSpin()->maximum(), last);
        QCOMPARE(dialog.fromField()->text(), fromText);
        QCOMPARE(dialog.toField()->text(), toText);
    }

    void clicksRewriteTheFields() {
        CAgeScopeDlg dialog(0, 15, 15);
        dialog.toSpin()->stepDown();
        QCOMPARE(dialog.toField()->text(), QStringLiteral("74"));
        dialog.toSpin()->stepUp();
        QCOMPARE(dialog.toField()->text(), QStringLiteral("75+"));
        dialog.toSpin()->stepUp(); // already at the top
        QCOMPARE(dialog.toField()->text(), QStringLiteral("75+"));
        dialog.fromSpin()->setValue(14);
        QCOMPARE(dialog.fromField()->text(), QStringLiteral("70-"));

        CAgeScopeDlg full(16, 17, 17);
        full.toSpin()->stepDown();
        QCOMPARE(full.toField()->text(), QStringLiteral("84"));
        full.fromSpin()->stepUp();
        QCOMPARE(full.fromField()->text(), QStringLiteral("80-"));
    }

    void okReadsTheTextsBack() {
        CAgeScopeDlg dialog(0, 17, 15);
        dialog.fromSpin()->setValue(3);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.from(), 3);
        QCOMPARE(dialog.to(), 15);

        CAgeScopeDlg typed(0, 17, 17);
        typed.fromField()->setText(QStringLiteral("50-"));
        typed.toField()->setText(QStringLiteral("64"));
        typed.accept();
        QCOMPARE(typed.from(), 10);
        QCOMPARE(typed.to(), 12);
    }

    void refusesToBelowFrom() {
        CAgeScopeDlg dialog(0, 17, 17);
        dialog.show();
        dialog.fromSpin()->setValue(12);
        dialog.toSpin()->setValue(5);
        QString message;
        fixture.expectDialog(test::GuiFixture::captureText(message));
        dialog.accept();
        QVERIFY(fixture.waitForExpectedDialogs());
        QCOMPARE(message, QStringLiteral("Invalid age range"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.from(), 0);
        QCOMPARE(dialog.to(), 17);
    }

  private:
    test::GuiFixture fixture;
};

ORVELAN_GUI_TEST_MAIN(AgeScopeDlgTest)
#include "AgeScopeDlgTest.moc"
