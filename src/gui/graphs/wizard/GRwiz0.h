#pragma once

#include "gui/graphs/wizard/CGphPage.h"

namespace orvelan {

class CKindChoice;

/// Graph kind: the four graph kinds and "Use a template" (disabled while the templates folder
/// holds no .GPH file).
class GRwiz0 : public CGphPage {
    Q_OBJECT
  public:
    explicit GRwiz0(CGphWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Graphic wizard"); }
    int backId() const override { return -1; }
    void initializePage() override;
    bool store() override;
    int nextId() const override;

  private:
    CKindChoice* m_kinds;
};

} // namespace orvelan
