// The dictionary dialogs and the dialogs that define user groups: lists and their columns, the
// name filter, refusals, appending and deleting groups through the dictionary files.
#include "FixtureData.h"
#include "GuiFixture.h"
#include "ModalWatch.h"
#include "TempDir.h"
#include "TreeHelpers.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/data/CCancerDictionaryDlg.h"
#include "gui/data/CRegistryDictionaryDlg.h"
#include "gui/data/CUserCancerDlg.h"
#include "gui/data/CUserRegistryDlg.h"
#include "gui/widgets/CEditINT.h"
#include "gui/widgets/CEditLIB.h"
#include "gui/widgets/CEditNAME.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <cstdio>

using namespace orvelan;
using treehelp::click;
using treehelp::itemByText;

namespace {

QStringList rowTexts(const QTreeWidget* list, int row) {
    QStringList texts;
    for (int c = 0; c < list->columnCount(); ++c) {
        texts << list->topLevelItem(row)->text(c);
    }
    return texts;
}

QStringList headers(const QTreeWidget* list) {
    QStringList texts;
    for (int c = 0; c < list->columnCount(); ++c) {
        texts << list->headerItem()->text(c);
    }
    return texts;
}

/// Every column at least as wide as given (columns grow to their heading and texts).
bool columnsAtLeast(const QTreeWidget* list, const QList<int>& least) {
    if (list->columnCount() != least.size()) {
        return false;
    }
    for (int c = 0; c < list->columnCount(); ++c) {
        if (list->columnWidth(c) < least[c]) {
            return false;
        }
    }
    return true;
}

void press(QWidget* dialog, const char* objectName) {
    auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(objectName));
    QVERIFY2(button != nullptr, objectName);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class GroupDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        test::FixtureData data;
        test::PopulationFixture specialised;
        specialised.personYears = test::FixtureData::flatPersonYears(1000.0, 15);
        specialised.type = 's';
        data.setPopulation(74, 0, specialised);
        data.setPopulation(74, 1, specialised);
        test::PopulationFixture general;
        general.personYears = test::FixtureData::flatPersonYears(1000.0);
        data.setPopulation(3, 0, general);
        data.setPopulation(3, 1, general);
        data.write(dir.str());
        QVERIFY(store.open(dir.str()));
        store.setUserGroups(&cancerGroups, &registryGroups);
    }
    void init() {
        std::remove(dir.file("POPuser.dic").c_str());
        std::remove(dir.file("ICDuser.dic").c_str());
        QVERIFY(registryGroups.load(dir.file("POPuser.dic")).ok());
        QVERIFY(cancerGroups.load(dir.file("ICDuser.dic")).ok());
        watch.takeMessages();
    }
    void cleanup() { watch.verify(); }

    void editFiltersTakeOnlyTheirCharacters() {
        CEditLIB lib;
        CEditNAME name;
        CEditINT number;
        for (QLineEdit* edit : {static_cast<QLineEdit*>(&lib), static_cast<QLineEdit*>(&name),
                                static_cast<QLineEdit*>(&number)}) {
            edit->show();
            QTest::keyClicks(edit, QStringLiteral("a-1. _"));
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier); // select all passes
        }
        QCOMPARE(lib.text(), QStringLiteral("a-1. _"));
        QCOMPARE(name.text(), QStringLiteral("a-1 _")); // '.' (46) is above '-'
        QCOMPARE(number.text(), QStringLiteral("1"));
        QTest::keyClick(&number, Qt::Key_End);
        QTest::keyClick(&number, Qt::Key_Backspace);
        QCOMPARE(number.text(), QString());
        QTest::keyClick(&lib, Qt::Key_Tab); // a key without a printable character
        QCOMPARE(lib.text(), QStringLiteral("a-1. _"));
    }

    void femaleOnlyCancerGroupIsRefusedForMales() {
        CUserCancerDlg dialog(cancerGroups);
        dialog.show();
        QCOMPARE(headers(dialog.list()),
                 (QStringList{QStringLiteral("0 item(s) selected"), QStringLiteral("Male"),
                              QStringLiteral("Female")}));
        QVERIFY(columnsAtLeast(dialog.list(), {300, 50, 50}));
        click(dialog.tree(), itemByText(dialog.tree(), QStringLiteral("Vulva")));
        click(dialog.tree(), itemByText(dialog.tree(), QStringLiteral("Vagina")));
        QCOMPARE(dialog.list()->headerItem()->text(0), QStringLiteral("2 item(s) selected"));
        QTest::keyClicks(dialog.nameEdit(), QStringLiteral("Lower genital"));
        QCOMPARE(dialog.list()->headerItem()->text(0), QStringLiteral("Lower genital: 2 item(s)"));
        QCOMPARE(rowTexts(dialog.list(), 0),
                 (QStringList{QStringLiteral("Vulva"), QStringLiteral(" "), QStringLiteral("X")}));
        press(&dialog, "okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        QCOMPARE(cancerGroups.count(), 1);
        QCOMPARE(cancerGroups.group(0).malesFlag, '0');
        QCOMPARE(cancerGroups.group(0).femalesFlag, '1');
        QCOMPARE(cancerGroups.group(0).trimmedName(), std::string("Lower genital"));
        QVERIFY(dir.read("ICDuser.dic").starts_with("ORVELAN   Lower genital"));
    }

    void userCancerRefusesEmptyNameAndEmptySelection() {
        CUserCancerDlg dialog(cancerGroups);
        dialog.show();
        press(&dialog, "okButton");
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("Name: Invalid selection")});
        QTest::keyClicks(dialog.nameEdit(), QStringLiteral("   "));
        press(&dialog, "okButton");
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("Name: Invalid selection")});
        QTest::keyClicks(dialog.nameEdit(), QStringLiteral("X"));
        press(&dialog, "okButton");
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("Cancers: Invalid selection")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(cancerGroups.count(), 0);
    }

    void userRegistryWritesPopulationNumbersInDictionaryOrder() {
        CUserRegistryDlg dialog(registryGroups, store);
        dialog.show();
        QCOMPARE(headers(dialog.list()), (QStringList{QStringLiteral("0 item(s) selected"),
                                                      QStringLiteral("Age-classes")}));
        QVERIFY(columnsAtLeast(dialog.list(), {300, 75}));
        QTest::keyClicks(dialog.nameEdit(), QStringLiteral("Asia and Africa"));
        press(&dialog, "okButton");
        QCOMPARE(watch.takeMessages(),
                 QStringList{QStringLiteral("Registries: Invalid selection")});
        click(dialog.tree(), itemByText(dialog.tree(), QStringLiteral("Changle")));
        click(dialog.tree(), itemByText(dialog.tree(), QStringLiteral("Bamako")));
        QCOMPARE(rowTexts(dialog.list(), 0).at(1), QStringLiteral("[0-85+]"));
        QCOMPARE(rowTexts(dialog.list(), 1).at(1), QStringLiteral("[0-75+]"));
        press(&dialog, "okButton");
        QCOMPARE(registryGroups.count(), 1);
        QCOMPARE(registryGroups.group(0).memberList(), (std::vector<int>{3, 74}));
    }

    void cancerDictionaryListsCodesAndMorphology() {
        QVERIFY(cancerGroups.append("Oesophagus types", {23, 24}));
        CCancerDictionaryDlg dialog(cancerGroups);
        dialog.show();
        QVERIFY(columnsAtLeast(dialog.list(), {200, 50, 50, 50, 200}));
        dialog.tree()->setCurrentItem(itemByText(dialog.tree(), QStringLiteral("Stomach")));
        QCOMPARE(headers(dialog.list()),
                 (QStringList{QStringLiteral("ORVELAN cancer"), QStringLiteral("Male"),
                              QStringLiteral("Female"), QStringLiteral("ICD-10"), QString()}));
        QCOMPARE(rowTexts(dialog.list(), 0),
                 (QStringList{QStringLiteral("Stomach"), QStringLiteral("X"), QStringLiteral("X"),
                              QStringLiteral("C16"), QString()}));
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("deleteButton"))->isVisible());

        dialog.tree()->setCurrentItem(
            itemByText(dialog.tree(), QStringLiteral("Oesophagus types")));
        QCOMPARE(dialog.list()->headerItem()->text(0),
                 QStringLiteral("Oesophagus types (2 cancers)"));
        QCOMPARE(dialog.list()->headerItem()->text(4), QStringLiteral("ICDO-2 (M)"));
        QCOMPARE(
            rowTexts(dialog.list(), 0),
            (QStringList{QStringLiteral("Oesophagus, squamous cell carcinoma"), QStringLiteral("X"),
                         QStringLiteral("X"), QStringLiteral("C15"), QStringLiteral("8050-8076")}));
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("deleteButton"))->isVisible());

        dialog.tree()->setCurrentItem(itemByText(dialog.tree(), QStringLiteral("Prostate")));
        QCOMPARE(rowTexts(dialog.list(), 0).mid(1, 2),
                 (QStringList{QStringLiteral("X"), QStringLiteral(" ")}));
        QCOMPARE(dialog.list()->headerItem()->text(4), QString());
    }

    void deletingAGroupAsksThenRemovesItAndItsNode() {
        QVERIFY(cancerGroups.append("Only group", {34}));
        CCancerDictionaryDlg dialog(cancerGroups);
        QList<int> deleted;
        dialog.setGroupDeletedHandler([&deleted](int index) { deleted << index; });
        dialog.show();
        dialog.tree()->setCurrentItem(itemByText(dialog.tree(), QStringLiteral("Only group")));
        watch.answer(QMessageBox::No);
        press(&dialog, "deleteButton");
        QCOMPARE(watch.takeMessages(),
                 QStringList{QStringLiteral("Are you sure you want to delete 'Only group' ?\n")});
        QCOMPARE(cancerGroups.count(), 1);
        watch.answer(QMessageBox::Yes);
        press(&dialog, "deleteButton");
        QCOMPARE(cancerGroups.count(), 0);
        QCOMPARE(deleted, QList<int>{0});
        QVERIFY(itemByText(dialog.tree(), QStringLiteral("User-defined cancers")) == nullptr);
        QCOMPARE(dir.read("ICDuser.dic"), std::string());
    }

    void registryDictionaryShowsTypesAgesAndRenumbersAfterDelete() {
        QVERIFY(registryGroups.append("First", {3}));
        QVERIFY(registryGroups.append("Second", {3, 74}));
        QVERIFY(registryGroups.append("Third", {74}));
        CRegistryDictionaryDlg dialog(registryGroups, store);
        dialog.show();
        QVERIFY(columnsAtLeast(dialog.list(), {250, 70, 70}));
        dialog.tree()->setCurrentItem(itemByText(dialog.tree(), QStringLiteral("Changle")));
        QCOMPARE(headers(dialog.list()),
                 (QStringList{QStringLiteral("ORVELAN registry"), QStringLiteral("Type"),
                              QStringLiteral("Age-classes")}));
        QCOMPARE(rowTexts(dialog.list(), 0),
                 (QStringList{QStringLiteral(" China, Changle (1993-1997)"),
                              QStringLiteral("Specialised"), QStringLiteral("[0-75+]")}));

        dialog.tree()->setCurrentItem(itemByText(dialog.tree(), QStringLiteral("Second")));
        QCOMPARE(dialog.list()->headerItem()->text(0),
                 QStringLiteral("Second (2 registries) [0-75+]"));
        QCOMPARE(rowTexts(dialog.list(), 0).at(1), QStringLiteral("General"));

        dialog.tree()->setCurrentItem(itemByText(dialog.tree(), QStringLiteral("First")));
        watch.answer(QMessageBox::Yes);
        press(&dialog, "deleteButton");
        QCOMPARE(registryGroups.count(), 2);
        QCOMPARE(dialog.tree()->findValue(272)->text(0), QStringLiteral("Second"));
        QCOMPARE(dialog.tree()->findValue(273)->text(0), QStringLiteral("Third"));
        QVERIFY(dialog.tree()->findValue(274) == nullptr);
    }

  private:
    test::TempDir dir;
    CIncidenceStore store;
    CUserGroupDictionary registryGroups{GroupKind::Registry};
    CUserGroupDictionary cancerGroups{GroupKind::Cancer};
    ModalWatch watch;
};

ORVELAN_QT_TEST(GroupDialogsTest)

#include "GroupDialogsTest.moc"
