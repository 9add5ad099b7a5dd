#pragma once

#include <QObject>
#include <QString>
#include <vector>

// The handler of one area's top-level commands (reports, graphs, analysis, export,
// dictionaries, files, help). The main window forwards each command to its area and asks it
// whether the command can run.
namespace orvelan {

class CORVELANApp;
class CMainFrame;

class CCommandArea : public QObject {
    Q_OBJECT
  public:
    CCommandArea(CORVELANApp& app, CMainFrame& frame);

    /// The command numbers this area handles.
    virtual std::vector<int> commands() const = 0;
    /// Whether the command is part of this build; commands that are not stay disabled.
    virtual bool isAvailable(int id) const = 0;
    virtual void run(int id) = 0;

  protected:
    /// True when the data files are open; otherwise tells the user why the command cannot run.
    bool requireData();
    /// True unless a data file was found cut short on disk; then says so, since the open tables
    /// could not be computed again.
    bool requireWholeData();

    CORVELANApp& app() const { return m_app; }
    CMainFrame& frame() const { return m_frame; }

  private:
    CORVELANApp& m_app;
    CMainFrame& m_frame;
};

} // namespace orvelan
