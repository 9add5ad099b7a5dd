#pragma once

#include "gui/widgets/CWizardBase.h"
#include "gui/widgets/WizardContext.h"

// A wizard over the incidence data: the store, the two user group dictionaries, and the
// labels its pages show.
namespace orvelan {

class CDataWizard : public CWizardBase {
    Q_OBJECT
  public:
    CIncidenceStore& store() const { return m_context.store; }
    CUserGroupDictionary& registryGroups() const { return m_context.registryGroups; }
    CUserGroupDictionary& cancerGroups() const { return m_context.cancerGroups; }

    /// The label of a population number (or group name), with or without its period.
    QString populationLabel(int population, bool withYears = true) const;
    /// The label of a cancer number (or group name).
    QString cancerLabel(int cancer) const;

  protected:
    CDataWizard(const QString& objectName, const WizardContext& context, QWidget* parent);

  private:
    WizardContext m_context;
};

} // namespace orvelan
