#pragma once

#include "core/app/AppSettings.h"
#include "core/app/CRecentFileList.h"
#include "core/app/RememberedBlocks.h"
#include "core/graphs/FigureSize.h"
#include "core/graphs/GraphLook.h"
#include "core/io/CIniFile.h"
#include "core/rates/IntervalMethod.h"
#include "core/rates/StandardPopulations.h"
#include "gui/app/StartOptions.h"
#include "gui/framework/CViewHost.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;

// The application object: it starts and stops the program, owns the settings, the data
// directory, the one incidence store and the two user group dictionaries, and the main window.
// The shell reaches it through instance(); views know it only as their CViewHost.
namespace orvelan {

class CIncidenceStore;
class CUserGroupDictionary;
class CMainFrame;
class CChildFrame;

class CORVELANApp : public QObject, public CViewHost {
    Q_OBJECT
  public:
    CORVELANApp();
    /// Runs the exit steps if shutDown() was not called.
    ~CORVELANApp() override;
    CORVELANApp(const CORVELANApp&) = delete;
    CORVELANApp& operator=(const CORVELANApp&) = delete;

    /// The one application object of the process; nullptr before construction.
    static CORVELANApp* instance();

    /// The start-up steps; false when the program must stop.
    bool startUp(const StartOptions& options);
    /// The exit steps: closes the data and user groups, writes the settings file.
    void shutDown();

    CMainFrame* mainFrame() const { return m_mainFrame.get(); }

    // Files and folders.
    const QString& settingsPath() const { return m_settingsPath; }
    const QString& dataDirectory() const { return m_dataDirectory; }
    QString casesPath() const;          // <data>/ORVELAN.DAT
    QString populationPath() const;     // <data>/ORVELAN.POP
    QString cancerGroupsPath() const;   // <data>/ICDuser.dic
    QString registryGroupsPath() const; // <data>/POPuser.dic
    /// <data>/work, the proposed folder of saved tables and exports.
    QString workDirectory() const override;

    // Shared objects.
    CIncidenceStore& store() { return *m_store; }
    CUserGroupDictionary& cancerGroups() { return *m_cancerGroups; }
    CUserGroupDictionary& registryGroups() { return *m_registryGroups; }
    /// How the table views compute their confidence intervals; kept in the settings file.
    IntervalChoice& intervals() { return m_intervals; }
    /// The look of every graph view and of the two-curve graph; kept in the settings file.
    GraphLook& graphLook() { return m_graphLook; }
    /// The last choice of "Save for publication"; kept in the settings file.
    FigureChoice& figureChoice() { return m_figureChoice; }
    /// The standards of the ASRs in the table views and bar charts; kept in the settings file.
    StandardChoice& standards() { return m_standards; }
    /// "Tests and total" of the several-curve results; kept in the settings file.
    bool& sirTests() { return m_sirTests; }
    /// True when both data files opened; otherwise dataProblems() says why.
    bool hasData() const;
    const QStringList& dataProblems() const { return m_dataProblems; }
    /// The message shown at start-up and by data commands when the data files are unusable.
    QString dataProblemMessage() const;
    /// Before a command computes from the data: tells the user, once, that a data file on disk
    /// is no longer the one read at start-up (the figures keep coming from what was read).
    void tellIfDataChanged();

    /// The wizard choices remembered between wizards; the graph block also carries the colour
    /// and slice-count settings kept in the settings file.
    RememberedBlocks& blocks() { return m_blocks; }
    /// The ten settings values as they stand (from the graph block).
    AppSettings settings() const { return settingsOfGraph(m_blocks.graph); }
    void setSettings(const AppSettings& settings) {
        applySettingsToGraph(settings, m_blocks.graph);
    }
    CRecentFileList& recentFiles() { return m_recentFiles; }
    int previewPages() const { return m_previewPages; }
    void setPreviewPages(int pages) { m_previewPages = pages; }
    /// The printer of Print Setup, shared by every print.
    QPrinter& printer() override;

    /// Opens any file as a standard-table text document; nullptr when it cannot be read (the
    /// reason is shown and the file leaves the recent-file list).
    CChildFrame* openDocumentFile(const QString& path);
    /// Opens the graph of a template file as Finish on the graph wizard would; false (the
    /// reason shown) when the file cannot be read, false silently when there is nothing to draw.
    bool openGraphTemplate(const QString& path);
    /// Opens the tables of a report template as Finish on the report wizard would; false (the
    /// reason shown) when the file cannot be read or run.
    bool openReportTemplate(const QString& path);
    /// Takes the curve of an analysis file as the typed-in comparison curve and opens the
    /// statistics wizard on it (the file holds no reference curve); false (the reason shown)
    /// when the file cannot be read.
    bool openAnalysisFile(const QString& path);

    /// After a view has saved its document under a path: the document takes the file's name as
    /// its title and the path goes to the top of the recent-file list.
    void documentSaved(const QWidget* view, const QString& path) override;
    /// In the main window's status bar, when there is one.
    void showStatusMessage(const QString& message) override;

  signals:
    void recentFilesChanged();

  private:
    QString defaultSettingsPath() const;
    void readSettingsFile();
    void writeSettingsFile();
    void openData();

    static CORVELANApp* s_instance;

    QString m_settingsPath;
    QString m_dataDirectory;
    CIniFile m_profile;
    RememberedBlocks m_blocks;
    IntervalChoice m_intervals;
    GraphLook m_graphLook = GraphLook::Classic;
    FigureChoice m_figureChoice;
    StandardChoice m_standards;
    bool m_sirTests = false;
    CRecentFileList m_recentFiles{kRecentFileCount};
    int m_previewPages = 0;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CIncidenceStore> m_store;
    std::unique_ptr<CUserGroupDictionary> m_cancerGroups;
    std::unique_ptr<CUserGroupDictionary> m_registryGroups;
    QStringList m_dataProblems;
    /// Failures at start-up that lose settings or groups (or warn of a data file), shown
    /// once the window is up.
    QStringList m_startupProblems;
    std::unique_ptr<CMainFrame> m_mainFrame;
    bool m_started = false;
    bool m_toldDataChanged = false;
};

} // namespace orvelan
