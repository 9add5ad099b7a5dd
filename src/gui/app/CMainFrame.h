#pragma once

#include "gui/framework/DocumentTypes.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <map>

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The main window: a multiple-document area, four menu sets that follow the active document,
// three toolbars and the font bar, and a status bar with four panes. It owns one action per
// command and forwards each command to the active view or to the handler of its area.
namespace orvelan {

class CORVELANApp;
class CChildFrame;
class CCommandArea;
struct MenuEntry;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(CORVELANApp& app);
    ~CMainFrame() override;

    /// Opens a document of a type with its view in a new child window. The title defaults to
    /// the document name and a per-type number ("Table1", "Graph2").
    CChildFrame* openDocument(DocumentType type, QWidget* view, const QString& title = {});
    CChildFrame* activeChild() const;
    QList<CChildFrame*> childFrames() const;
    QMdiArea* mdiArea() const { return m_mdiArea; }

    MenuSet currentMenuSet() const { return m_currentSet; }
    /// The action of a command number; nullptr when the program has no such command.
    QAction* action(int id) const { return m_actions.value(id, nullptr); }
    /// The top-level menus of a menu set, in menu-bar order.
    QList<QMenu*> menus(MenuSet set) const;
    QComboBox* fontNameBox() const { return m_fontNameBox; }
    QList<QToolBar*> toolBars() const { return m_toolBars; }

    /// Forwards a command: the active view first, then the area that owns it, then the window.
    void runCommand(int id);

    void showError(const QString& message);
    /// Offers the user standards of the data directory's Templates folder in the View menu.
    void listUserStandards();
    void showDataProblems();
    void showStatusMessage(const QString& message);

  public slots:
    /// Enables each command as its handler says.
    void updateCommandStates();

  signals:
    /// The font bar's face changed; views that let the user choose a face follow it.
    void fontFaceChanged(const QString& face);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createActions();
    void createAreas();
    void createMenus();
    QMenu* buildMenu(const MenuEntry& entry, QWidget* parent);
    void createToolBars();
    void createStatusBar();
    void switchMenus(MenuSet set);
    void onSubWindowActivated(QMdiSubWindow* window);
    void updateRecentFileActions();
    void fillWindowMenu(QMenu* menu);
    bool runWindowCommand(int id);
    bool windowCommandEnabled(int id) const;
    void updateTitle();
    QString nextUntitledTitle(const QString& documentName);
    void placeNewDocument(CChildFrame* frame);

    CORVELANApp& m_app;
    QMdiArea* m_mdiArea = nullptr;
    QHash<int, QAction*> m_actions;
    std::map<int, CCommandArea*> m_areaOf;
    std::map<MenuSet, QList<QMenu*>> m_menus;
    MenuSet m_currentSet = MenuSet::NoDocument;
    QAction* m_noRecentFile = nullptr;
    QList<QAction*> m_windowListActions;
    QList<QToolBar*> m_toolBars;
    QComboBox* m_fontNameBox = nullptr;
    QHash<QString, int> m_untitledCount; // by document name ("Report", "Graph", "Table")
};

} // namespace orvelan
