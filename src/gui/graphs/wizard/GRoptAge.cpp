#include "gui/graphs/wizard/GRoptAge.h"

#include "core/graphs/GraphTitles.h"
#include "gui/graphs/wizard/CColourButton.h"
#include "gui/graphs/wizard/CGphWizard.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

GRoptAge::GRoptAge(CGphWizard& wizard)
    : CGphLastPage(wizard, QStringLiteral("ageSpecificOptions"), true) {
    auto* thickness = new QGroupBox(QStringLiteral("Line thickness"), this);
    m_thin = new QRadioButton(QStringLiteral("Thin"), thickness);
    m_thin->setObjectName(QStringLiteral("thin"));
    m_thick = new QRadioButton(QStringLiteral("Thick"), thickness);
    m_thick->setObjectName(QStringLiteral("thick"));
    auto* thicknessLayout = new QVBoxLayout(thickness);
    thicknessLayout->addWidget(m_thin);
    thicknessLayout->addWidget(m_thick);

    auto* symbol = new QGroupBox(QStringLiteral("Line symbol"), this);
    m_symbol = new QComboBox(symbol);
    m_symbol->setObjectName(QStringLiteral("symbol"));
    m_symbol->addItems({QStringLiteral("(none)"), QStringLiteral(" +"), QStringLiteral(" x")});
    (new QVBoxLayout(symbol))->addWidget(m_symbol);

    QGroupBox* colours = makeColourBox();

    auto* options = new QHBoxLayout;
    options->addWidget(thickness);
    options->addWidget(symbol, 0, Qt::AlignTop);
    options->addWidget(colours);
    setOptions(options);

    // The thickness is taken at once, as the colours are.
    connect(m_thick, &QRadioButton::toggled, this,
            [this](bool thick) { settings().lineThickness = thick ? 1 : 0; });
}

int GRoptAge::backId() const { return CGphWizard::kAgeSpecific1; }

void GRoptAge::initializePage() {
    CGphLastPage::initializePage();
    const GraphSettings& s = settings();
    (s.lineThickness == 1 ? m_thick : m_thin)->setChecked(true);
    m_symbol->setCurrentIndex(s.lineSymbol >= 0 && s.lineSymbol <= 2 ? s.lineSymbol : 0);
    m_text->bind(&settings().ageText);
    m_background->bind(&settings().ageBackground);
}

QString GRoptAge::defaultTitle() const {
    return QString::fromLatin1(defaultAgeCurvesTitle(sheet().store(), settings()).c_str());
}

bool GRoptAge::store() {
    storeTitle();
    settings().lineSymbol = m_symbol->currentIndex();
    return true;
}

} // namespace orvelan
