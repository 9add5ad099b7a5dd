#include "gui/data/CSelectionTree.h"

#include "core/data/CUserGroupDictionary.h"
#include "core/io/TextEncoding.h"
#include "gui/widgets/CStateImages.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace orvelan {

namespace {

int groupCount(const CUserGroupDictionary* groups) {
    return groups == nullptr ? 0 : groups->count();
}

/// What a name or a typed filter is compared as; the names are Latin-1, and a typed character
/// beyond it matches no name.
QString searchKeyOf(const QString& text) {
    const QByteArray latin1 = text.toLatin1();
    return QString::fromLatin1(
        searchKey(std::string_view(latin1.constData(), static_cast<std::size_t>(latin1.size()))));
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
    if (m_filter != nullptr && !m_filter->text().isEmpty()) {
        filterChanged();
    }
}

QWidget* CSelectionTree::withFilter() {
    auto* pane = new QWidget(parentWidget());
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_filter = new QLineEdit(pane);
    m_filter->setObjectName(objectName().isEmpty() ? QStringLiteral("filter")
                                                   : objectName() + QStringLiteral("Filter"));
    m_filter->setPlaceholderText(QStringLiteral("Filter by name"));
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);
    layout->addWidget(m_filter);
    layout->addWidget(this, 1);
    connect(m_filter, &QLineEdit::textChanged, this, &CSelectionTree::filterChanged);
    return pane;
}

QWidget* CSelectionTree::pane() { return m_filter == nullptr ? this : parentWidget(); }

bool CSelectionTree::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Escape clears a filter before it closes the dialog; Down and Enter go on into the rows
        // (Enter does not press the dialog's default button).
        if (key == Qt::Key_Escape && !m_filter->text().isEmpty()) {
            m_filter->clear();
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QTreeWidget::eventFilter(watched, event);
}

void CSelectionTree::filterChanged() {
    QTreeWidgetItem* root = topLevelItem(0);
    if (root == nullptr) {
        return;
    }
    const QString key = searchKeyOf(m_filter->text().trimmed());
    if (key.isEmpty()) {
        // The tree as it is built: every row, the root open and the last ticked row in view;
        // the current row stays current (a browse tree's choice, a row looked at).
        const int current = currentValue();
        rebuild();
        if (QTreeWidgetItem* item = current >= 0 ? findValue(current) : nullptr) {
            setCurrentItem(item);
            scrollToItem(item);
        }
        return;
    }
    for (int i = 0; i < root->childCount(); ++i) {
        applyFilter(root->child(i), key, false);
    }
}

bool CSelectionTree::applyFilter(QTreeWidgetItem* item, const QString& key, bool parentMatches) {
    const bool matches = item->data(0, kSearchRole).toString().contains(key);
    bool memberMatches = false;
    for (int i = 0; i < item->childCount(); ++i) {
        memberMatches = applyFilter(item->child(i), key, parentMatches || matches) || memberMatches;
    }
    // The members of a matching row stay, folded, so that a matching group can be opened.
    item->setHidden(!(matches || memberMatches || parentMatches));
    item->setExpanded(memberMatches);
    return matches || memberMatches;
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
    item->setData(0, kSearchRole, searchKeyOf(item->text(0)));
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
