#include "gui/widgets/CSexBoxes.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace orvelan {

CSexBoxes::CSexBoxes(QWidget* parent) : QGroupBox(QStringLiteral("Sexes"), parent) {
    m_male = new QCheckBox(QStringLiteral("Male"), this);
    m_male->setObjectName(QStringLiteral("male"));
    m_female = new QCheckBox(QStringLiteral("Female"), this);
    m_female->setObjectName(QStringLiteral("female"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_male);
    layout->addWidget(m_female);
}

void CSexBoxes::preset(bool male, bool female, const SexPreset& preset) {
    m_male->setEnabled(true);
    m_female->setEnabled(true);
    m_male->setChecked(male);
    m_female->setChecked(female);
    if (preset.femaleDisabled) {
        m_female->setChecked(false);
        m_female->setEnabled(false);
        m_male->setChecked(true);
    }
    if (preset.maleDisabled) {
        m_male->setChecked(false);
        m_male->setEnabled(false);
        m_female->setChecked(true);
    }
}

bool CSexBoxes::male() const { return m_male->isChecked(); }

bool CSexBoxes::female() const { return m_female->isChecked(); }

} // namespace orvelan
