#pragma once

#include "core/data/SelectionTree.h"

#include <QDialog>
#include <functional>
#include <initializer_list>
#include <utility>

class QPushButton;
class QTreeWidget;

// What the registry and cancer dictionary dialogs share: the dictionary and its user groups in a
// tree, a list at its right describing the current item, Add (a new group) and Delete (the
// current group, after a question).
namespace orvelan {

class CReportList;
class CSelectionTree;
class CUserGroupDictionary;

class CDictionaryDlg : public QDialog {
    Q_OBJECT
  public:
    /// Called with the index of a group after it was deleted (remembered choices follow).
    void setGroupDeletedHandler(std::function<void(int index)> handler);

    CSelectionTree* tree() const { return m_tree; }
    QTreeWidget* list() const;

  protected:
    /// Columns of the list are (heading, least width).
    CDictionaryDlg(TreeKind kind, CUserGroupDictionary& groups,
                   std::initializer_list<std::pair<QString, int>> columns, QWidget* parent);

    /// Fills the emptied list for a tree value: a group's members (group >= 0), a compiled
    /// item, or a heading (sets the headings only).
    virtual void describe(int value, int group) = 0;
    /// Runs the dialog that defines a new group; true when a group was added.
    virtual bool runAddDialog() = 0;

    CUserGroupDictionary& groups() const { return m_groups; }
    CReportList* reportList() const { return m_list; }

  private:
    void showItem();
    void addGroup();
    void deleteGroup();
    int firstGroupValue() const;

    TreeKind m_kind;
    CUserGroupDictionary& m_groups;
    std::function<void(int)> m_groupDeleted;
    CSelectionTree* m_tree = nullptr;
    CReportList* m_list = nullptr;
    QPushButton* m_deleteButton = nullptr;
};

} // namespace orvelan
