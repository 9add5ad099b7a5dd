#pragma once

#include "core/export/ExportSettings.h"
#include "gui/widgets/CWizardBase.h"

#include <QString>

// The export wizard behind "&Export...": populations, then cancers and sexes, then the output
// folder, format and name. It edits a copy of the remembered export settings; the caller takes
// settings() back when the wizard is accepted and does the writing.
namespace orvelan {

class CUserGroupDictionary;

/// What the export wizard reads besides the remembered settings.
struct ExportWizardContext {
    CUserGroupDictionary& registryGroups;
    CUserGroupDictionary& cancerGroups;
    /// The folder the folder tree opens on: "<data directory>/work".
    QString workFolder;
};

class CExpWizard : public CWizardBase {
    Q_OBJECT
  public:
    static constexpr int kPopulationPage = 1;
    static constexpr int kCancerPage = 2;
    static constexpr int kFilesPage = 3;

    CExpWizard(const ExportSettings& remembered, const ExportWizardContext& context,
               QWidget* parent = nullptr);

    /// The sheet: lists, sexes, format and the two paths once Finish succeeded.
    ExportSettings& settings() { return m_settings; }
    const ExportSettings& settings() const { return m_settings; }
    CUserGroupDictionary& registryGroups() const { return m_context.registryGroups; }
    CUserGroupDictionary& cancerGroups() const { return m_context.cancerGroups; }
    const QString& workFolder() const { return m_context.workFolder; }

  private:
    ExportWizardContext m_context;
    ExportSettings m_settings;
};

} // namespace orvelan
