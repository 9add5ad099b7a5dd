// The selection trees as the user meets them (clicks, right-clicks, the picture buttons, the
// one-choice form, the user-group node and the filter field), the dictionary dialogs and the
// dialogs that define user groups: lists and their columns, the name filter, refusals,
// appending and deleting groups through the dictionary files.
#include "FixtureData.h"
#include "GuiFixture.h"
#include "ModalWatch.h"
#include "TempDir.h"
#include "TreeHelpers.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/data/CCancerDictionaryDlg.h"
#include "gui/data/CRegistryDictionaryDlg.h"
#include "gui/data/CSelectionPanel.h"
#include "gui/data/CUserCancerDlg.h"
#include "gui/data/CUserRegistryDlg.h"
#include "gui/widgets/CEditINT.h"
#include "gui/widgets/CEditLIB.h"
#include "gui/widgets/CEditNAME.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <cstdio>
#include <memory>

using namespace orvelan;
using treehelp::click;
using treehelp::image;
using treehelp::itemByText;

namespace {

QStringList rowTexts(const QTreeWidget* list, int row) {
    QStringList texts;
    for (int c = 0; c < list->columnCount(); ++c) {
        texts << list->topLevelItem(row)->text(c);
    }
    return texts;
}

void press(QWidget* dialog, const char* objectName) {
    auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(objectName));
    QVERIFY2(button != nullptr, objectName);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class SelectionAndGroupsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        test::FixtureData data;
        test::addPopulations(data, 1000.0, {74}, 15, 's'); // specialised
        test::addPopulations(data, 1000.0, {3});
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

    void clickTicksAndUnticksAndHeadingsStay() {
        CSelectionPanel panel(TreeKind::Registry, CSelectionPanel::ClearButton);
        show(panel, &registryGroups);
        CSelectionTree* tree = panel.tree();

        QTreeWidgetItem* bamako = itemByText(tree, QStringLiteral("Bamako"));
        QVERIFY(bamako != nullptr);
        click(tree, bamako);
        QCOMPARE(image(bamako), StateImage::Ticked);
        QCOMPARE(panel.selection()[7], 7);
        click(tree, bamako);
        QCOMPARE(image(bamako), StateImage::Unticked);
        QCOMPARE(panel.selection()[7], -1);

        QTreeWidgetItem* mali = itemByText(tree, QStringLiteral("Mali"));
        click(tree, mali);
        QCOMPARE(image(mali), StateImage::Heading);
        QCOMPARE(selectedCount(panel.selection()), 0);
    }

    void rightClickTicksChildrenNotGrandchildren() {
        CSelectionPanel panel(TreeKind::Registry, CSelectionPanel::ClearButton);
        show(panel, nullptr);
        CSelectionTree* tree = panel.tree();
        // "USA" stands under three continents; North America holds its registries.
        QTreeWidgetItem* north = itemByText(tree, QStringLiteral("America, North"));
        QTreeWidgetItem* usa = north->child(1);
        QCOMPARE(usa->text(0), QStringLiteral("USA"));
        click(tree, usa, Qt::RightButton);
        QVERIFY(usa->isExpanded());
        QCOMPARE(selectedCount(panel.selection()), 14); // the registries of the USA row

        click(tree, usa, Qt::RightButton); // never unticks
        QCOMPARE(selectedCount(panel.selection()), 14);
    }

    void selectAllRegistriesAndClear() {
        QVERIFY(registryGroups.append("Nordic", {43, 50}));
        CSelectionPanel panel(TreeKind::Registry,
                              CSelectionPanel::ClearButton | CSelectionPanel::SelectAllButton);
        show(panel, &registryGroups);
        auto* selectAll = panel.findChild<QToolButton*>(QStringLiteral("selectAll"));
        QVERIFY(selectAll != nullptr);
        QTest::mouseClick(selectAll, Qt::LeftButton);
        QCOMPARE(selectedCount(panel.selection()), 229 + 1);
        CSelectionTree* tree = panel.tree();
        QCOMPARE(image(itemByText(tree, QStringLiteral("Nordic"))), StateImage::GroupTicked);

        auto* clear = panel.findChild<QToolButton*>(QStringLiteral("clearSelection"));
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(selectedCount(panel.selection()), 0);
        QCOMPARE(image(itemByText(tree, QStringLiteral("Bamako"))), StateImage::Unticked);
    }

