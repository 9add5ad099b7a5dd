#include "gui/graphs/wizard/GRoptBar.h"

#include "core/graphs/GraphTitles.h"
#include "gui/graphs/wizard/CColourButton.h"
#include "gui/graphs/wizard/CGphWizard.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace orvelan {

GRoptBar::GRoptBar(CGphWizard& wizard)
    : CGphLastPage(wizard, QStringLiteral("barChartOptions"), true) {
    QGroupBox* colours = makeColourBox();
    m_bars = new CColourButton(QStringLiteral("Bars"), colours);
    m_bars->setObjectName(QStringLiteral("barColour"));
    colourLayout()->addWidget(m_bars);
    auto* options = new QHBoxLayout;
    options->addWidget(colours);
    options->addStretch(1);
    setOptions(options);
}

int GRoptBar::backId() const {
    return settings().barChartType == BarChartType::Cancer ? CGphWizard::kRegistrySelection
                                                           : CGphWizard::kCancerSelection;
}

void GRoptBar::initializePage() {
    CGphLastPage::initializePage();
    m_text->bind(&settings().barText);
    m_background->bind(&settings().barBackground);
    m_bars->bind(&settings().barIncidence);
}

QString GRoptBar::defaultTitle() const {
    return QString::fromLatin1(defaultBarChartTitle(sheet().store(), settings()).c_str());
}

bool GRoptBar::store() {
    storeTitle();
    return true;
}

} // namespace orvelan
