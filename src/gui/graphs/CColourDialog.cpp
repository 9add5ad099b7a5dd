#include "gui/graphs/CColourDialog.h"

#include <QColorDialog>

namespace orvelan {

namespace {
CColourDialog::Provider& provider() {
    static CColourDialog::Provider instance;
    return instance;
}
} // namespace

std::optional<QColor> CColourDialog::choose(QWidget* parent, const QColor& initial) {
    if (provider()) {
        return provider()(initial);
    }
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour;
}

void CColourDialog::setProvider(Provider provider_) { provider() = std::move(provider_); }

} // namespace orvelan