    void icd10RubricsTickBreast() {
        CSelectionPanel panel(TreeKind::Cancer, CSelectionPanel::ClearButton |
                                                    CSelectionPanel::SelectAllButton |
                                                    CSelectionPanel::Icd10Button);
        show(panel, nullptr);
        auto* rubrics = panel.findChild<QToolButton*>(QStringLiteral("selectIcd10Rubrics"));
        QTest::mouseClick(rubrics, Qt::LeftButton);
        QCOMPARE(image(itemByText(panel.tree(), QStringLiteral("Breast"))), StateImage::Ticked);
        QCOMPARE(image(itemByText(panel.tree(), QStringLiteral("Stomach"))), StateImage::Ticked);
    }

    void selectedGroupShowsTickedAndIsCurrent() {
        QVERIFY(cancerGroups.append("Gynaecological", {117, 118}));
        QVERIFY(cancerGroups.append("Head and neck", {3, 4}));
        SelectionList list = emptySelectionList();
        list[34] = 34;
        list[253] = 253;
        CSelectionPanel panel(TreeKind::Cancer, CSelectionPanel::ClearButton);
        show(panel, &cancerGroups, list);
        QTreeWidgetItem* group = itemByText(panel.tree(), QStringLiteral("Head and neck"));
        QCOMPARE(image(group), StateImage::GroupTicked);
        QCOMPARE(panel.tree()->currentItem(), group);
    }

    void oneChoiceTicksTheNewItemAndUnticksTheOld() {
        CSelectionTree tree(TreeKind::Registry, CSelectionTree::Form::OneChoice);
        tree.resize(400, 600);
        tree.show();
        tree.setChoice(3); // Bamako's population number
        QTreeWidgetItem* bamako = itemByText(&tree, QStringLiteral("Bamako"));
        QCOMPARE(image(bamako), StateImage::Ticked);
        QCOMPARE(tree.currentValue(), 3);
        QSignalSpy chosen(&tree, &CSelectionTree::choiceChanged);
        QTreeWidgetItem* gambia = itemByText(&tree, QStringLiteral("The Gambia"));
        click(&tree, gambia);
        QCOMPARE(image(gambia), StateImage::Ticked);
        QCOMPARE(image(bamako), StateImage::Unticked);
        QCOMPARE(tree.currentValue(), 2);
        QCOMPARE(chosen.count(), 1);
        click(&tree, itemByText(&tree, QStringLiteral("Mali")));
        QCOMPARE(tree.currentValue(), -1); // a heading cannot be chosen
        QCOMPARE(image(gambia), StateImage::Ticked);
    }

