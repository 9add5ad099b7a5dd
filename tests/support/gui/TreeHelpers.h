#pragma once

#include "gui/data/CSelectionTree.h"

#include <QTest>
#include <QTreeWidget>

// Finding and clicking tree items as a user would.
namespace treehelp {

inline QTreeWidgetItem* itemByText(QTreeWidget* tree, const QString& text) {
    const QList<QTreeWidgetItem*> found =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

inline void click(QTreeWidget* tree, QTreeWidgetItem* item,
                  Qt::MouseButton button = Qt::LeftButton) {
    for (QTreeWidgetItem* p = item->parent(); p != nullptr; p = p->parent()) {
        p->setExpanded(true);
    }
    tree->scrollToItem(item);
    const QRect rect = tree->visualItemRect(item);
    QTest::mouseClick(tree->viewport(), button, {}, rect.center());
}

inline orvelan::StateImage image(QTreeWidgetItem* item) {
    return orvelan::CSelectionTree::imageOf(item);
}

} // namespace treehelp
