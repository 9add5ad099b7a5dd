#include "gui/graphs/wizard/CGphWizard.h"

#include "core/app/RememberedBlocks.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/io/CTemplateFolder.h"
#include "gui/data/CMessages.h"
#include "gui/graphs/wizard/CGRwiz10.h"
#include "gui/graphs/wizard/CGRwizPop.h"
#include "gui/graphs/wizard/CGphPage.h"
#include "gui/graphs/wizard/GRoptAge.h"
#include "gui/graphs/wizard/GRoptBar.h"
#include "gui/graphs/wizard/GRoptPie.h"
#include "gui/graphs/wizard/GRwiz0.h"
#include "gui/graphs/wizard/GRwizBar.h"
#include "gui/graphs/wizard/GRwizBar1.h"
#include "gui/graphs/wizard/GRwizBar2.h"
#include "gui/graphs/wizard/GRwizBar8.h"
#include "gui/graphs/wizard/GRwizBar9.h"
#include "gui/graphs/wizard/GRwizPie.h"
#include "gui/graphs/wizard/GrWizAge.h"
#include "gui/reports/CTemplateSaveDialog.h"

#include <QAbstractButton>
#include <QDir>

namespace orvelan {

namespace {

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CGphWizard::CGphWizard(const GraphSettings& remembered, const GraphWizardContext& context,
                       QWidget* parent)
    : QWizard(parent), m_context(context),
      m_settings(graphForWizard(remembered, context.registryGroups.count(),
                                context.cancerGroups.count())) {
    setObjectName(QStringLiteral("graphWizard"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    setPage(kKindPage, new GRwiz0(*this));
    setPage(kTemplatePage, new CGRwiz10(*this));
    setPage(kAgeSpecific1, new GrWizAge(*this));
    setPage(kBar1, new GRwizBar(*this));
    setPage(kCancerChoice, new GRwizBar1(*this));
    setPage(kRegistryChoice, new GRwizBar2(*this));
    setPage(kRegistrySelection, new GRwizBar8(*this));
    setPage(kCancerSelection, new GRwizBar9(*this));
    setPage(kPie1, new GRwizPie(*this));
    setPage(kPyramid, new CGRwizPop(*this));
    setPage(kAgeSpecific2, new GRoptAge(*this));
    setPage(kBar4, new GRoptBar(*this));
    setPage(kPie2, new GRoptPie(*this));
    setStartId(kKindPage);
    resize(640, 540);

    // Back goes where each page says (after a template load that skips the template list).
    QAbstractButton* backButton = button(QWizard::BackButton);
    disconnect(backButton, nullptr, this, nullptr);
    connect(backButton, &QAbstractButton::clicked, this, &CGphWizard::goBack);
    connect(this, &QWizard::currentIdChanged, this, &CGphWizard::pageChanged);
}

QString CGphWizard::templateFolder() const {
    return QString::fromStdString(CTemplateFolder::folderOf(m_context.dataDirectory.toStdString()));
}

bool CGphWizard::hasTemplates() const {
    return CTemplateFolder::hasAny(templateFolder().toStdString(), CGraphTemplate::kExtension);
}

void CGphWizard::goBack() {
    auto* current = qobject_cast<CGphPage*>(currentPage());
    const int target = current != nullptr ? current->backId() : -1;
    if (target < 0 || !visitedIds().contains(target)) {
        back();
        return;
    }
    while (currentId() != target && visitedIds().size() > 1) {
        back();
    }
}

void CGphWizard::pageChanged(int id) {
    if (auto* graphPage = qobject_cast<CGphPage*>(page(id))) {
        setWindowTitle(graphPage->wizardTitle());
        graphPage->clearReason();
    }
}

void CGphWizard::saveTemplate(const QString& title, bool confirmOverwrite) {
    QDir().mkpath(templateFolder());
    const QString path = CTemplateSaveDialog::ask(
        this, templateFolder(), QStringLiteral(".GPH"),
        QStringLiteral("GPH (ORVELAN table template file)(*.GPH)"), confirmOverwrite);
    if (path.isEmpty()) {
        return;
    }
    GraphSettings written = m_settings;
    written.title = title.toLatin1().toStdString();
    if (const IoResult saved =
            CGraphTemplate::write(path.toStdString(), written, m_context.registryGroups.count(),
                                  m_context.cancerGroups.count());
        !saved.ok()) {
        CMessages::warning(this, QString::fromStdString(saved.message));
    }
}

QString CGphWizard::cancerRootText() {
    return QString::fromLatin1(kProgramName.data(), static_cast<qsizetype>(kProgramName.size())) +
           QStringLiteral(" cancers");
}

QString CGphWizard::populationLabel(int population) const {
    return latin1(m_context.store.populationLabelByNumber(population, true));
}

QString CGphWizard::cancerLabel(int cancer) const {
    return latin1(m_context.store.cancerLabel(cancer));
}

} // namespace orvelan
