#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

// "Registry dictionary": the compiled registry dictionary and the user registry groups in a
// tree; the list shows the chosen population, or a group's members, with type and age classes.
namespace orvelan {

class CIncidenceStore;
class CSelectionTree;
class CUserGroupDictionary;

class CRegistryDictionaryDlg : public QDialog {
    Q_OBJECT
  public:
    CRegistryDictionaryDlg(CUserGroupDictionary& groups, CIncidenceStore& store,
                           QWidget* parent = nullptr);

    /// Called with the index of a group after it was deleted (remembered choices follow).
    void setGroupDeletedHandler(std::function<void(int index)> handler);

    CSelectionTree* tree() const { return m_tree; }
    QTreeWidget* list() const { return m_list; }

  private:
    void showItem();
    void listPopulations(const std::vector<int>& populations);
    void addGroup();
    void deleteGroup();

    CUserGroupDictionary& m_groups;
    CIncidenceStore& m_store;
    std::function<void(int)> m_groupDeleted;
    CSelectionTree* m_tree = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_deleteButton = nullptr;
};

} // namespace orvelan
