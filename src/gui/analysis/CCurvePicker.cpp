#include "gui/analysis/CCurvePicker.h"

#include "gui/data/CSelectionTree.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

CCurvePicker::CCurvePicker(QWidget* parent) : QWidget(parent) {
    m_registries = new CSelectionTree(TreeKind::Registry, CSelectionTree::Form::OneChoice, this);
    m_registries->setObjectName(QStringLiteral("registryTree"));
    m_cancers = new CSelectionTree(TreeKind::Cancer, CSelectionTree::Form::OneChoice, this);
    m_cancers->setObjectName(QStringLiteral("cancerTree"));

    auto* sex = new QGroupBox(QStringLiteral("Sex"), this);
    m_male = new QRadioButton(QStringLiteral("Male"), sex);
    m_male->setObjectName(QStringLiteral("male"));
    m_female = new QRadioButton(QStringLiteral("Female"), sex);
    m_female->setObjectName(QStringLiteral("female"));
    auto* sexLayout = new QVBoxLayout(sex);
    sexLayout->addWidget(m_male);
    sexLayout->addWidget(m_female);

    auto* trees = new QHBoxLayout;
    trees->addWidget(m_registries->withFilter(), 1);
    trees->addWidget(m_cancers->withFilter(), 1);
    m_bottom = new QHBoxLayout;
    m_bottom->addWidget(sex);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(trees, 1);
    layout->addLayout(m_bottom);
}

void CCurvePicker::load(const CUserGroupDictionary* registryGroups,
                        const CUserGroupDictionary* cancerGroups, int population, int cancer,
                        Sex sex) {
    m_registries->setGroups(registryGroups);
    m_registries->setChoice(population);
    m_cancers->setGroups(cancerGroups);
    m_cancers->setChoice(cancer);
    (sex == Sex::Female ? m_female : m_male)->setChecked(true);
}

int CCurvePicker::population() const { return m_registries->currentValue(); }

int CCurvePicker::cancer() const { return m_cancers->currentValue(); }

Sex CCurvePicker::sex() const { return m_female->isChecked() ? Sex::Female : Sex::Male; }

} // namespace orvelan
