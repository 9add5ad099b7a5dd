#pragma once

#include "gui/data/CUserGroupDlg.h"

// "User-defined cancer": a name and the compiled cancers ticked in a tree; OK appends the group
// to the cancer user dictionary.
namespace orvelan {

class CUserCancerDlg : public CUserGroupDlg {
    Q_OBJECT
  public:
    explicit CUserCancerDlg(CUserGroupDictionary& groups, QWidget* parent = nullptr);

  protected:
    std::vector<int> tickedMembers(const SelectionList& selection) const override;
    void addMemberRow(int cancer) override;
};

} // namespace orvelan
