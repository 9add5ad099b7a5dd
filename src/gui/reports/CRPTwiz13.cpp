#include "gui/reports/CRPTwiz13.h"

#include "graphics/CoreText.h"
#include "gui/data/CSelectionTree.h"
#include "gui/reports/CRptWizard.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orvelan {

CRPTwiz13::CRPTwiz13(CRptWizard& wizard) : CRptPage(wizard, QStringLiteral("standardTables")) {
    setFinalPage(true);
    m_tree = new CSelectionTree(TreeKind::Registry, CSelectionTree::Form::OneChoice, this);
    m_tree->setObjectName(QStringLiteral("registryTree"));
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("title"));
    auto* title = new QFormLayout;
    title->addRow(QStringLiteral("Title"), m_title);
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(m_tree->withFilter(), 1);
    layout->addLayout(title);
    connect(m_tree, &CSelectionTree::choiceChanged, this, &CRPTwiz13::registryChosen);
}

QString CRPTwiz13::wizardTitle() const {
    return choices().block.reportKind == static_cast<int>(ReportKind::StandardAgeSpecific)
               ? QStringLiteral("Standard VEK age-specific incidence table")
               : QStringLiteral("Standard VEK incidence table");
}

void CRPTwiz13::initializePage() {
    m_tree->setGroups(&sheet().registryGroups());
    m_tree->setChoice(choices().block.fixedRegistry);
    m_title->setText(QString::fromLatin1(choices().title)); // the data files' single bytes
}

void CRPTwiz13::registryChosen(int population) {
    m_title->setText(sheet().populationLabel(population, true).trimmed());
}

bool CRPTwiz13::store() {
    const int population = m_tree->currentValue();
    if (population < 0) {
        return false; // no registry: the page stays without a message
    }
    choices().block.fixedRegistry = population;
    choices().title = toCoreText(m_title->text());
    return true;
}

} // namespace orvelan
