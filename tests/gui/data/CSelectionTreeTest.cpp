// The selection trees as the user meets them: clicks, right-clicks, the picture buttons, the
// one-choice form, the user-group node and the filter field.
#include "GuiFixture.h"
#include "ModalWatch.h"
#include "TempDir.h"
#include "TreeHelpers.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/data/CSelectionPanel.h"

#include <QLineEdit>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace orvelan;
using treehelp::click;
using treehelp::image;
using treehelp::itemByText;

class CSelectionTreeTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(registryGroups.load(dir.file("POPuser.dic")).ok());
        QVERIFY(cancerGroups.load(dir.file("ICDuser.dic")).ok());
    }
    void cleanup() {
        std::remove(dir.file("POPuser.dic").c_str());
        std::remove(dir.file("ICDuser.dic").c_str());
        watch.verify();
    }

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
        QCOMPARE(panel.selection()[6], -1);
        click(tree, itemByText(tree, QStringLiteral("Africa")));
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
        QCOMPARE(selectAll->toolTip(), QStringLiteral("Select all registries"));
        QTest::mouseClick(selectAll, Qt::LeftButton);
        QCOMPARE(selectedCount(panel.selection()), 229 + 1);
        CSelectionTree* tree = panel.tree();
        QCOMPARE(image(itemByText(tree, QStringLiteral("Nordic"))), StateImage::GroupTicked);

        auto* clear = panel.findChild<QToolButton*>(QStringLiteral("clearSelection"));
        QCOMPARE(clear->toolTip(), QStringLiteral("Clear selection"));
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
        QCOMPARE(rubrics->toolTip(), QStringLiteral("Select ICD-10 rubrics"));
        QCOMPARE(panel.findChild<QToolButton*>(QStringLiteral("selectAll"))->toolTip(),
                 QStringLiteral("Select all cancers"));
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
        // Right-click on "User-defined cancers" does nothing on a cancer tree.
        click(panel.tree(), itemByText(panel.tree(), QStringLiteral("User-defined cancers")),
              Qt::RightButton);
        QCOMPARE(panel.selection()[252], -1);
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

  private:
    static void show(CSelectionPanel& panel, CUserGroupDictionary* groups,
                     const SelectionList& selection = emptySelectionList()) {
        panel.resize(500, 700);
        panel.show();
        panel.load(groups, selection);
    }
    orvelan::test::TempDir dir;
    CUserGroupDictionary registryGroups{GroupKind::Registry};
    CUserGroupDictionary cancerGroups{GroupKind::Cancer};
    ModalWatch watch;
};

ORVELAN_QT_TEST(CSelectionTreeTest)

#include "CSelectionTreeTest.moc"
