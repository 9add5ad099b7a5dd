#include "gui/reports/CRPTwiz10.h"

#include "core/data/CIncidenceStore.h"
#include "core/data/Validation.h"
#include "graphics/CoreText.h"
#include "gui/reports/CRptWizard.h"
#include "gui/widgets/CAgeLabelSpin.h"
#include "gui/widgets/CMessages.h"
#include "gui/widgets/CSexBoxes.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvelan {

CRPTwiz10::CRPTwiz10(CRptWizard& wizard) : CRptPage(wizard, QStringLiteral("summaryStep3")) {
    setFinalPage(true);
    auto* ages = new QGroupBox(QStringLiteral("Age range"), this);
    m_from = new CAgeLabelSpin(CAgeLabelSpin::Bound::From, ages);
    m_from->setObjectName(QStringLiteral("ageFrom"));
    m_to = new CAgeLabelSpin(CAgeLabelSpin::Bound::To, ages);
    m_to->setObjectName(QStringLiteral("ageTo"));
    auto* agesLayout = new QFormLayout(ages);
    agesLayout->addRow(QStringLiteral("From:"), m_from);
    agesLayout->addRow(QStringLiteral("To:"), m_to);
    m_interval = new QCheckBox(QStringLiteral("95% confidence interval"), this);
    m_interval->setObjectName(QStringLiteral("interval"));
    m_sexes = new CSexBoxes(this);
    QPushButton* save = CWizardBase::templateButton(this, QStringLiteral("report"));

    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(ages);
    layout->addWidget(m_interval);
    layout->addWidget(m_sexes);
    layout->addStretch(1);
    layout->addWidget(save);
    addReasonLine(layout);
    connect(save, &QPushButton::clicked, this, [this] { sheet().saveTemplate(*this, false); });
}

void CRPTwiz10::initializePage() {
    const ReportBlock& block = choices().block;
    m_from->setValue(block.ageFrom);
    m_to->setValue(block.ageTo);
    m_interval->setChecked(block.interval != 0);
    presetSexes(*m_sexes, block.arrangement != 0);
}

bool CRPTwiz10::registryRangeFits(int from, int to) {
    ReportBlock& block = choices().block;
    if (to < from) {
        CMessages::warning(this, fromCoreText(kInvalidAgeRange));
        return false;
    }
    CIncidenceStore& store = sheet().store();
    // A range that ends inside the population's open top class cannot be computed.
    if (store.load(block.fixedRegistry, 0, Sex::Male) &&
        rangeEndsInOpenTopClass(to, store.lastAgeGroup())) {
        CMessages::error(this, QStringLiteral("Selected population and age range are not "
                                              "compatible.\r\nCheck population figures."));
        return false;
    }
    return true;
}

bool CRPTwiz10::store() {
    const int from = m_from->value();
    const int to = m_to->value();
    if (!sexesTicked(*m_sexes)) {
        return false;
    }
    ReportBlock& block = choices().block;
    if (block.arrangement == 0) {
        if (!registryRangeFits(from, to)) {
            return false;
        }
    } else if (const auto problem = ValidateSelection(from, to, block.fixedCancer, m_sexes->male(),
                                                      sheet().cancerGroups())) {
        CMessages::warning(this, fromCoreMessage(*problem));
        return false;
    }
    block.interval = m_interval->isChecked() ? 1 : 0;
    block.setSexes(m_sexes->male(), m_sexes->female(), 2);
    block.ageFrom = from;
    block.ageTo = to;
    return true;
}

} // namespace orvelan
