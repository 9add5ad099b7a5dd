#include "gui/app/CORVELANApp.h"

#include "core/analysis/AnalysisFile.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/graphs/CGraphTemplate.h"
#include "core/graphs/GraphWizardRules.h"
#include "core/rates/IntervalSettings.h"
#include "core/rates/StandardSettings.h"
#include "core/reports/CReportTemplate.h"
#include "core/reports/ReportFinishPlan.h"
#include "core/reports/TextDocumentFile.h"
#include "graphics/CoreText.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CReportCommands.h"
#include "gui/app/CSplashWnd.h"
#include "gui/app/FontSetup.h"
#include "gui/app/GraphOpening.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CDocument.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CVEKEditView.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>
#include <QTimer>

namespace orvelan {

CORVELANApp* CORVELANApp::s_instance = nullptr;

CORVELANApp::CORVELANApp() {
    Q_ASSERT(s_instance == nullptr);
    s_instance = this;
}

CORVELANApp::~CORVELANApp() {
    shutDown();
    s_instance = nullptr;
}

CORVELANApp* CORVELANApp::instance() { return s_instance; }

bool CORVELANApp::startUp(const StartOptions& options) {
    installFontSubstitutions();
    m_settingsPath = options.settingsFile.isEmpty() ? defaultSettingsPath() : options.settingsFile;
    m_startupProblems.clear();
    readSettingsFile();                          // the recent-file list now, the ten values below
    m_intervals = readIntervalChoice(m_profile); // before the menus show it
    m_standards = readStandardChoice(m_profile);
    m_graphLook = readGraphLook(m_profile);
    m_figureChoice = readFigureChoice(m_profile);
    m_sirTests = m_profile.integer("Comparison", "TestsAndTotal", 0) != 0;
    if (options.splash) {
        CSplashWnd::showSplash();
    }
    m_mainFrame = std::make_unique<CMainFrame>(*this);
    m_started = true;
    for (const QString& file : options.files) {
        openDocumentFile(QFileInfo(file).absoluteFilePath());
    }
    m_mainFrame->show();

    const QString data =
        options.dataDirectory.isEmpty() ? QDir::currentPath() : options.dataDirectory;
    m_dataDirectory = QDir::cleanPath(QFileInfo(data).absoluteFilePath());
    m_blocks = RememberedBlocks{};
    applySettingsToGraph(readAppSettings(m_profile), m_blocks.graph);
    openData();
    m_mainFrame->listUserStandards();
    if (!hasData()) {
        // Shown once the window is up, so that the program stays usable behind it.
        QTimer::singleShot(0, m_mainFrame.get(), [this] { m_mainFrame->showDataProblems(); });
    } else {
        for (const QString& graph : options.graphs) {
            openGraphTemplate(QFileInfo(graph).absoluteFilePath());
        }
        for (const QString& report : options.reports) {
            openReportTemplate(QFileInfo(report).absoluteFilePath());
        }
        if (!options.analyses.isEmpty()) {
            // The wizard is modal: it comes once the window is up and start-up has ended.
            const QString analysis = QFileInfo(options.analyses.constLast()).absoluteFilePath();
            QTimer::singleShot(0, m_mainFrame.get(),
                               [this, analysis] { openAnalysisFile(analysis); });
        }
    }
    for (const std::string& warning : m_store->warnings()) {
        m_startupProblems.append(fromCoreMessage(warning));
    }
    if (!m_startupProblems.isEmpty()) {
        QString message = QStringLiteral("ORVELAN started, but:\n\n");
        for (const QString& problem : m_startupProblems) {
            message += QStringLiteral("- ") + problem + QLatin1Char('\n');
        }
        QTimer::singleShot(0, m_mainFrame.get(),
                           [this, message] { m_mainFrame->showError(message); });
    }
    return true;
}

void CORVELANApp::shutDown() {
    if (!m_started) {
        return;
    }
    m_started = false;
    writeSettingsFile(); // while the window is there to say that it failed
    m_mainFrame.reset();
    m_store.reset();
    m_cancerGroups.reset();
    m_registryGroups.reset();
}

QString CORVELANApp::casesPath() const {
    return m_dataDirectory + QLatin1Char('/') +
           QLatin1String(CIncidenceStore::kCasesFileName.data());
}

QString CORVELANApp::populationPath() const {
    return m_dataDirectory + QLatin1Char('/') +
           QLatin1String(CIncidenceStore::kPopulationFileName.data());
}

QString CORVELANApp::cancerGroupsPath() const {
    return m_dataDirectory + QLatin1Char('/') +
           QLatin1String(CUserGroupDictionary::kCancerFileName.data());
}

QString CORVELANApp::registryGroupsPath() const {
    return m_dataDirectory + QLatin1Char('/') +
           QLatin1String(CUserGroupDictionary::kRegistryFileName.data());
}

QString CORVELANApp::workDirectory() const { return m_dataDirectory + QStringLiteral("/work"); }

bool CORVELANApp::hasData() const { return m_store && m_store->isOpen(); }

void CORVELANApp::tellIfDataChanged() {
    if (m_toldDataChanged || !hasData()) {
        return;
    }
    if (const std::string changed = m_store->changedOnDiskMessage(); !changed.empty()) {
        m_toldDataChanged = true;
        m_mainFrame->showError(fromCoreMessage(changed));
    }
}

QString CORVELANApp::dataProblemMessage() const {
    QString message = QStringLiteral("The data files cannot be used:\n\n");
    for (const QString& problem : m_dataProblems) {
        message += QStringLiteral("- ") + problem + QLatin1Char('\n');
    }
    message += QStringLiteral("\nTables, graphs, analyses and exports need them. The dictionaries, "
                              "the reference and the help pages work without them.");
    return message;
}

QPrinter& CORVELANApp::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

CChildFrame* CORVELANApp::openDocumentFile(const QString& path) {
    std::string bytes;
    if (const IoResult read = readTextDocument(QFile::encodeName(path).toStdString(), bytes);
        !read.ok()) {
        m_recentFiles.remove(path.toStdString());
        emit recentFilesChanged();
        if (m_mainFrame) {
            m_mainFrame->showError(fromCoreMessage(read.message));
        }
        return nullptr;
    }
    auto* view = new CVEKEditView;
    view->setTextBytes(bytes);
    CChildFrame* frame = m_mainFrame->openDocument(DocumentType::StandardTable, view);
    frame->document()->setPathName(path);
    m_recentFiles.add(path.toStdString());
    emit recentFilesChanged();
    return frame;
}

void CORVELANApp::documentSaved(const QWidget* view, const QString& path) {
    if (CChildFrame* frame = CChildFrame::of(view)) {
        frame->document()->setPathName(path);
    }
    m_recentFiles.add(path.toStdString());
    emit recentFilesChanged();
}

void CORVELANApp::showStatusMessage(const QString& message) {
    if (m_mainFrame) {
        m_mainFrame->showStatusMessage(message);
    }
}

bool CORVELANApp::openGraphTemplate(const QString& path) {
    GraphSettings settings = m_blocks.graph;
    if (const IoResult read =
            CGraphTemplate::read(QFile::encodeName(path).toStdString(), settings,
                                 m_registryGroups->count(), m_cancerGroups->count());
        !read.ok()) {
        m_mainFrame->showError(fromCoreMessage(read.message));
        return false;
    }
    if (const IoResult drawable = checkGraphTemplateSettings(QFile::encodeName(path).toStdString(),
                                                             settings, *m_cancerGroups);
        !drawable.ok()) {
        m_mainFrame->showError(fromCoreMessage(drawable.message));
        return false;
    }
    tellIfDataChanged();
    return gui::openGraph(*m_mainFrame, settings);
}

bool CORVELANApp::openReportTemplate(const QString& path) {
    ReportChoices loaded = m_blocks.report;
    const int registryGroups = m_registryGroups->count();
    const int cancerGroups = m_cancerGroups->count();
    if (const IoResult read = CReportTemplate::read(QFile::encodeName(path).toStdString(), loaded,
                                                    registryGroups, cancerGroups);
        !read.ok()) {
        m_mainFrame->showError(fromCoreMessage(read.message));
        return false;
    }
    if (const IoResult runnable = checkReportTemplateBlock(
            QFile::encodeName(path).toStdString(), loaded.block, registryGroups, cancerGroups);
        !runnable.ok()) {
        m_mainFrame->showError(fromCoreMessage(runnable.message));
        return false;
    }
    m_blocks.report = loaded;
    tellIfDataChanged();
    CReportCommands::openOutputs(*m_mainFrame, *this, loaded);
    return true;
}

bool CORVELANApp::openAnalysisFile(const QString& path) {
    const AnalysisFileRead read = readAnalysisFile(QFile::encodeName(path).toStdString());
    if (!read.curve) {
        m_mainFrame->showError(fromCoreMessage(read.result.message));
        return false;
    }
    AnalysisBlock& block = m_blocks.analysis;
    block.analysisKind = 2;
    block.userCurveTitle = read.curve->title;
    block.userCases = read.curve->cases;
    block.userPersonYears = read.curve->personYears;
    block.userRates = read.curve->rates;
    if (QAction* analysis = m_mainFrame->action(cmd::kNewAnalysis)) {
        analysis->trigger();
    }
    return true;
}

QString CORVELANApp::defaultSettingsPath() const {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return folder + QLatin1Char('/') + name + QStringLiteral(".ini");
}

void CORVELANApp::readSettingsFile() {
    const IoResult read = m_profile.load(QFile::encodeName(m_settingsPath).toStdString());
    if (!read.ok()) {
        m_startupProblems.append(fromCoreMessage(read.message) +
                                 QStringLiteral(" (the default settings are used)"));
    }
    m_recentFiles.assign(readRecentFiles(m_profile));
    m_previewPages = readPreviewPages(m_profile);
}

void CORVELANApp::writeSettingsFile() {
    writeRecentFiles(m_recentFiles.paths(), m_profile);
    writePreviewPages(m_previewPages, m_profile);
    writeAppSettings(settings(), m_profile);
    writeIntervalChoice(m_intervals, m_profile);
    writeStandardChoice(m_standards, m_profile);
    writeGraphLook(m_graphLook, m_profile);
    writeFigureChoice(m_figureChoice, m_profile);
    // Written only when on, so that a settings file of a user who never asked stays as it was.
    m_profile.removeSection("Comparison");
    if (m_sirTests) {
        m_profile.setInteger("Comparison", "TestsAndTotal", 1);
    }
    QDir().mkpath(QFileInfo(m_settingsPath).absolutePath());
    const IoResult saved = m_profile.save(QFile::encodeName(m_settingsPath).toStdString());
    if (!saved.ok()) {
        // The settings of this session are lost: say so while the window is still there.
        const QString message =
            QStringLiteral("The settings cannot be saved:\n\n") + fromCoreMessage(saved.message);
        if (m_mainFrame) {
            m_mainFrame->showError(message);
        } else {
            qWarning("%s", saved.message.c_str());
        }
    }
}

void CORVELANApp::openData() {
    m_store = std::make_unique<CIncidenceStore>();
    m_dataProblems.clear();
    if (!m_store->open(QFile::encodeName(m_dataDirectory).toStdString())) {
        for (const std::string& problem : m_store->problems()) {
            m_dataProblems.append(fromCoreMessage(problem));
        }
        if (m_dataProblems.isEmpty()) {
            m_dataProblems.append(
                QStringLiteral("%1 and %2 cannot be opened").arg(casesPath(), populationPath()));
        }
    }
    m_cancerGroups = std::make_unique<CUserGroupDictionary>(GroupKind::Cancer);
    m_registryGroups = std::make_unique<CUserGroupDictionary>(GroupKind::Registry);
    for (const auto& [groups, path] : {std::pair{m_cancerGroups.get(), cancerGroupsPath()},
                                       std::pair{m_registryGroups.get(), registryGroupsPath()}}) {
        const IoResult loaded = groups->load(QFile::encodeName(path).toStdString());
        if (!loaded.ok()) {
            m_startupProblems.append(fromCoreMessage(loaded.message) +
                                     QStringLiteral(" (its groups are not available)"));
        }
    }
    m_store->setUserGroups(m_cancerGroups.get(), m_registryGroups.get());
}

} // namespace orvelan