    // Typing part of a name shows the matching rows with their parents (and a matching row's
    // members); ticks made before, during and after filtering all stay; Escape clears the field
    // and shows the tree as built. Accents and case do not count.
    void filterShowsMatchingRowsAndKeepsTicks() {
        QVERIFY(registryGroups.append("C\xf4te d'Azur", {43, 50}));
        CSelectionPanel panel(TreeKind::Registry, CSelectionPanel::ClearButton);
        show(panel, &registryGroups);
        CSelectionTree* tree = panel.tree();
        QLineEdit* filter = tree->filterField();
        QVERIFY(filter != nullptr && filter->isVisible());
        click(tree, itemByText(tree, QStringLiteral("Bamako")));

        QTest::keyClicks(filter, QStringLiteral("GAMB"));
        QTreeWidgetItem* gambia = itemByText(tree, QStringLiteral("The Gambia"));
        QVERIFY(!gambia->isHidden());
        QVERIFY(!gambia->parent()->isHidden() && gambia->parent()->isExpanded());
        QVERIFY(itemByText(tree, QStringLiteral("Bamako"))->isHidden());
        QVERIFY(itemByText(tree, QStringLiteral("Asia"))->isHidden());
        click(tree, gambia);
        QCOMPARE(image(gambia), StateImage::Ticked);
        QCOMPARE(selectedCount(panel.selection()), 2);

        filter->clear();
        filter->insert(QStringLiteral("c\u00d4te")); // keyClicks takes ASCII only
        QTreeWidgetItem* group = itemByText(tree, QStringLiteral("C\u00f4te d'Azur"));
        QVERIFY(!group->isHidden());
        QVERIFY(itemByText(tree, QStringLiteral("The Gambia"))->isHidden());
        QTest::keyClick(filter, Qt::Key_Escape);
        QVERIFY(filter->text().isEmpty());
        QVERIFY(!itemByText(tree, QStringLiteral("Asia"))->isHidden());
        QCOMPARE(image(itemByText(tree, QStringLiteral("Bamako"))), StateImage::Ticked);
        QCOMPARE(image(itemByText(tree, QStringLiteral("The Gambia"))), StateImage::Ticked);
        QCOMPARE(selectedCount(panel.selection()), 2);

        // A one-choice cancer tree keeps its choice through a filter that hides it.
        auto* cancers = new CSelectionTree(TreeKind::Cancer, CSelectionTree::Form::OneChoice);
        const std::unique_ptr<QWidget> pane(cancers->withFilter());
        pane->resize(400, 600);
        pane->show();
        cancers->setChoice(34);
        QTest::keyClicks(cancers->filterField(), QStringLiteral("breast"));
        QTreeWidgetItem* stomach = itemByText(cancers, QStringLiteral("Stomach"));
        QVERIFY(stomach->isHidden());
        QCOMPARE(image(stomach), StateImage::Ticked);
        QTest::keyClick(cancers->filterField(), Qt::Key_Escape);
        QCOMPARE(cancers->currentValue(), 34);
        QVERIFY(!itemByText(cancers, QStringLiteral("Stomach"))->isHidden());
    }

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
        QTest::keyClicks(dialog.nameEdit(), QStringLiteral("X"));
        press(&dialog, "okButton");
        QCOMPARE(watch.takeMessages(), QStringList{QStringLiteral("Cancers: Invalid selection")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(cancerGroups.count(), 0);
    }

    void userRegistryWritesPopulationNumbersInDictionaryOrder() {
        CUserRegistryDlg dialog(registryGroups, store);
        dialog.show();
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
        dialog.tree()->setCurrentItem(itemByText(dialog.tree(), QStringLiteral("Stomach")));
        QCOMPARE(rowTexts(dialog.list(), 0),
                 (QStringList{QStringLiteral("Stomach"), QStringLiteral("X"), QStringLiteral("X"),
                              QStringLiteral("C16"), QString()}));
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("deleteButton"))->isVisible());

        dialog.tree()->setCurrentItem(
            itemByText(dialog.tree(), QStringLiteral("Oesophagus types")));
        QCOMPARE(dialog.list()->headerItem()->text(0),
                 QStringLiteral("Oesophagus types (2 cancers)"));
        QCOMPARE(rowTexts(dialog.list(), 0).at(4), QStringLiteral("8050-8076"));
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("deleteButton"))->isVisible());
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
        dialog.tree()->setCurrentItem(itemByText(dialog.tree(), QStringLiteral("Changle")));
        QCOMPARE(rowTexts(dialog.list(), 0),
                 (QStringList{QStringLiteral(" China, Changle (1993-1997)"),
                              QStringLiteral("Specialised"), QStringLiteral("[0-75+]")}));

        dialog.tree()->setCurrentItem(itemByText(dialog.tree(), QStringLiteral("Second")));
        QCOMPARE(dialog.list()->headerItem()->text(0),
                 QStringLiteral("Second (2 registries) [0-75+]"));

        dialog.tree()->setCurrentItem(itemByText(dialog.tree(), QStringLiteral("First")));
        watch.answer(QMessageBox::Yes);
        press(&dialog, "deleteButton");
        QCOMPARE(registryGroups.count(), 2);
        QCOMPARE(dialog.tree()->findValue(272)->text(0), QStringLiteral("Second"));
        QCOMPARE(dialog.tree()->findValue(273)->text(0), QStringLiteral("Third"));
        QVERIFY(dialog.tree()->findValue(274) == nullptr);
    }

  private:
    static void show(CSelectionPanel& panel, CUserGroupDictionary* groups,
                     const SelectionList& selection = emptySelectionList()) {
        panel.resize(500, 700);
        panel.show();
        panel.load(groups, selection);
    }
    test::TempDir dir;
    CIncidenceStore store;
    CUserGroupDictionary registryGroups{GroupKind::Registry};
    CUserGroupDictionary cancerGroups{GroupKind::Cancer};
    ModalWatch watch;
};

ORVELAN_QT_TEST(SelectionAndGroupsTest)

#include "SelectionAndGroupsTest.moc"
