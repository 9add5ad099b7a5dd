#pragma once

#include "gui/data/CDictionaryDlg.h"

#include <vector>

// "Registry dictionary": the compiled registry dictionary and the user registry groups in a
// tree; the list shows the chosen population, or a group's members, with type and age classes.
namespace orvelan {

class CIncidenceStore;

class CRegistryDictionaryDlg : public CDictionaryDlg {
    Q_OBJECT
  public:
    CRegistryDictionaryDlg(CUserGroupDictionary& groups, CIncidenceStore& store,
                           QWidget* parent = nullptr);

  protected:
    void describe(int value, int group) override;
    bool runAddDialog() override;

  private:
    void listPopulations(const std::vector<int>& populations);

    CIncidenceStore& m_store;
};

} // namespace orvelan
