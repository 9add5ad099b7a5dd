#pragma once

#include "core/graphs/GraphSettings.h"
#include "gui/widgets/CDataWizard.h"

#include <QString>
#include <optional>

// The graph wizard behind "&Graph...": a kind page, the template list, and one short path of
// pages per graph kind. It edits a copy of the remembered graph choices; the caller takes
// settings() back when the wizard is accepted.
namespace orvelan {

/// What the graph wizard reads besides the remembered choices.
using GraphWizardContext = WizardContext;

class CGphWizard : public CDataWizard {
    Q_OBJECT
  public:
    // Page ids in the order the sheet holds the pages; navigation follows each page's own
    // nextId() and backId().
    enum PageId {
        kKindPage = 0,
        kTemplatePage,
        kAgeSpecific1,
        kBar1,
        kCancerChoice,
        kRegistryChoice,
        kRegistrySelection,
        kCancerSelection,
        kPie1,
        kPyramid,
        kAgeSpecific2,
        kBar4,
        kPie2,
    };

    CGphWizard(const GraphSettings& remembered, const GraphWizardContext& context,
               QWidget* parent = nullptr);

    GraphSettings& settings() { return m_settings; }
    const GraphSettings& settings() const { return m_settings; }

    /// Whether the templates folder holds a graph template.
    bool hasTemplates() const;
    /// Counts template loads; pages that keep their own copies rebuild when it moved on.
    int templateLoads() const { return m_templateLoads; }
    /// Called once the settings hold a template just read.
    void noteTemplateLoaded();
    /// Whether the settings' title is a loaded template's and its selection still stands; the
    /// last pages otherwise propose the default title of the current choices.
    bool templateTitleStands() const;

    /// The save button of the last pages: asks for a .GPH name and writes the current
    /// settings with the title box's text. confirmOverwrite asks before replacing a file.
    void saveTemplate(const QString& title, bool confirmOverwrite);

    /// The first page of a graph kind's choices (the template page for UseTemplate).
    static int firstPageOf(GraphKind kind);

    /// Root of the wizard's cancer trees: "<program> cancers".
    static QString cancerRootText();

  protected:
    void goBack() override;

  private:
    GraphSettings m_settings;
    int m_templateLoads = 0;
    std::optional<GraphSettings> m_loadedTemplate; // the settings as the last template left them
};

} // namespace orvelan
