#include "gui/widgets/CDataWizard.h"

#include "core/data/CIncidenceStore.h"
#include "graphics/CoreText.h"

namespace orvelan {

CDataWizard::CDataWizard(const QString& objectName, const WizardContext& context, QWidget* parent)
    : CWizardBase(objectName, context.dataDirectory, parent), m_context(context) {}

QString CDataWizard::populationLabel(int population, bool withYears) const {
    return fromCoreText(m_context.store.populationLabelByNumber(population, withYears));
}

QString CDataWizard::cancerLabel(int cancer) const {
    return fromCoreText(m_context.store.cancerLabel(cancer));
}

} // namespace orvelan
