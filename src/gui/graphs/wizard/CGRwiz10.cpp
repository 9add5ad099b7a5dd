#include "gui/graphs/wizard/CGRwiz10.h"

#include "core/data/CUserGroupDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/io/CTemplateFolder.h"
#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CReportList.h"

#include <QVBoxLayout>

namespace orvelan {

namespace {

QString fromLocal(const std::string& text) { return QString::fromLocal8Bit(text); }

} // namespace

CGRwiz10::CGRwiz10(CGphWizard& wizard) : CGphPage(wizard, QStringLiteral("graphTemplates")) {
    m_list = new CReportList(this, QStringLiteral("templateList"),
                             {{QStringLiteral("Name"), 100},
                              {QStringLiteral("Type"), 100},
                              {QStringLiteral("Created"), 200},
                              {QStringLiteral("Modified"), 200}});
    auto* layout = new QVBoxLayout;
    layout->addWidget(m_list, 1);
    setContent(layout);
}

int CGRwiz10::backId() const { return CGphWizard::kKindPage; }

void CGRwiz10::initializePage() {
    m_paths.clear();
    m_kinds.clear();
    m_loadedKind.reset();
    for (const TemplateListRow& row :
         sheet().listTemplates(*m_list, CGraphTemplate::kExtension, &CGraphTemplate::typeName)) {
        m_paths << fromLocal(row.path);
        m_kinds.push_back(row.kind);
    }
    m_list->fitColumns(); // the dates' width depends on the weekday and month names
}

int CGRwiz10::chosenRow() const {
    // The view makes its first row current when it takes the focus; only a row the user
    // selected counts.
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.first());
}

bool CGRwiz10::store() {
    const int row = chosenRow();
    if (row < 0) {
        refuseQuietly(QStringLiteral("Choose a template in the list."));
        return false;
    }
    const int word = m_kinds[static_cast<std::size_t>(row)];
    if (!isGraphKind(word)) {
        // Nothing in the file can be drawn: it stays unread.
        refuseQuietly(QStringLiteral("This template holds an unknown graph kind (%1).").arg(word));
        return false;
    }
    const auto kind = static_cast<GraphKind>(word);
    GraphSettings loaded = settings();
    if (const IoResult read =
            CGraphTemplate::read(m_paths.at(row).toStdString(), loaded,
                                 sheet().registryGroups().count(), sheet().cancerGroups().count());
        !read.ok()) {
        refuseQuietly(fromLocal(read.message));
        return false;
    }
    loaded.kind = kind;
    settings() = loaded;
    m_loadedKind = kind;
    sheet().noteTemplateLoaded();
    return true;
}

int CGRwiz10::nextId() const {
    // A loaded template names a kind of graph, never another template.
    const GraphKind kind = m_loadedKind.value_or(GraphKind::AgeSpecific);
    return CGphWizard::firstPageOf(kind == GraphKind::UseTemplate ? GraphKind::AgeSpecific : kind);
}

} // namespace orvelan
