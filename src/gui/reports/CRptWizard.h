#pragma once

#include "core/reports/ReportBlock.h"
#include "core/reports/SexPresets.h"
#include "gui/widgets/CDataWizard.h"

#include <QString>

// The report wizard behind "Report /&Table...": six kinds of output, each with its own short
// sequence of pages. It edits a copy of the remembered choices; the caller takes choices() back
// when the wizard is accepted.
namespace orvelan {

class CRptPage;

/// What the report wizard reads besides the remembered choices.
using ReportWizardContext = WizardContext;

class CRptWizard : public CDataWizard {
    Q_OBJECT
  public:
    // Page ids are the pages' dialog template numbers.
    static constexpr int kKindPage = 226;
    static constexpr int kSummaryStep1 = 227;
    static constexpr int kAgeSpecificStep1 = 228;
    static constexpr int kReportStep1 = 229;
    static constexpr int kReportStep2 = 230;
    static constexpr int kReportStep3 = 231;
    static constexpr int kReportStep4 = 232;
    static constexpr int kReportStep5 = 233;
    static constexpr int kRegistryPage = 2049;
    static constexpr int kCancerPage = 2050;
    static constexpr int kSummaryStep3 = 2054;
    static constexpr int kAgeSpecificStep3 = 2055;
    static constexpr int kTemplatePage = 2067;
    static constexpr int kStandardPage = 2075;

    CRptWizard(const ReportChoices& remembered, const ReportWizardContext& context,
               QWidget* parent = nullptr);

    /// The sheet: result block, both selection lists and the title.
    ReportChoices& choices() { return m_choices; }
    const ReportChoices& choices() const { return m_choices; }
    /// Whether the templates folder holds a report template.
    bool hasTemplates() const;

    /// The template button: validates and stores the page as for Finish, then asks for a file
    /// name and writes the sheet as a .RPT template. userReport picks the dialog's filter.
    void saveTemplate(CRptPage& page, bool userReport);

    /// Step 2 of the summary and age-specific reports: title and next page by the kind.
    QString stepTwoTitle() const;
    int stepThreeId() const;

    /// The cancers the sex boxes are preset from: the fixed cancer when one is fixed, else the
    /// ticked cancers.
    SexPreset sexPreset(bool fixedCancerOnly) const;

  protected:
    void goBack() override;

  private:
    ReportChoices m_choices;
};

} // namespace orvelan
