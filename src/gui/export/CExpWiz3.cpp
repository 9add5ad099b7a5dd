#include "gui/export/CExpWiz3.h"

#include "core/export/CRawDataExporter.h"
#include "gui/export/CExpWizard.h"
#include "gui/export/CFolderTree.h"
#include "gui/widgets/CMessages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orvelan {

CExpWiz3::CExpWiz3(CExpWizard& wizard)
    : CExpPage(wizard, QStringLiteral("outputFiles"), CExpWizard::kFilesPage) {
    auto* group = new QGroupBox(QStringLiteral("Output files"), this);
    m_folders = new CFolderTree(group);
    m_folders->setObjectName(QStringLiteral("folderTree"));
    m_format = new QComboBox(group);
    m_format->setObjectName(QStringLiteral("format"));
    m_format->addItems({QStringLiteral("Text (formatted text)(*.prn)"),
                        QStringLiteral("Text (tab delimited)(*.txt)"),
                        QStringLiteral("CSV (Comma Separated Value)(*.csv)")});
    m_name = new QLineEdit(group);
    m_name->setObjectName(QStringLiteral("fileName"));
    m_summary = new QPlainTextEdit(group);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setReadOnly(true);
    m_summary->setFixedHeight(m_summary->fontMetrics().lineSpacing() * 3 + 12);
    // Both labels end before the first tab stop, so the two paths start in one column.
    m_summary->setTabStopDistance(
        m_summary->fontMetrics().horizontalAdvance(QStringLiteral("Data file:  ")));
    m_summary->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette white = m_summary->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    m_summary->setPalette(white);

    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Drive/Folder:"), m_folders);
    form->addRow(QStringLiteral("Format:"), m_format);
    form->addRow(QStringLiteral("File name:"), m_name);
    form->addRow(m_summary);
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(group, 1);

    connect(m_folders, &CFolderTree::pathChanged, this, &CExpWiz3::refreshSummary);
    connect(m_format, &QComboBox::currentIndexChanged, this, &CExpWiz3::refreshSummary);
    connect(m_name, &QLineEdit::textChanged, this, &CExpWiz3::refreshSummary);
}

void CExpWiz3::initializePage() {
    if (!m_opened) {
        m_opened = true;
        m_folders->openPath(sheet().workFolder());
    }
    refreshSummary();
}

QString CExpWiz3::summaryText() const {
    return QString::fromStdString(
        CRawDataExporter::pathSummary(m_folders->currentPath().toStdString(),
                                      m_name->text().toStdString(), m_format->currentIndex()));
}

void CExpWiz3::refreshSummary() {
    QString shown = summaryText();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_summary->setPlainText(shown);
}

bool CExpWiz3::acceptTarget(const std::string& path, const QString& existsQuestion,
                            const QString& notAccessible) {
    switch (CRawDataExporter::probeTarget(path)) {
    case ExportTarget::Creatable:
        return true;
    case ExportTarget::Existing:
        return CMessages::askYesNo(this, existsQuestion);
    case ExportTarget::NotAccessible:
        break;
    }
    CMessages::error(this, notAccessible);
    return false;
}

bool CExpWiz3::store() {
    const QString folder = m_folders->currentPath();
    if (m_name->text().isEmpty() || folder.isEmpty()) {
        return false;
    }
    ExportSettings chosen = settings();
    chosen.format = m_format->currentIndex();
    CRawDataExporter::setPaths(chosen, folder.toStdString(), m_name->text().toStdString());
    if (!acceptTarget(chosen.dataPath,
                      QStringLiteral("Data file already exists. Do you want to overwrite it?"),
                      QStringLiteral("Data file is not accessible!")) ||
        !acceptTarget(chosen.logPath,
                      QStringLiteral("Log file already exists. Do you want to overwrite it?"),
                      QStringLiteral("Log file is not accessible!"))) {
        return false;
    }
    settings() = chosen;
    return true;
}

} // namespace orvelan
