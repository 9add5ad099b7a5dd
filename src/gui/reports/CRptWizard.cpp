#include "gui/reports/CRptWizard.h"

#include "core/io/CTemplateFolder.h"
#include "core/app/RememberedBlocks.h"
#include "core/data/CIncidenceStore.h"
#include "gui/data/CMessages.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/reports/CRPTwiz0.h"
#include "gui/reports/CRPTwiz1.h"
#include "gui/reports/CRPTwiz10.h"
#include "gui/reports/CRPTwiz11.h"
#include "gui/reports/CRPTwiz12.h"
#include "gui/reports/CRPTwiz13.h"
#include "gui/reports/CRPTwiz2.h"
#include "gui/reports/CRPTwiz3.h"
#include "gui/reports/CRPTwiz4.h"
#include "gui/reports/CRPTwiz5.h"
#include "gui/reports/CRPTwiz6.h"
#include "gui/reports/CRPTwiz7.h"
#include "core/reports/CReportTemplate.h"
#include "gui/reports/CRptwiz8.h"
#include "gui/reports/CRptwiz9.h"
#include "gui/reports/CTemplateSaveDialog.h"

#include <QAbstractButton>
#include <QDir>

namespace orvelan {

CRptWizard::CRptWizard(const ReportChoices& remembered, const ReportWizardContext& context,
                       QWidget* parent)
    : QWizard(parent), m_context(context),
      m_choices(reportForWizard(remembered, context.registryGroups.count(),
                                context.cancerGroups.count())) {
    setObjectName(QStringLiteral("reportWizard"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    // Pages are added in the order of their creation, not of their display.
    setPage(kKindPage, new CRPTwiz0(*this));
    setPage(kSummaryStep1, new CRPTwiz1(*this));
    setPage(kAgeSpecificStep1, new CRPTwiz2(*this));
    setPage(kReportStep1, new CRPTwiz3(*this));
    setPage(kReportStep2, new CRPTwiz4(*this));
    setPage(kReportStep3, new CRPTwiz5(*this));
    setPage(kReportStep4, new CRPTwiz6(*this));
    setPage(kReportStep5, new CRPTwiz7(*this));
    setPage(kRegistryPage, new CRptwiz8(*this));
    setPage(kCancerPage, new CRptwiz9(*this));
    setPage(kSummaryStep3, new CRPTwiz10(*this));
    setPage(kAgeSpecificStep3, new CRPTwiz11(*this));
    setPage(kTemplatePage, new CRPTwiz12(*this));
    setPage(kStandardPage, new CRPTwiz13(*this));
    setStartId(kKindPage);
    resize(640, 520);

    // Back after a template was loaded returns to the first page, not to the template list.
    QAbstractButton* back = button(QWizard::BackButton);
    disconnect(back, nullptr, this, nullptr);
    connect(back, &QAbstractButton::clicked, this, &CRptWizard::goBack);
    connect(this, &QWizard::currentIdChanged, this, &CRptWizard::pageChanged);
}

QString CRptWizard::templateFolder() const {
    return QString::fromStdString(CTemplateFolder::folderOf(m_context.dataDirectory.toStdString()));
}

bool CRptWizard::hasTemplates() const {
    return CTemplateFolder::hasAny(templateFolder().toStdString(), CReportTemplate::kExtension);
}

void CRptWizard::goBack() {
    const QList<int> visited = visitedIds();
    back();
    if (visited.size() >= 2 && visited.at(visited.size() - 2) == kTemplatePage &&
        currentId() == kTemplatePage) {
        back();
    }
}

void CRptWizard::pageChanged(int id) {
    if (auto* rptPage = qobject_cast<CRptPage*>(page(id))) {
        setWindowTitle(rptPage->wizardTitle());
    }
}

void CRptWizard::saveTemplate(CRptPage& rptPage, bool userReport) {
    if (!rptPage.store()) {
        return;
    }
    QDir().mkpath(templateFolder());
    const QString path = CTemplateSaveDialog::ask(this, templateFolder(), userReport);
    if (path.isEmpty()) {
        return;
    }
    const IoResult saved =
        CReportTemplate::write(path.toStdString(), m_choices, m_context.registryGroups.count(),
                               m_context.cancerGroups.count());
    if (!saved.ok()) {
        CMessages::warning(this, QString::fromStdString(saved.message));
    }
}

QString CRptWizard::stepTwoTitle() const {
    return m_choices.block.reportKind == static_cast<int>(ReportKind::AgeSpecific)
               ? QStringLiteral("Age-specific incidence by sex (2/3)")
               : QStringLiteral("Summary incidence rates by sex (2/3)");
}

int CRptWizard::stepThreeId() const {
    return m_choices.block.reportKind == static_cast<int>(ReportKind::AgeSpecific)
               ? kAgeSpecificStep3
               : kSummaryStep3;
}

SexPreset CRptWizard::sexPreset(bool fixedCancerOnly) const {
    const std::vector<int> cancers = fixedCancerOnly ? std::vector<int>{m_choices.block.fixedCancer}
                                                     : selectedItems(m_choices.cancers);
    return sexPresetFor(cancers, m_context.cancerGroups);
}

QString CRptWizard::populationLabel(int population, bool withYears) const {
    const std::string& label = m_context.store.populationLabelByNumber(population, withYears);
    return QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
}

QString CRptWizard::cancerLabel(int cancer) const {
    const std::string& label = m_context.store.cancerLabel(cancer);
    return QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
}

} // namespace orvelan
