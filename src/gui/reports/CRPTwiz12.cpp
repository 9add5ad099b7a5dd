#include "gui/reports/CRPTwiz12.h"

#include "core/data/CUserGroupDictionary.h"
#include "core/io/CTemplateFolder.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/ReportFinishPlan.h"
#include "gui/reports/CRptWizard.h"
#include "gui/widgets/CMessages.h"

#include <QVBoxLayout>

namespace orvelan {

namespace {

QString fromLocal(const std::string& text) { return QString::fromLocal8Bit(text); }

} // namespace

CRPTwiz12::CRPTwiz12(CRptWizard& wizard) : CRptPage(wizard, QStringLiteral("reportTemplates")) {
    m_list = new CReportList(this, QStringLiteral("templateList"),
                             {{QStringLiteral("Name"), 100},
                              {QStringLiteral("Type"), 100},
                              {QStringLiteral("Created"), 140},
                              {QStringLiteral("Modified"), 140}});
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(m_list, 1);
}

void CRPTwiz12::initializePage() {
    m_paths.clear();
    for (const TemplateListRow& row :
         sheet().listTemplates(*m_list, CReportTemplate::kExtension, &CReportTemplate::typeName)) {
        m_paths << fromLocal(row.path);
    }
    m_list->fitColumns();
}

bool CRPTwiz12::store() {
    QTreeWidgetItem* item = m_list->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return false; // no row: the page stays without a message
    }
    const QString path = m_paths.value(m_list->indexOfTopLevelItem(item));
    const int registryGroups = sheet().registryGroups().count();
    const int cancerGroups = sheet().cancerGroups().count();
    ReportChoices loaded = choices();
    if (const IoResult read =
            CReportTemplate::read(path.toStdString(), loaded, registryGroups, cancerGroups);
        !read.ok()) {
        CMessages::warning(this, fromLocal(read.message));
        return false;
    }
    if (const IoResult runnable = checkReportTemplateBlock(path.toStdString(), loaded.block,
                                                           registryGroups, cancerGroups);
        !runnable.ok()) {
        CMessages::warning(this, fromLocal(runnable.message));
        return false;
    }
    choices() = loaded;
    return true;
}

int CRPTwiz12::nextId() const {
    switch (static_cast<ReportKind>(choices().block.reportKind)) {
    case ReportKind::SummaryRates:
        return CRptWizard::kSummaryStep1;
    case ReportKind::AgeSpecific:
        return CRptWizard::kAgeSpecificStep1;
    default:
        return CRptWizard::kReportStep1;
    }
}

} // namespace orvelan
