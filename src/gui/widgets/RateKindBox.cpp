#include "gui/widgets/RateKindBox.h"

#include "core/data/Codes.h"

#include <QComboBox>
#include <string_view>

namespace orvelan {

QComboBox* makeRateKindBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("rateKind"));
    for (int kind = 0; kind < kRateKindCount; ++kind) {
        const std::string_view label = rateKindLabel(kind);
        box->addItem(QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size())));
    }
    return box;
}

} // namespace orvelan
