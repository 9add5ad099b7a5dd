#pragma once

#include "gui/data/CUserGroupDlg.h"

// "User-defined registry": a name and the populations ticked in a registry tree; OK appends the
// group to the registry user dictionary.
namespace orvelan {

class CIncidenceStore;

class CUserRegistryDlg : public CUserGroupDlg {
    Q_OBJECT
  public:
    CUserRegistryDlg(CUserGroupDictionary& groups, CIncidenceStore& store,
                     QWidget* parent = nullptr);

  protected:
    /// Population numbers of the ticked dictionary rows, in dictionary order.
    std::vector<int> tickedMembers(const SelectionList& selection) const override;
    void addMemberRow(int population) override;

  private:
    CIncidenceStore& m_store;
};

} // namespace orvelan
