#include "gui/reports/CRPTwiz11.h"

#include "core/data/Validation.h"
#include "graphics/CoreText.h"
#include "gui/reports/CRptWizard.h"
#include "gui/widgets/CMessages.h"
#include "gui/widgets/CSexBoxes.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvelan {

CRPTwiz11::CRPTwiz11(CRptWizard& wizard) : CRptPage(wizard, QStringLiteral("ageSpecificStep3")) {
    setFinalPage(true);
    m_sexes = new CSexBoxes(this);
    m_data = new QComboBox(this);
    m_data->setObjectName(QStringLiteral("data"));
    m_data->addItems({QStringLiteral("Numbers"), QStringLiteral("Rates")});
    QPushButton* save = CWizardBase::templateButton(this, QStringLiteral("report"));
    auto* dataRow = new QFormLayout;
    dataRow->addRow(QStringLiteral("Data"), m_data);

    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(m_sexes);
    layout->addLayout(dataRow);
    layout->addStretch(1);
    layout->addWidget(save);
    addReasonLine(layout);
    connect(save, &QPushButton::clicked, this, [this] { sheet().saveTemplate(*this, false); });
}

void CRPTwiz11::initializePage() {
    const ReportBlock& block = choices().block;
    m_data->setCurrentIndex(block.interval != 0 ? 1 : 0);
    presetSexes(*m_sexes, block.arrangement != 0);
}

bool CRPTwiz11::store() {
    if (!sexesTicked(*m_sexes)) {
        return false;
    }
    ReportBlock& block = choices().block;
    if (block.arrangement != 0) {
        if (const auto problem = ValidateSelection(0, kTopAgeGroup, block.fixedCancer,
                                                   m_sexes->male(), sheet().cancerGroups())) {
            CMessages::warning(this, fromCoreMessage(*problem));
            return false;
        }
    }
    block.interval = m_data->currentIndex();
    block.setSexes(m_sexes->male(), m_sexes->female());
    return true;
}

} // namespace orvelan
