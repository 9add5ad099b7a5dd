#include "gui/reports/CFixChoicePage.h"

#include "gui/data/CSelectionTree.h"
#include "gui/reports/CRptWizard.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

CFixChoicePage::CFixChoicePage(CRptWizard& wizard, const QString& role) : CRptPage(wizard, role) {
    auto* select = new QGroupBox(QStringLiteral("Select"), this);
    m_cancer = new QRadioButton(QStringLiteral("Cancer"), select);
    m_cancer->setObjectName(QStringLiteral("fixCancer"));
    m_registry = new QRadioButton(QStringLiteral("Registry"), select);
    m_registry->setObjectName(QStringLiteral("fixRegistry"));
    auto* selectLayout = new QVBoxLayout(select);
    selectLayout->addWidget(m_cancer);
    selectLayout->addWidget(m_registry);
    selectLayout->addStretch(1);

    m_cancerTree = new CSelectionTree(TreeKind::Cancer, CSelectionTree::Form::OneChoice, this);
    m_cancerTree->setObjectName(QStringLiteral("cancerTree"));
    m_registryTree = new CSelectionTree(TreeKind::Registry, CSelectionTree::Form::OneChoice, this);
    m_registryTree->setObjectName(QStringLiteral("registryTree"));

    auto* layout = new QHBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(select);
    layout->addWidget(m_cancerTree->withFilter(), 1);
    layout->addWidget(m_registryTree->withFilter(), 1);
    connect(m_cancer, &QRadioButton::toggled, this, &CFixChoicePage::showTree);
}

void CFixChoicePage::initializePage() {
    const ReportBlock& block = choices().block;
    m_cancerTree->setGroups(&sheet().cancerGroups());
    m_cancerTree->setChoice(block.fixedCancer);
    m_registryTree->setGroups(&sheet().registryGroups());
    m_registryTree->setChoice(block.fixedRegistry);
    (block.arrangement != 0 ? m_cancer : m_registry)->setChecked(true);
    showTree();
}

void CFixChoicePage::showTree() {
    const bool cancer = m_cancer->isChecked();
    m_cancerTree->pane()->setVisible(cancer);
    m_cancerTree->setEnabled(cancer);
    m_registryTree->pane()->setVisible(!cancer);
    m_registryTree->setEnabled(!cancer);
}

bool CFixChoicePage::store() {
    const bool cancer = m_cancer->isChecked();
    const int value = (cancer ? m_cancerTree : m_registryTree)->currentValue();
    if (value < 0) {
        return false; // no choice: the page stays without a message
    }
    ReportBlock& block = choices().block;
    (cancer ? block.fixedCancer : block.fixedRegistry) = value;
    block.arrangement = cancer ? 1 : 0;
    return true;
}

int CFixChoicePage::nextId() const {
    return m_cancer->isChecked() ? CRptWizard::kRegistryPage : CRptWizard::kCancerPage;
}

} // namespace orvelan
