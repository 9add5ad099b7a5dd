#pragma once

#include "gui/reports/CRptPage.h"

#include <array>

class QRadioButton;

namespace orvelan {

/// Report kind: three reports, the template list and two standard tables.
class CRPTwiz0 : public CRptPage {
    Q_OBJECT
  public:
    explicit CRPTwiz0(CRptWizard& wizard);

    QString wizardTitle() const override { return QStringLiteral("Report/Table wizard"); }
    void initializePage() override;
    bool store() override;
    int nextId() const override;

    QRadioButton* kindButton(int kind) const { return m_kinds[static_cast<std::size_t>(kind)]; }

  private:
    int checkedKind() const;

    std::array<QRadioButton*, 6> m_kinds{};
};

} // namespace orvelan
