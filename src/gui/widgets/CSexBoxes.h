#pragma once

#include "core/reports/SexPresets.h"

#include <QGroupBox>

class QCheckBox;

// "Sexes" with "Male" and "Female", preset from the sheet and from the chosen cancers.
namespace orvelan {

class CSexBoxes : public QGroupBox {
    Q_OBJECT
  public:
    explicit CSexBoxes(QWidget* parent);

    /// Ticks from the block, both enabled, then a sex in which no chosen cancer occurs is
    /// cleared and disabled and the other one ticked.
    void preset(bool male, bool female, const SexPreset& preset);
    bool male() const;
    bool female() const;
    bool any() const { return male() || female(); }

    QCheckBox* maleBox() const { return m_male; }
    QCheckBox* femaleBox() const { return m_female; }

  private:
    QCheckBox* m_male = nullptr;
    QCheckBox* m_female = nullptr;
};

} // namespace orvelan
