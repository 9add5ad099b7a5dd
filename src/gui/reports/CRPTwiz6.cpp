#include "gui/reports/CRPTwiz6.h"

#include "gui/reports/CRptWizard.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

CRPTwiz6::CRPTwiz6(CRptWizard& wizard) : CRptPage(wizard, QStringLiteral("reportStep4")) {
    auto* rows = new QGroupBox(QStringLiteral("Rows arranged by"), this);
    m_cancerSex = new QRadioButton(QStringLiteral("Cancer/sex"), rows);
    m_cancerSex->setObjectName(QStringLiteral("rowsCancerSex"));
    m_registry = new QRadioButton(QStringLiteral("Registry"), rows);
    m_registry->setObjectName(QStringLiteral("rowsRegistry"));
    auto* rowsLayout = new QVBoxLayout(rows);
    rowsLayout->addWidget(m_cancerSex);
    rowsLayout->addWidget(m_registry);
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(rows);
    layout->addStretch(1);
}

void CRPTwiz6::initializePage() {
    (choices().block.arrangement != 0 ? m_cancerSex : m_registry)->setChecked(true);
}

bool CRPTwiz6::store() {
    choices().block.arrangement = m_cancerSex->isChecked() ? 1 : 0;
    return true;
}

} // namespace orvelan
