#pragma once

#include <QDialog>

class QTreeWidget;

// "User-defined registry": a name and the populations ticked in a registry tree; OK appends the
// group to the registry user dictionary.
namespace orvelan {

class CEditLIB;
class CIncidenceStore;
class CSelectionTree;
class CUserGroupDictionary;

class CUserRegistryDlg : public QDialog {
    Q_OBJECT
  public:
    CUserRegistryDlg(CUserGroupDictionary& groups, CIncidenceStore& store,
                     QWidget* parent = nullptr);

    CEditLIB* nameEdit() const { return m_name; }
    CSelectionTree* tree() const { return m_tree; }
    QTreeWidget* list() const { return m_list; }

    void accept() override;

  private:
    void updateList();

    CUserGroupDictionary& m_groups;
    CIncidenceStore& m_store;
    CEditLIB* m_name = nullptr;
    CSelectionTree* m_tree = nullptr;
    QTreeWidget* m_list = nullptr;
};

} // namespace orvelan
