#pragma once

#include "core/data/Codes.h"

#include <QWidget>

class QHBoxLayout;
class QRadioButton;

// One curve as the statistics wizard picks it: a population and a cancer, each in a
// one-choice tree, and the sex ("Male" or "Female").
namespace orvelan {

class CSelectionTree;
class CUserGroupDictionary;

class CCurvePicker : public QWidget {
    Q_OBJECT
  public:
    explicit CCurvePicker(QWidget* parent = nullptr);

    /// Builds both trees with the groups and the preselected items.
    void load(const CUserGroupDictionary* registryGroups, const CUserGroupDictionary* cancerGroups,
              int population, int cancer, Sex sex);
    /// The chosen population and cancer numbers; -1 when none is chosen.
    int population() const;
    int cancer() const;
    /// 0 male, 1 female.
    Sex sex() const;

    CSelectionTree* registryTree() const { return m_registries; }
    CSelectionTree* cancerTree() const { return m_cancers; }
    /// The place below the trees where a page adds its own controls beside the sex boxes.
    QHBoxLayout* bottomRow() const { return m_bottom; }

  private:
    CSelectionTree* m_registries = nullptr;
    CSelectionTree* m_cancers = nullptr;
    QRadioButton* m_male = nullptr;
    QRadioButton* m_female = nullptr;
    QHBoxLayout* m_bottom = nullptr;
};

} // namespace orvelan
