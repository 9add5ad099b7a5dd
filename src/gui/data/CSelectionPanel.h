#pragma once

#include "gui/data/CSelectionTree.h"

#include <QWidget>

class QToolButton;

// A multiple-choice selection tree with its picture buttons: "Clear selection", "Select all
// registries" or "Select all cancers", and (cancers) "Select ICD-10 rubrics". Every wizard page
// that ticks registries or cancers is built on it.
namespace orvelan {

class CSelectionPanel : public QWidget {
    Q_OBJECT
  public:
    enum Button { ClearButton = 1, SelectAllButton = 2, Icd10Button = 4 };

    /// buttons: an OR of Button values (the ICD-10 button only on cancer panels).
    CSelectionPanel(TreeKind kind, int buttons, QWidget* parent = nullptr);

    CSelectionTree* tree() const { return m_tree; }
    /// Sets the groups and the list and builds the tree.
    void load(const CUserGroupDictionary* groups, const SelectionList& list);
    const SelectionList& selection() const { return m_tree->selection(); }

  private:
    QToolButton* addButton(const char* objectName, const QString& tip, const QIcon& icon);

    CSelectionTree* m_tree = nullptr;
    QWidget* m_buttonBar = nullptr;
};

} // namespace orvelan
