#include "gui/widgets/CSortColumnDlg.h"

#include "GuiFixture.h"
#include "gui/widgets/CGridCtrl.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace orvelan;

class CSortColumnDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void listsTheOwnersEntryThenTheHeadings() {
        CGridCtrl grid;
        fillGrid(grid);
        for (const QString& first :
             {QStringLiteral("Registry name"), QStringLiteral("Cancer label")}) {
            CSortColumnDlg dialog(first, &grid);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Select the column to sort by"));
            QCOMPARE(dialog.entryCount(), 7);
            QCOMPARE(dialog.entry(0), first);
            QCOMPARE(dialog.entry(1), QStringLiteral("Crude rate"));
            QCOMPARE(dialog.entry(6), QStringLiteral("Number of cases"));
        }
    }

    void startsOnTheFirstEntryAscending() {
        CGridCtrl grid;
        fillGrid(grid);
        CSortColumnDlg dialog(QStringLiteral("Registry name"), &grid);
        dialog.show();
        QCOMPARE(dialog.column(), 0);
        QVERIFY(dialog.ascending());
        auto* ascending = dialog.findChild<QRadioButton*>(QStringLiteral("ascending"));
        auto* descending = dialog.findChild<QRadioButton*>(QStringLiteral("descending"));
        QVERIFY(ascending->isChecked());
        QCOMPARE(ascending->text(), QStringLiteral("Ascending"));
        QCOMPARE(descending->text(), QStringLiteral("Descending"));
    }

    void okReportsTheChosenColumnAndDirection() {
        CGridCtrl grid;
        fillGrid(grid);
        CSortColumnDlg dialog(QStringLiteral("Cancer label"), &grid);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
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
    }

    void withoutAGridTheListIsEmpty() {
        CSortColumnDlg dialog(QStringLiteral("Registry name"), nullptr);
        QCOMPARE(dialog.entryCount(), 0);
        QCOMPARE(dialog.column(), -1);
        QVERIFY(dialog.ascending());
    }

  private:
    static void fillGrid(CGridCtrl& grid) {
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
    }
};

ORVELAN_QT_TEST(CSortColumnDlgTest)

#include "CSortColumnDlgTest.moc"
