#pragma once

#include "FixtureData.h"
#include "QtTestRegistry.h"
#include "TempDir.h"
#include "gui/app/StartOptions.h"

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>

// A started program for GUI tests: temporary settings and data folders, no splash window, and a
// watchdog that hands each modal dialog to the handler a test expects, or closes it at once and
// records it as unexpected, so that no test hangs on a dialog.
namespace orvelan {
class CORVELANApp;
class CMainFrame;
} // namespace orvelan

namespace orvelan::test {

/// Gives each population, both sexes, the same person-years in every age group up to the last.
void addPopulations(FixtureData& data, double personYears, std::initializer_list<int> populations,
                    int lastAgeGroup = kTopAgeGroup, char type = 'g');

class GuiFixture : public QObject {
    Q_OBJECT
  public:
    using DialogHandler = std::function<void(QWidget* dialog)>;

    GuiFixture();
    ~GuiFixture() override;

    /// Starts the program on the data folder (empty unless the test wrote files there).
    CORVELANApp& start(StartOptions options = {});
    /// Runs the exit steps (writes the settings file) and deletes the program.
    void stop();
    CORVELANApp& app() const { return *m_app; }
    CMainFrame& frame() const;

    const TempDir& dataDir() const { return m_dataDir; }
    /// The settings file a start without --settings uses.
    QString defaultSettingsPath() const;
    /// That file's text, its bytes as Latin-1; empty when there is none.
    QString defaultSettingsText() const;

    /// The next modal dialog goes to this handler, which must close it.
    void expectDialog(DialogHandler handler);
    /// Waits until every expected dialog was handled; false on time-out.
    bool waitForExpectedDialogs(int milliseconds = 5000);
    /// Dialogs that nobody expected ("title: text"); each was closed at once.
    QStringList takeUnexpectedDialogs();
    /// Fails the running test if an expected dialog never came or an unexpected one did.
    void verifyDialogsHandled();

    /// The text of a message box (empty for other dialogs).
    static QString messageText(QWidget* dialog);
    /// A handler that stores a message box's text and closes it.
    static DialogHandler captureText(QString& text);
    /// Empties the settings and data folders.
    void clearFolders() const;
    /// Writes small data files (population 0 with person-years) into the data folder.
    void writeFixtureData() const;

  private:
    void watch();

    TempDir m_configDir;
    TempDir m_dataDir;
    std::unique_ptr<CORVELANApp> m_app;
    std::deque<DialogHandler> m_handlers;
    QStringList m_unexpected;
    QList<QPointer<QWidget>> m_seen;
    QTimer m_watchdog;
};

} // namespace orvelan::test
