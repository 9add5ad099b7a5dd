#include "gui/graphs/wizard/GRoptPie.h"

#include "core/graphs/GraphTitles.h"
#include "core/graphs/GraphWizardRules.h"
#include "gui/graphs/wizard/CColourButton.h"
#include "gui/graphs/wizard/CGphWizard.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvelan {

namespace {

/// The sector count shown as "%2d".
class CSliceSpin : public QSpinBox {
  public:
    CSliceSpin(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
        // Set here, where the own text form is already in effect.
        setRange(minimum, maximum);
    }

  protected:
    QString textFromValue(int value) const override { return QStringLiteral("%1").arg(value, 2); }
    int valueFromText(const QString& text) const override { return text.trimmed().toInt(); }
    QValidator::State validate(QString& text, int& /*pos*/) const override {
        const QString digits = text.trimmed();
        if (digits.isEmpty()) {
            return QValidator::Intermediate;
        }
        bool isNumber = false;
        const int value = digits.toInt(&isNumber);
        if (!isNumber || digits.size() > 8) {
            return QValidator::Invalid;
        }
        return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                        : QValidator::Intermediate;
    }
};

} // namespace

GRoptPie::GRoptPie(CGphWizard& wizard)
    : CGphLastPage(wizard, QStringLiteral("pieChartOptions"), false) {
    auto* sectors = new QGroupBox(QStringLiteral("Sectors"), this);
    m_slices = new CSliceSpin(kMinPieSlices, kMaxPieSlices, sectors);
    m_slices->setObjectName(QStringLiteral("slices"));
    (new QVBoxLayout(sectors))->addWidget(m_slices);

    QGroupBox* colours = makeColourBox();

    auto* options = new QHBoxLayout;
    options->addWidget(sectors, 0, Qt::AlignTop);
    options->addWidget(colours);
    options->addStretch(1);
    setOptions(options);
}

int GRoptPie::backId() const { return CGphWizard::kPie1; }

void GRoptPie::initializePage() {
    CGphLastPage::initializePage();
    // A count outside 5..11 from an edited settings file shows as the nearest allowed one.
    m_slices->setValue(settings().sliceCount);
    m_text->bind(&settings().pieText);
    m_background->bind(&settings().pieBackground);
}

QString GRoptPie::defaultTitle() const {
    return QString::fromLatin1(defaultPieChartTitle(sheet().store(), settings()).c_str());
}

bool GRoptPie::store() {
    storeTitle();
    m_slices->interpretText();
    settings().sliceCount = m_slices->value();
    return true;
}

} // namespace orvelan
