#pragma once

#include <QDialog>

class QTreeWidget;

// "User-defined cancer": a name and the compiled cancers ticked in a tree; OK appends the group
// to the cancer user dictionary.
namespace orvelan {

class CEditLIB;
class CSelectionTree;
class CUserGroupDictionary;

class CUserCancerDlg : public QDialog {
    Q_OBJECT
  public:
    CUserCancerDlg(CUserGroupDictionary& groups, QWidget* parent = nullptr);

    CEditLIB* nameEdit() const { return m_name; }
    CSelectionTree* tree() const { return m_tree; }
    QTreeWidget* list() const { return m_list; }

    void accept() override;

  private:
    void updateList();

    CUserGroupDictionary& m_groups;
    CEditLIB* m_name = nullptr;
    CSelectionTree* m_tree = nullptr;
    QTreeWidget* m_list = nullptr;
};

} // namespace orvelan
