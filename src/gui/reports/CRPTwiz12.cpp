#include "gui/reports/CRPTwiz12.h"

#include "core/io/CTemplateFolder.h"
#include "gui/data/CMessages.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/reports/CReportTemplate.h"
#include "gui/reports/CRptWizard.h"
#include "core/reports/ReportFinishPlan.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvelan {

namespace {

QString fromLocal(const std::string& text) { return QString::fromLocal8Bit(text); }

} // namespace

CRPTwiz12::CRPTwiz12(CRptWizard& wizard) : CRptPage(wizard, QStringLiteral("reportTemplates")) {
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("templateList"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Type"),
                             QStringLiteral("Created"), QStringLiteral("Modified")});
    const int widths[] = {100, 100, 200, 200};
    for (int column = 0; column < 4; ++column) {
        m_list->setColumnWidth(column, widths[column]);
    }
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(m_list, 1);
}

void CRPTwiz12::initializePage() {
    m_list->clear();
    m_paths.clear();
    const std::vector<TemplateListRow> rows =
        CTemplateFolder::list(sheet().templateFolder().toStdString(), CReportTemplate::kExtension,
                              &CReportTemplate::typeName);
    for (const TemplateListRow& row : rows) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, fromLocal(row.name));
        item->setText(1, fromLocal(row.type));
        item->setText(2, fromLocal(row.created));
        item->setText(3, fromLocal(row.modified));
        m_paths << fromLocal(row.path);
    }
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
    if (const auto problem =
            CReportTemplate::read(path.toStdString(), loaded, registryGroups, cancerGroups)) {
        CMessages::warning(this, fromLocal(*problem));
        return false;
    }
    if (const auto problem = reportBlockProblem(loaded.block, registryGroups, cancerGroups)) {
        CMessages::warning(this, fromLocal(*problem));
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
