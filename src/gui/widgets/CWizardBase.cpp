#include "gui/widgets/CWizardBase.h"

#include "core/io/CTemplateFolder.h"
#include "graphics/CoreText.h"
#include "gui/widgets/CMessages.h"
#include "gui/widgets/CWizardPage.h"

#include <QAbstractButton>
#include <QDir>
#include <QPushButton>
#include <QTreeWidget>

namespace orvelan {

CWizardBase::CWizardBase(const QString& objectName, const QString& dataDirectory, QWidget* parent)
    : QWizard(parent), m_dataDirectory(dataDirectory) {
    setObjectName(objectName);
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    connect(this, &QWizard::currentIdChanged, this, [this](int id) { pageShown(id); });
}

void CWizardBase::start(int startId, int width, int height) {
    setStartId(startId);
    resize(width, height);
}

void CWizardBase::routeBackThroughGoBack() {
    QAbstractButton* backButton = button(QWizard::BackButton);
    disconnect(backButton, nullptr, this, nullptr);
    connect(backButton, &QAbstractButton::clicked, this, [this] { goBack(); });
}

void CWizardBase::pageShown(int id) {
    if (auto* shown = qobject_cast<CWizardPage*>(page(id))) {
        setWindowTitle(shown->wizardTitle());
        shown->clearReason();
    }
}

QString CWizardBase::templateFolder() const {
    return QString::fromStdString(CTemplateFolder::folderOf(m_dataDirectory.toStdString()));
}

bool CWizardBase::hasTemplateFiles(std::string_view extension) const {
    return CTemplateFolder::hasAny(templateFolder().toStdString(), extension);
}

std::vector<TemplateListRow> CWizardBase::listTemplates(QTreeWidget& list,
                                                        std::string_view extension,
                                                        std::string (*typeName)(int kind)) const {
    list.clear();
    std::vector<TemplateListRow> rows =
        CTemplateFolder::list(templateFolder().toStdString(), extension, typeName);
    for (const TemplateListRow& row : rows) {
        auto* item = new QTreeWidgetItem(&list);
        // File names and times are in the system's own encoding.
        item->setText(0, QString::fromLocal8Bit(row.name));
        item->setText(1, QString::fromLocal8Bit(row.type));
        item->setText(2, QString::fromLocal8Bit(row.created));
        item->setText(3, QString::fromLocal8Bit(row.modified));
    }
    return rows;
}

QPushButton* CWizardBase::templateButton(QWidget* page, const QString& what) {
    auto* button = new QPushButton(
        QStringLiteral("Save the %1 settings as a template for future use...").arg(what), page);
    button->setObjectName(QStringLiteral("saveTemplate"));
    return button;
}

QString CWizardBase::preparedTemplateFolder() const {
    const QString folder = templateFolder();
    QDir().mkpath(folder);
    return folder;
}

void CWizardBase::reportTemplateProblem(const IoResult& written) {
    if (!written.ok()) {
        CMessages::warning(this, fromCoreMessage(written.message));
    }
}

} // namespace orvelan
