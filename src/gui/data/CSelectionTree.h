#pragma once

#include "core/data/SelectionTree.h"

#include <QTreeWidget>

class QLineEdit;

// A registry or cancer tree with state images. Three forms: multiple choice (tick boxes that
// edit a selection list of slots), one choice (one ticked item, values are population or cancer
// numbers) and browse (the current item is the choice, no tick boxes). A filter field above the
// tree shows only the rows whose names hold what is typed (without regard to case and accents),
// with their parents and members; the ticks stay as they are, and Escape clears the field.
namespace orvelan {

class CUserGroupDictionary;

class CSelectionTree : public QTreeWidget {
    Q_OBJECT
  public:
    enum class Form { Multiple, OneChoice, Browse };
    static constexpr int kValueRole = Qt::UserRole;
    static constexpr int kImageRole = Qt::UserRole + 1;
    static constexpr int kSearchRole = Qt::UserRole + 2;

    CSelectionTree(TreeKind kind, Form form, QWidget* parent = nullptr);

    TreeKind kind() const { return m_kind; }
    Form form() const { return m_form; }
    /// The user groups shown under their own node; null shows none.
    void setGroups(const CUserGroupDictionary* groups);
    const CUserGroupDictionary* groups() const { return m_groups; }

    /// Multiple choice: the list the ticks edit; setting it rebuilds the tree.
    void setSelection(const SelectionList& list);
    const SelectionList& selection() const { return m_selection; }
    /// The buttons of the selection pages: change the whole list, then rebuild.
    void clearAll();
    void selectAll();
    void selectIcd10Rubrics();

    /// One choice and browse: the value of the ticked (or current) item; setting it rebuilds.
    void setChoice(int value);
    /// The current item's value, -1 when there is none or it cannot be chosen.
    int currentValue() const;

    /// Builds the items anew from the list or the choice and the groups.
    void rebuild();
    /// Replaces the root's text (the graph and export wizards' cancer trees read
    /// "<program> cancers"); empty keeps the dictionary's own.
    void setRootText(const QString& text);

    /// The filter field and the tree in one pane, for a page's layout; the pane takes the tree's
    /// place in its parent. Called once.
    QWidget* withFilter();
    /// The pane of withFilter, or the tree itself when it has no filter field.
    QWidget* pane();
    /// The filter field; null until withFilter.
    QLineEdit* filterField() const { return m_filter; }

    /// The first item carrying a value (depth-first); nullptr when none does.
    QTreeWidgetItem* findValue(int value) const;
    static int valueOf(const QTreeWidgetItem* item);
    static StateImage imageOf(const QTreeWidgetItem* item);

  signals:
    /// Multiple choice: a click, right-click or button changed the list.
    void selectionChanged();
    /// One choice: the user ticked another item.
    void choiceChanged(int value);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addChildren(QTreeWidgetItem* parent, const SelectionNode& node);
    QTreeWidgetItem* makeItem(const SelectionNode& node);
    void setImage(QTreeWidgetItem* item, StateImage image);
    void leftClick(QTreeWidgetItem* item);
    void rightClick(QTreeWidgetItem* item);
    void choose(QTreeWidgetItem* item);
    void filterChanged();
    bool applyFilter(QTreeWidgetItem* item, const QString& key, bool parentMatches);

    TreeKind m_kind;
    Form m_form;
    const CUserGroupDictionary* m_groups = nullptr;
    SelectionList m_selection = emptySelectionList();
    int m_choice = -1;
    QTreeWidgetItem* m_lastTicked = nullptr;
    QString m_rootText;
    QLineEdit* m_filter = nullptr;
};

} // namespace orvelan
