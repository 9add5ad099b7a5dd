#include "gui/graphs/wizard/GrWizAge.h"

#include "core/data/CUserGroupDictionary.h"
#include "core/data/Validation.h"
#include "core/graphs/GraphWizardRules.h"
#include "graphics/CoreText.h"
#include "gui/data/CSelectionTree.h"
#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CMessages.h"
#include "gui/widgets/CSexBoxes.h"
#include "gui/widgets/CStateImages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvelan {

namespace {

QToolButton* clearButton(QWidget* parent, const char* name, const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    button->setIcon(CStateImages::buttonIcon(CStateImages::ButtonPicture::Clear));
    button->setIconSize(QSize(20, 20));
    return button;
}

} // namespace

GrWizAge::GrWizAge(CGphWizard& wizard) : CGphPage(wizard, QStringLiteral("ageSpecificCurves")) {
    m_sexes = new CSexBoxes(this);
    auto* curves = new QGroupBox(QStringLiteral("Selected curves"), this);
    m_count = new QLabel(QStringLiteral("0"), curves);
    m_count->setObjectName(QStringLiteral("curveCount"));
    m_count->setAlignment(Qt::AlignCenter);
    QFont countFont = m_count->font();
    countFont.setBold(true);
    countFont.setPointSize(countFont.pointSize() + 4);
    m_count->setFont(countFont);
    (new QVBoxLayout(curves))->addWidget(m_count);

    m_cancers = new CSelectionTree(TreeKind::Cancer, CSelectionTree::Form::Multiple, this);
    m_cancers->setObjectName(QStringLiteral("cancerTree"));
    m_cancers->setRootText(CGphWizard::cancerRootText());
    m_registries = new CSelectionTree(TreeKind::Registry, CSelectionTree::Form::Multiple, this);
    m_registries->setObjectName(QStringLiteral("registryTree"));
    QToolButton* clearRegistries =
        clearButton(this, "clearRegistries", QStringLiteral("Clear the selection of registries"));
    QToolButton* clearCancers =
        clearButton(this, "clearCancers", QStringLiteral("Clear the selection of cancers"));

    auto* side = new QVBoxLayout;
    side->addWidget(m_sexes);
    side->addWidget(curves);
    side->addStretch(1);
    auto* layout = new QGridLayout;
    layout->addLayout(side, 0, 0, 2, 1);
    layout->addWidget(m_cancers->withFilter(), 0, 1);
    layout->addWidget(clearCancers, 1, 1, Qt::AlignLeft);
    layout->addWidget(m_registries->withFilter(), 0, 2);
    layout->addWidget(clearRegistries, 1, 2, Qt::AlignLeft);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);
    setContent(layout);

    connect(clearRegistries, &QToolButton::clicked, m_registries, &CSelectionTree::clearAll);
    connect(clearCancers, &QToolButton::clicked, m_cancers, &CSelectionTree::clearAll);
    connect(m_cancers, &CSelectionTree::selectionChanged, this, &GrWizAge::refreshCount);
    connect(m_registries, &CSelectionTree::selectionChanged, this, &GrWizAge::refreshCount);
    connect(m_sexes->maleBox(), &QCheckBox::toggled, this, &GrWizAge::refreshCount);
    connect(m_sexes->femaleBox(), &QCheckBox::toggled, this, &GrWizAge::refreshCount);
}

int GrWizAge::backId() const { return CGphWizard::kKindPage; }

void GrWizAge::initializePage() {
    const GraphSettings& s = settings();
    m_sexes->preset(s.sex != Sex::Female, s.sex != Sex::Male, SexPreset{});
    if (m_builtAtLoad != sheet().templateLoads()) {
        // The page's own lists start from the settings, and again after a template load.
        m_cancers->setGroups(&sheet().cancerGroups());
        m_cancers->setSelection(s.cancers);
        m_registries->setGroups(&sheet().registryGroups());
        m_registries->setSelection(s.registries);
        m_builtAtLoad = sheet().templateLoads();
    }
    refreshCount();
}

int GrWizAge::curves() const {
    return curveCount(m_registries->selection(), m_cancers->selection(), m_sexes->male(),
                      m_sexes->female(), sheet().cancerGroups());
}

void GrWizAge::refreshCount() { m_count->setText(QString::number(curves())); }

bool GrWizAge::store() {
    if (const auto problem = ValidateItemCount(curves(), kMaxCurves)) {
        CMessages::warning(this, fromCoreMessage(*problem));
        return false;
    }
    GraphSettings& s = settings();
    s.sex = ageSpecificSex(m_sexes->male(), m_sexes->female());
    s.registries = m_registries->selection();
    s.cancers = m_cancers->selection();
    return true;
}

int GrWizAge::nextId() const { return CGphWizard::kAgeSpecific2; }

} // namespace orvelan
