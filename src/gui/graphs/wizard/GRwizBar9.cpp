#include "gui/graphs/wizard/GRwizBar9.h"

#include "core/data/Validation.h"
#include "core/graphs/GraphWizardRules.h"
#include "graphics/CoreText.h"
#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CMessages.h"

namespace orvelan {

GRwizBar9::GRwizBar9(CGphWizard& wizard)
    : CBarSelectionPage(wizard, QStringLiteral("barCancerSelection"), TreeKind::Cancer) {}

int GRwizBar9::backId() const { return CGphWizard::kRegistryChoice; }

bool GRwizBar9::accepts(const SelectionList& list) {
    const Sex sex = knownSex(settings().sex).value_or(Sex::Both);
    if (!cancersFitSex(list, sex, sheet().cancerGroups())) {
        CMessages::warning(this, fromCoreText(kInvalidSexSite));
        return false;
    }
    return true;
}

} // namespace orvelan
