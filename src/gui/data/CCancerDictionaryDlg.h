#pragma once

#include "gui/data/CDictionaryDlg.h"

#include <vector>

// "Cancer dictionary": the compiled cancers and the user cancer groups in a tree; the list at
// its right shows the chosen cancer, or a group's members, with their sexes and codes.
namespace orvelan {

class CCancerDictionaryDlg : public CDictionaryDlg {
    Q_OBJECT
  public:
    explicit CCancerDictionaryDlg(CUserGroupDictionary& groups, QWidget* parent = nullptr);

  protected:
    void describe(int value, int group) override;
    bool runAddDialog() override;

  private:
    void listCancers(const std::vector<int>& cancers);
};

} // namespace orvelan
