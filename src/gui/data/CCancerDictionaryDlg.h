#pragma once

#include <QDialog>
#include <functional>

class QPushButton;
class QTreeWidget;

// "Cancer dictionary": the compiled cancers and the user cancer groups in a tree; the list at
// its right shows the chosen cancer, or a group's members, with their sexes and codes.
namespace orvelan {

class CSelectionTree;
class CUserGroupDictionary;

class CCancerDictionaryDlg : public QDialog {
    Q_OBJECT
  public:
    CCancerDictionaryDlg(CUserGroupDictionary& groups, QWidget* parent = nullptr);

    /// Called with the index of a group after it was deleted (remembered choices follow).
    void setGroupDeletedHandler(std::function<void(int index)> handler);

    CSelectionTree* tree() const { return m_tree; }
    QTreeWidget* list() const { return m_list; }

  private:
    void showItem();
    void listCancers(const std::vector<int>& cancers);
    void addGroup();
    void deleteGroup();

    CUserGroupDictionary& m_groups;
    std::function<void(int)> m_groupDeleted;
    CSelectionTree* m_tree = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_deleteButton = nullptr;
};

} // namespace orvelan
