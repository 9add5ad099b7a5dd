#include "gui/widgets/CSortColumnDlg.h"

#include "GuiFixture.h"
#include "gui/widgets/CGridCtrl.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace orvelan;

// The views' own entry first, then the grid's headings; the dialog starts on the first entry
// ascending, and OK reports the column and direction chosen. Without a grid it lists nothing.
class CSortColumnDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void okReportsTheChosenColumnAndDirection() {
        CGridCtrl grid;
        grid.setRowCount(3);
        grid.setColumnCount(7);
        grid.setFixedRowCount(1);
        grid.setFixedColumnCount(1);
        const QStringList headings = {"Title",          "Crude rate",      "ASR (World)",
                                      "ASR (European)", "Cumulative rate", "Cumulative risk",
                                      "Number of cases"};
        for (int column = 0; column < 7; ++column) {
            grid.setItemText(0, column, headings[column]);
        }
        CSortColumnDlg dialog(QStringLiteral("Cancer label"), &grid);
        QCOMPARE(dialog.entryCount(), 7);
        QCOMPARE(dialog.entry(0), QStringLiteral("Cancer label"));
        QCOMPARE(dialog.entry(6), QStringLiteral("Number of cases"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.column(), 0);
        QVERIFY(dialog.ascending());
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("columnList"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
        QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("descending")),
                          Qt::LeftButton);
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(dialog.column(), 6);
        QVERIFY(!dialog.ascending());

        CSortColumnDlg empty(QStringLiteral("Registry name"), nullptr);
        QCOMPARE(empty.entryCount(), 0);
        QCOMPARE(empty.column(), -1);
    }
};

ORVELAN_QT_TEST(CSortColumnDlgTest)

#include "CSortColumnDlgTest.moc"
