// The "Age scope" dialog: ranges and labels of its two controls, read-back, "Invalid age range".
#include "GuiFixture.h"
#include "gui/data/CAgeScopeDlg.h"

#include <QLineEdit>
#include <QSpinBox>

using namespace orvelan;

class AgeScopeDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fixture.verifyDialogsHandled(); }

    // A population ending at 75+ caps both controls and the upper bound asked for.
    void theLastGroupCapsBothControls() {
        CAgeScopeDlg dialog(3, 17, 15);
        QCOMPARE(dialog.fromSpin()->maximum(), 14);
        QCOMPARE(dialog.toSpin()->maximum(), 15);
        QCOMPARE(dialog.fromField()->text(), QStringLiteral("15-"));
        QCOMPARE(dialog.toField()->text(), QStringLiteral("75+"));
    }

    // The controls' arrows and the arrow keys in a field step the age group and rewrite the field,
    // never past the last group.
    void arrowsStepTheFields() {
        CAgeScopeDlg dialog(0, 15, 15);
        dialog.fromSpin()->setValue(14);
        QCOMPARE(dialog.fromField()->text(), QStringLiteral("70-"));
        dialog.fromSpin()->setValue(0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLineEdit* to = dialog.toField();
        QTest::mouseClick(to, Qt::LeftButton);
        QVERIFY(to->hasFocus());
        QTest::keyClick(to, Qt::Key_Down);
        QTest::keyClick(to, Qt::Key_Down);
        QCOMPARE(to->text(), QStringLiteral("69"));
        QTest::keyClick(to, Qt::Key_Up);
        QCOMPARE(to->text(), QStringLiteral("74"));
        QTest::keyClick(to, Qt::Key_Up);
        QTest::keyClick(to, Qt::Key_Up); // already at the top
        QCOMPARE(to->text(), QStringLiteral("75+"));
        QLineEdit* from = dialog.fromField();
        QTest::mouseClick(from, Qt::LeftButton);
        QTest::keyClick(from, Qt::Key_Up);
        QCOMPARE(from->text(), QStringLiteral(" 5-"));
        dialog.accept();
        QCOMPARE(dialog.from(), 1);
        QCOMPARE(dialog.to(), 15);
    }

    // OK reads the typed texts back; a range that ends before it starts is refused.
    void okReadsTheTextsBackOrRefusesThem() {
        CAgeScopeDlg typed(0, 17, 17);
        typed.fromField()->setText(QStringLiteral("50-"));
        typed.toField()->setText(QStringLiteral("64"));
        typed.accept();
        QCOMPARE(typed.result(), int(QDialog::Accepted));
        QCOMPARE(typed.from(), 10);
        QCOMPARE(typed.to(), 12);

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

ORVELAN_QT_TEST(AgeScopeDlgTest)
#include "AgeScopeDlgTest.moc"
