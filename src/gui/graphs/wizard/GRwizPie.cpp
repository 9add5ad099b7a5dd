#include "gui/graphs/wizard/GRwizPie.h"

#include "core/graphs/GraphWizardRules.h"
#include "graphics/CoreText.h"
#include "gui/data/CSelectionTree.h"
#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CAgeLabelSpin.h"
#include "gui/widgets/CMessages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

GRwizPie::GRwizPie(CGphWizard& wizard) : CGphPage(wizard, QStringLiteral("pieChartChoice")) {
    auto* ages = new QGroupBox(QStringLiteral("Age range"), this);
    m_from = new CAgeLabelSpin(CAgeLabelSpin::Bound::From, ages);
    m_from->setObjectName(QStringLiteral("ageFrom"));
    m_to = new CAgeLabelSpin(CAgeLabelSpin::Bound::To, ages);
    m_to->setObjectName(QStringLiteral("ageTo"));
    auto* ageLayout = new QFormLayout(ages);
    ageLayout->addRow(QStringLiteral("From:"), m_from);
    ageLayout->addRow(QStringLiteral("To:"), m_to);

    auto* sex = new QGroupBox(QStringLiteral("Sex"), this);
    m_male = new QRadioButton(QStringLiteral("Male"), sex);
    m_male->setObjectName(QStringLiteral("male"));
    m_female = new QRadioButton(QStringLiteral("Female"), sex);
    m_female->setObjectName(QStringLiteral("female"));
    auto* sexLayout = new QVBoxLayout(sex);
    sexLayout->addWidget(m_male);
    sexLayout->addWidget(m_female);

    m_tree = new CSelectionTree(TreeKind::Registry, CSelectionTree::Form::OneChoice, this);
    m_tree->setObjectName(QStringLiteral("registryTree"));

    auto* left = new QVBoxLayout;
    left->addWidget(ages);
    left->addWidget(sex);
    left->addStretch(1);
    auto* layout = new QHBoxLayout;
    layout->addLayout(left);
    layout->addWidget(m_tree->withFilter(), 1);
    setContent(layout);
}

int GRwizPie::backId() const { return CGphWizard::kKindPage; }

void GRwizPie::initializePage() {
    const GraphSettings& s = settings();
    m_from->setValue(s.ageFrom);
    m_to->setValue(s.ageTo);
    (s.sex == Sex::Female ? m_female : m_male)->setChecked(true);
    m_tree->setGroups(&sheet().registryGroups());
    m_tree->setChoice(s.population);
}

bool GRwizPie::store() {
    const int from = m_from->value();
    const int to = m_to->value();
    GraphSettings range;
    range.kind = GraphKind::PieChart;
    range.ageFrom = from;
    range.ageTo = to;
    if (const auto problem = validateGraphSettings(range, sheet().cancerGroups())) {
        CMessages::warning(this, fromCoreMessage(*problem));
        return false;
    }
    const int population = m_tree->currentValue();
    if (population < 0) {
        refuseQuietly(QStringLiteral("Choose one registry; a heading cannot be chosen."));
        return false;
    }
    GraphSettings& s = settings();
    s.ageFrom = from;
    s.ageTo = to;
    s.population = population;
    s.sex = m_male->isChecked() ? Sex::Male : Sex::Female;
    return true;
}

int GRwizPie::nextId() const { return CGphWizard::kPie2; }

} // namespace orvelan
