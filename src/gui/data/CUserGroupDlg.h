#pragma once

#include "core/data/Codes.h"
#include "core/data/SelectionTree.h"

#include <QDialog>
#include <initializer_list>
#include <utility>
#include <vector>

class QTreeWidget;

// What the two "User-defined ..." dialogs share: a name, the dictionary's items ticked in a
// tree, the list of the ticked members, and OK that checks the choice and appends the group to
// the user dictionary.
namespace orvelan {

class CEditLIB;
class CReportList;
class CSelectionTree;
class CUserGroupDictionary;

class CUserGroupDlg : public QDialog {
    Q_OBJECT
  public:
    CEditLIB* nameEdit() const { return m_name; }
    CSelectionTree* tree() const { return m_tree; }
    QTreeWidget* list() const;

    void accept() override;

  protected:
    /// Columns of the member list are (heading, least width).
    CUserGroupDlg(TreeKind kind, CUserGroupDictionary& groups,
                  std::initializer_list<std::pair<QString, int>> columns, QWidget* parent);

    /// The members a ticked selection names (cancer or population numbers), in tree order.
    virtual std::vector<int> tickedMembers(const SelectionList& selection) const = 0;
    /// Adds the list row of one member.
    virtual void addMemberRow(int member) = 0;
    /// Fills the list from the current ticks; derived constructors call it once.
    void updateList();

  private:
    TreeKind m_kind;
    CUserGroupDictionary& m_groups;
    CEditLIB* m_name = nullptr;
    CSelectionTree* m_tree = nullptr;
    CReportList* m_list = nullptr;
};

} // namespace orvelan
