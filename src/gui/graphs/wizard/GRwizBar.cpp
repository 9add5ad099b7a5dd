#include "gui/graphs/wizard/GRwizBar.h"

#include "core/graphs/GraphWizardRules.h"
#include "graphics/CoreText.h"
#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CAgeLabelSpin.h"
#include "gui/widgets/CMessages.h"
#include "gui/widgets/CStateImages.h"
#include "gui/widgets/RateKindBox.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

namespace {

QRadioButton* radio(QWidget* parent, const QString& text, const char* name) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

GRwizBar::GRwizBar(CGphWizard& wizard) : CGphPage(wizard, QStringLiteral("barChartKind")) {
    using Picture = CStateImages::ButtonPicture;
    auto* select = new QGroupBox(QStringLiteral("Select"), this);
    m_cancer = radio(select, QStringLiteral("Cancer"), "cancerChart");
    m_cancer->setIcon(CStateImages::buttonIcon(Picture::SelectAllCancers));
    m_registry = radio(select, QStringLiteral("Registry"), "registryChart");
    m_registry->setIcon(CStateImages::buttonIcon(Picture::SelectAllRegistries));
    auto* selectLayout = new QVBoxLayout(select);
    selectLayout->addWidget(m_cancer);
    selectLayout->addWidget(m_registry);

    auto* sex = new QGroupBox(QStringLiteral("Sex"), this);
    m_male = radio(sex, QStringLiteral("Male"), "male");
    m_female = radio(sex, QStringLiteral("Female"), "female");
    auto* sexLayout = new QVBoxLayout(sex);
    sexLayout->addWidget(m_male);
    sexLayout->addWidget(m_female);

    auto* rateBox = new QGroupBox(QStringLiteral("Rate and age range"), this);
    m_rate = makeRateKindBox(rateBox);
    m_from = new CAgeLabelSpin(CAgeLabelSpin::Bound::From, rateBox);
    m_from->setObjectName(QStringLiteral("ageFrom"));
    m_to = new CAgeLabelSpin(CAgeLabelSpin::Bound::To, rateBox);
    m_to->setObjectName(QStringLiteral("ageTo"));
    auto* rateLayout = new QFormLayout(rateBox);
    rateLayout->addRow(QStringLiteral("Rate:"), m_rate);
    rateLayout->addRow(QStringLiteral("From:"), m_from);
    rateLayout->addRow(QStringLiteral("To:"), m_to);

    auto* left = new QVBoxLayout;
    left->addWidget(select);
    left->addWidget(sex);
    left->addStretch(1);
    auto* layout = new QHBoxLayout;
    layout->addLayout(left);
    layout->addWidget(rateBox, 1, Qt::AlignTop);
    setContent(layout);
}

int GRwizBar::backId() const { return CGphWizard::kKindPage; }

void GRwizBar::initializePage() {
    const GraphSettings& s = settings();
    m_rate->setCurrentIndex(indexOf(isRateKind(s.rateKind) ? s.rateKind : RateKind::AsrWorld));
    (s.barChartType == BarChartType::Cancer ? m_cancer : m_registry)->setChecked(true);
    (s.sex == Sex::Male ? m_male : m_female)->setChecked(true);
    m_from->setValue(s.ageFrom);
    m_to->setValue(s.ageTo);
}

bool GRwizBar::store() {
    GraphSettings chosen = settings();
    chosen.kind = GraphKind::BarChart;
    chosen.ageFrom = m_from->value();
    chosen.ageTo = m_to->value();
    chosen.sex = m_male->isChecked() ? Sex::Male : Sex::Female;
    chosen.barChartType = m_cancer->isChecked() ? BarChartType::Cancer : BarChartType::Registry;
    chosen.rateKind = static_cast<RateKind>(m_rate->currentIndex());
    GraphSettings checked = chosen;
    checked.cancer = -1; // chosen on the next page, and checked there
    if (const auto problem = validateGraphSettings(checked, sheet().cancerGroups())) {
        CMessages::warning(this, fromCoreMessage(*problem));
        return false;
    }
    settings() = chosen;
    return true;
}

int GRwizBar::nextId() const {
    return m_cancer->isChecked() ? CGphWizard::kCancerChoice : CGphWizard::kRegistryChoice;
}

} // namespace orvelan
