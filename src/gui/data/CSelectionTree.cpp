#include "gui/data/CSelectionTree.h"

#include "core/data/CUserGroupDictionary.h"
#include "gui/widgets/CStateImages.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace orvelan {

namespace {

int groupCount(const CUserGroupDictionary* groups) {
    return groups == nullptr ? 0 : groups->count();
}

} // namespace

CSelectionTree::CSelectionTree(TreeKind kind, Form form, QWidget* parent)
    : QTreeWidget(parent), m_kind(kind), m_form(form) {
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(15, 15));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(true);
    setUniformRowHeights(true);
}

void CSelectionTree::setGroups(const CUserGroupDictionary* groups) { m_groups = groups; }

void CSelectionTree::setSelection(const SelectionList& list) {
    m_selection = list;
    rebuild();
}

void CSelectionTree::clearAll() {
    orvelan::clearSelection(m_selection);
    rebuild();
    emit selectionChanged();
}

void CSelectionTree::selectAll() {
    if (m_kind == TreeKind::Registry) {
        selectAllRegistries(m_selection, groupCount(m_groups));
    } else {
        selectAllCancers(m_selection, groupCount(m_groups));
    }
    rebuild();
    emit selectionChanged();
}

void CSelectionTree::selectIcd10Rubrics() {
    orvelan::selectIcd10Rubrics(m_selection);
    rebuild();
    emit selectionChanged();
}

void CSelectionTree::setChoice(int value) {
    m_choice = value;
    rebuild();
}

int CSelectionTree::currentValue() const {
    const QTreeWidgetItem* item = currentItem();
    return item == nullptr ? -1 : valueOf(item);
}

void CSelectionTree::rebuild() {
    clear();
    m_lastTicked = nullptr;
    SelectionNode root;
    if (m_form == Form::Multiple) {
        root = m_kind == TreeKind::Registry ? buildRegistryTree(m_selection, m_groups)
                                            : buildCancerTree(m_selection, m_groups);
    } else {
        root = m_kind == TreeKind::Registry ? buildRegistryChoiceTree(m_choice, m_groups)
                                            : buildCancerChoiceTree(m_choice, m_groups);
    }
    if (!m_rootText.isEmpty()) {
        root.text = m_rootText.toStdString();
    }
    QTreeWidgetItem* rootItem = makeItem(root);
    addTopLevelItem(rootItem);
    addChildren(rootItem, root);
    rootItem->setExpanded(true);
    if (m_lastTicked != nullptr) {
        // The last ticked item stays current and visible, as when it was inserted last.
        setCurrentItem(m_lastTicked);
        scrollToItem(m_lastTicked);
    } else if (m_form != Form::Multiple) {
        setCurrentItem(nullptr);
    }
}

void CSelectionTree::setRootText(const QString& text) {
    m_rootText = text;
    if (QTreeWidgetItem* root = topLevelItem(0); root != nullptr && !text.isEmpty()) {
        root->setText(0, text);
    }
}

void CSelectionTree::addChildren(QTreeWidgetItem* parent, const SelectionNode& node) {
    for (const SelectionNode& child : node.children) {
        QTreeWidgetItem* item = makeItem(child);
        parent->addChild(item);
        if (child.ticked) {
            m_lastTicked = item;
        }
        addChildren(item, child);
    }
}

QTreeWidgetItem* CSelectionTree::makeItem(const SelectionNode& node) {
    auto* item = new QTreeWidgetItem(QStringList(
        QString::fromLatin1(node.text.data(), static_cast<qsizetype>(node.text.size()))));
    item->setData(0, kValueRole, node.value);
    setImage(item, node.image);
    if (node.bold) {
        QFont font = item->font(0);
        font.setBold(true);
        item->setFont(0, font);
    }
    return item;
}

void CSelectionTree::setImage(QTreeWidgetItem* item, StateImage image) {
    item->setData(0, kImageRole, static_cast<int>(image));
    const bool tickBox = isUntickedImage(m_kind, image) || isTickedImage(m_kind, image);
    // Browse trees show headings and folders but no tick boxes.
    item->setIcon(0, m_form == Form::Browse && tickBox ? QIcon() : CStateImages::icon(image));
}

QTreeWidgetItem* CSelectionTree::findValue(int value) const {
    QTreeWidgetItemIterator it(const_cast<CSelectionTree*>(this));
    for (; *it != nullptr; ++it) {
        if (valueOf(*it) == value) {
            return *it;
        }
    }
    return nullptr;
}

int CSelectionTree::valueOf(const QTreeWidgetItem* item) {
    return item->data(0, kValueRole).toInt();
}

StateImage CSelectionTree::imageOf(const QTreeWidgetItem* item) {
    return static_cast<StateImage>(item->data(0, kImageRole).toInt());
}

void CSelectionTree::mousePressEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    // A press left of the item's own rectangle hits the expand mark, not the item.
    const bool onItem = item != nullptr && event->position().x() >= visualItemRect(item).left();
    if (onItem && event->button() == Qt::RightButton) {
        rightClick(item);
        event->accept();
        return;
    }
    if (onItem && event->button() == Qt::LeftButton) {
        leftClick(item);
    }
    QTreeWidget::mousePressEvent(event);
}

void CSelectionTree::leftClick(QTreeWidgetItem* item) {
    if (m_form == Form::OneChoice) {
        choose(item);
        return;
    }
    if (m_form != Form::Multiple) {
        return;
    }
    const StateImage before = imageOf(item);
    const StateImage after = clickItem(m_kind, valueOf(item), before, m_selection);
    if (after != before) {
        setImage(item, after);
        emit selectionChanged();
    }
}

void CSelectionTree::choose(QTreeWidgetItem* item) {
    const StateImage image = imageOf(item);
    if (valueOf(item) < 0 || !isUntickedImage(m_kind, image)) {
        return;
    }
    if (QTreeWidgetItem* previous = m_choice >= 0 ? findValue(m_choice) : nullptr;
        previous != nullptr) {
        setImage(previous, toggledImage(m_kind, imageOf(previous)));
    }
    setImage(item, toggledImage(m_kind, image));
    m_choice = valueOf(item);
    emit choiceChanged(m_choice);
}

void CSelectionTree::rightClick(QTreeWidgetItem* item) {
    if (m_form != Form::Multiple || item->childCount() == 0 ||
        !rightClickActs(m_kind, item->parent() == nullptr, valueOf(item))) {
        return;
    }
    std::vector<ChildState> children;
    for (int i = 0; i < item->childCount(); ++i) {
        children.push_back({valueOf(item->child(i)), imageOf(item->child(i))});
    }
    const std::vector<StateImage> images = rightClickItem(m_kind, children, m_selection);
    for (int i = 0; i < item->childCount(); ++i) {
        setImage(item->child(i), images[static_cast<std::size_t>(i)]);
    }
    item->setExpanded(true);
    emit selectionChanged();
}

} // namespace orvelan
