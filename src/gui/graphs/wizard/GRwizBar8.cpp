#include "gui/graphs/wizard/GRwizBar8.h"

#include "gui/graphs/wizard/CGphWizard.h"

namespace orvelan {

GRwizBar8::GRwizBar8(CGphWizard& wizard)
    : CBarSelectionPage(wizard, QStringLiteral("barRegistrySelection"), TreeKind::Registry) {}

int GRwizBar8::backId() const { return CGphWizard::kCancerChoice; }

} // namespace orvelan
