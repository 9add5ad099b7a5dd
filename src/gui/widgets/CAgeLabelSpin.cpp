#include "gui/widgets/CAgeLabelSpin.h"

#include "core/data/Codes.h"

#include <QLineEdit>

namespace orvelan {

CAgeLabelSpin::CAgeLabelSpin(Bound bound, QWidget* parent) : QSpinBox(parent), m_bound(bound) {
    setRange(0, kTopAgeGroup);
    setWrapping(false);
    lineEdit()->setReadOnly(true);
    // As wide as its widest label: stretched across a page, its arrows would sit far from it.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QString CAgeLabelSpin::textFromValue(int value) const {
    const std::string_view label = m_bound == Bound::From ? lowerLabel(value) : upperLabel(value);
    return QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
}

int CAgeLabelSpin::valueFromText(const QString& text) const {
    for (int group = 0; group <= kTopAgeGroup; ++group) {
        if (textFromValue(group).trimmed() == text.trimmed()) {
            return group;
        }
    }
    return 0;
}

QValidator::State CAgeLabelSpin::validate(QString& /*text*/, int& /*pos*/) const {
    return QValidator::Acceptable;
}

} // namespace orvelan
