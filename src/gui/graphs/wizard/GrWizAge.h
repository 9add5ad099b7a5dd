#pragma once

#include "gui/graphs/wizard/CGphPage.h"

class QLabel;

namespace orvelan {

class CSelectionTree;
class CSexBoxes;

/// Age-specific curves 1/2: the sexes, a cancer tree and a registry tree, and the live count of
/// the curves they give (at most ten).
class GrWizAge : public CGphPage {
    Q_OBJECT
  public:
    static constexpr int kMaxCurves = 10;

    explicit GrWizAge(CGphWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Age-specific curves (1/2)"); }
    int backId() const override;
    void initializePage() override;
    bool store() override;
    int nextId() const override;

  private:
    int curves() const;
    void refreshCount();

    CSexBoxes* m_sexes = nullptr;
    CSelectionTree* m_cancers = nullptr;
    CSelectionTree* m_registries = nullptr;
    QLabel* m_count = nullptr;
    int m_builtAtLoad = -1; // template loads seen when the trees were last built
};

} // namespace orvelan
