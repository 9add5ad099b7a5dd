#include "gui/reports/CRPTwiz5.h"

#include "core/data/Validation.h"
#include "core/reports/SexPresets.h"
#include "graphics/CoreText.h"
#include "gui/reports/CRptWizard.h"
#include "gui/widgets/CAgeLabelSpin.h"
#include "gui/widgets/CMessages.h"
#include "gui/widgets/CSexBoxes.h"
#include "gui/widgets/RateKindBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orvelan {

namespace {

constexpr int kNumberOfCases = static_cast<int>(RateKind::NumberOfCases);

} // namespace

CRPTwiz5::CRPTwiz5(CRptWizard& wizard) : CRptPage(wizard, QStringLiteral("reportStep3")) {
    m_sexes = new CSexBoxes(this);
    auto* rates = new QGroupBox(QStringLiteral("Rate and age range"), this);
    m_rate = makeRateKindBox(rates);
    m_from = new CAgeLabelSpin(CAgeLabelSpin::Bound::From, rates);
    m_from->setObjectName(QStringLiteral("ageFrom"));
    m_to = new CAgeLabelSpin(CAgeLabelSpin::Bound::To, rates);
    m_to->setObjectName(QStringLiteral("ageTo"));
    auto* ratesLayout = new QFormLayout(rates);
    ratesLayout->addRow(m_rate);
    ratesLayout->addRow(QStringLiteral("From:"), m_from);
    ratesLayout->addRow(QStringLiteral("To:"), m_to);
    m_interval = new QCheckBox(QStringLiteral("95% confidence interval"), this);
    m_interval->setObjectName(QStringLiteral("interval"));
    m_cancers = new QPlainTextEdit(this);
    m_cancers->setObjectName(QStringLiteral("selectedCancers"));
    m_cancers->setReadOnly(true);

    auto* left = new QVBoxLayout;
    left->addWidget(m_sexes);
    left->addWidget(rates);
    left->addWidget(m_interval);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Selected cancers"), this));
    right->addWidget(m_cancers, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addLayout(columns, 1);
    addReasonLine(layout);
    connect(m_rate, &QComboBox::currentIndexChanged, this, &CRPTwiz5::rateChanged);
}

void CRPTwiz5::initializePage() {
    const ReportBlock& block = choices().block;
    presetSexes(*m_sexes, false);
    const int rate = block.rateKind >= 0 && block.rateKind < kRateKindCount ? block.rateKind : 1;
    m_rate->setCurrentIndex(rate);
    m_interval->setChecked(block.interval != 0);
    rateChanged(rate);
    m_from->setValue(block.ageFrom);
    m_to->setValue(block.ageTo);
    QString text;
    for (int cancer : selectedItems(choices().cancers)) {
        text += sheet().cancerLabel(cancer) + QLatin1Char('\n');
    }
    m_cancers->setPlainText(text);
}

void CRPTwiz5::rateChanged(int rateKind) {
    if (rateKind == kNumberOfCases) {
        m_interval->setChecked(false);
        m_interval->setEnabled(false);
    } else {
        m_interval->setEnabled(true);
    }
}

bool CRPTwiz5::store() {
    const int from = m_from->value();
    const int to = m_to->value();
    const int rate = m_rate->currentIndex();
    if (const auto problem = ValidateAgeRange(from, to, rate)) {
        CMessages::warning(this, fromCoreMessage(*problem));
        return false;
    }
    if (!sexesTicked(*m_sexes)) {
        return false;
    }
    ReportBlock& block = choices().block;
    block.interval = m_interval->isChecked() ? 1 : 0;
    block.ageFrom = from;
    block.ageTo = to;
    block.rateKind = rate;
    block.setSexes(m_sexes->male(), m_sexes->female());
    return true;
}

} // namespace orvelan
