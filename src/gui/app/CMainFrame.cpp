#include "gui/app/CMainFrame.h"

#include "core/data/Codes.h"
#include "gui/app/CAnalysisCommands.h"
#include "gui/app/CDictionaryCommands.h"
#include "gui/app/CExportCommands.h"
#include "gui/app/CFileCommands.h"
#include "gui/app/CGraphCommands.h"
#include "gui/app/CGraphStyleCommands.h"
#include "gui/app/CHelpCommands.h"
#include "gui/app/CIntervalCommands.h"
#include "gui/app/CORVELANApp.h"
#include "gui/app/CReportCommands.h"
#include "gui/app/CStandardCommands.h"
#include "gui/app/CommandTable.h"
#include "gui/app/MenuLayout.h"
#include "gui/app/ToolIcons.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CCommandTarget.h"
#include "gui/framework/CORVELANDoc.h"
#include "gui/framework/CommandIds.h"
#include "gui/graphs/CGraphDoc.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

namespace orvelan {

namespace {

constexpr std::array<MenuSet, 4> kMenuSets = {MenuSet::NoDocument, MenuSet::Tables, MenuSet::Graphs,
                                              MenuSet::StandardTableText};

} // namespace

CMainFrame::CMainFrame(CORVELANApp& app) : m_app(app) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("ORVELAN"));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    createActions();
    createAreas();
    createMenus();
    createToolBars();
    createStatusBar();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);
    connect(&m_app, &CORVELANApp::recentFilesChanged, this, &CMainFrame::updateRecentFileActions);
    switchMenus(MenuSet::NoDocument);
    updateRecentFileActions();
    updateCommandStates();
    resize(1000, 720);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::createActions() {
    for (const CommandInfo& info : allCommands()) {
        auto* action = new QAction(menuText(info), this);
        action->setObjectName(QStringLiteral("command%1").arg(info.id));
        action->setData(info.id);
        action->setStatusTip(statusText(info));
        action->setToolTip(toolTipText(info));
        action->setShortcut(QKeySequence(shortcutText(info)));
        action->setIcon(toolIcon(QString::fromLatin1(info.iconKey)));
        action->setIconVisibleInMenu(false);
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_actions.insert(id, action);
    }
    for (int id : {cmd::kToolbar, cmd::kStatusBar}) {
        m_actions[id]->setCheckable(true);
        m_actions[id]->setChecked(true);
    }
    m_actions[cmd::kSwap]->setCheckable(true); // checked while a report's rows are cancers
    m_actions[cmd::kLogScale]->setCheckable(true);
    m_actions[cmd::kVerticalLines]->setCheckable(true);
    for (int id = cmd::kRecentFile1; id <= cmd::kRecentFileLast; ++id) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("command%1").arg(id));
        action->setData(id);
        action->setStatusTip(QStringLiteral("Opens this document"));
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_actions.insert(id, action);
    }
    for (int id = cmd::kStandardUser1; id <= cmd::kStandardUserLast; ++id) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("command%1").arg(id));
        action->setData(id);
        action->setVisible(false); // until a standard file gives it its name
        action->setStatusTip(QStringLiteral("Standardises the World ASR to this standard"));
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_actions.insert(id, action);
    }
    m_noRecentFile = new QAction(QStringLiteral("Recent File"), this);
    m_noRecentFile->setEnabled(false);
}

void CMainFrame::createAreas() {
    const std::array<CCommandArea*, 10> areas = {
        new CReportCommands(m_app, *this),     new CGraphCommands(m_app, *this),
        new CAnalysisCommands(m_app, *this),   new CExportCommands(m_app, *this),
        new CDictionaryCommands(m_app, *this), new CFileCommands(m_app, *this),
        new CHelpCommands(m_app, *this),       new CIntervalCommands(m_app, *this),
        new CGraphStyleCommands(m_app, *this), new CStandardCommands(m_app, *this)};
    for (CCommandArea* area : areas) {
        for (int id : area->commands()) {
            m_areaOf[id] = area;
        }
    }
}

void CMainFrame::createMenus() {
    for (MenuSet set : kMenuSets) {
        QList<QMenu*> menus;
        for (const MenuEntry& entry : menuLayout(set)) {
            QMenu* menu = buildMenu(entry, this);
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
            menus.append(menu);
        }
        m_menus[set] = menus;
    }
}

void CMainFrame::listUserStandards() {
    if (const auto found = m_areaOf.find(cmd::kStandardUser1); found != m_areaOf.end()) {
        if (auto* area = dynamic_cast<CStandardCommands*>(found->second)) {
            area->listUserStandards();
        }
    }
}

QMenu* CMainFrame::buildMenu(const MenuEntry& entry, QWidget* parent) {
    auto* menu = new QMenu(QString::fromUtf8(entry.title), parent);
    for (const MenuEntry& child : entry.children) {
        if (child.id == kMenuSeparator) {
            menu->addSeparator();
        } else if (child.id == kMenuSubmenu) {
            menu->addMenu(buildMenu(child, menu));
        } else if (child.id == kMenuRecentFiles) {
            menu->addAction(m_noRecentFile);
            for (int id = cmd::kRecentFile1; id <= cmd::kRecentFileLast; ++id) {
                menu->addAction(m_actions[id]);
            }
        } else if (child.id == kMenuWindowList) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillWindowMenu(menu); });
        } else if (QAction* action = m_actions.value(child.id)) {
            menu->addAction(action);
        }
    }
    return menu;
}

void CMainFrame::createToolBars() {
    const auto addBar = [this](const QString& name, std::initializer_list<int> ids) {
        QToolBar* bar = addToolBar(name);
        bar->setObjectName(name);
        bar->setIconSize(QSize(16, 16));
        for (int id : ids) {
            if (id == kMenuSeparator) {
                bar->addSeparator();
            } else {
                bar->addAction(m_actions[id]);
            }
        }
        m_toolBars.append(bar);
    };
    addBar(QStringLiteral("Standard"),
           {cmd::kOpen, cmd::kSaveAs, kMenuSeparator, cmd::kCopy, kMenuSeparator, cmd::kPrint,
            cmd::kPrintPreview, kMenuSeparator, cmd::kAbout});
    addBar(QStringLiteral("Wizards"),
           {cmd::kNewReport, cmd::kNewGraph, cmd::kNewAnalysis, cmd::kExport});
    // The font size buttons serve tables and graphs; the rest of this bar is the graphs'.
    addBar(QStringLiteral("Dictionaries"),
           {cmd::kRegistryDictionary, cmd::kCancerDictionary, kMenuSeparator, cmd::kDecreaseFont,
            cmd::kIncreaseFont, kMenuSeparator, cmd::kGraphBackgroundColour, cmd::kGraphTextColour,
            cmd::kBarColour, kMenuSeparator, cmd::kLogScale, cmd::kAgeRange, cmd::kVerticalLines,
            kMenuSeparator, cmd::kPieLarger, cmd::kPieSmaller});

    QToolBar* fontBar = addToolBar(QStringLiteral("Font"));
    fontBar->setObjectName(QStringLiteral("Font"));
    fontBar->addWidget(new QLabel(QStringLiteral(" Font: "), fontBar));
    m_fontNameBox = new QComboBox(fontBar);
    m_fontNameBox->setObjectName(QStringLiteral("fontNameBox"));
    for (std::string_view face : kFontFaces) {
        m_fontNameBox->addItem(
            QString::fromLatin1(face.data(), static_cast<qsizetype>(face.size())));
    }
    m_fontNameBox->setCurrentIndex(0);
    m_fontNameBox->setMinimumContentsLength(14);
    connect(m_fontNameBox, &QComboBox::currentTextChanged, this, &CMainFrame::fontFaceChanged);
    fontBar->addWidget(m_fontNameBox);
    m_toolBars.append(fontBar);
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    auto* ready = new QLabel(QStringLiteral("Ready"), bar);
    ready->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(ready, 1);
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromLatin1(indicator), bar);
        pane->setObjectName(QStringLiteral("pane") + QString::fromLatin1(indicator));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(pane);
    }
}

QList<QMenu*> CMainFrame::menus(MenuSet set) const {
    const auto found = m_menus.find(set);
    return found == m_menus.end() ? QList<QMenu*>() : found->second;
}

void CMainFrame::switchMenus(MenuSet set) {
    m_currentSet = set;
    QMenuBar* bar = menuBar();
    bar->clear();
    for (QMenu* menu : m_menus[set]) {
        bar->addMenu(menu);
    }
}

QString CMainFrame::nextUntitledTitle(const QString& documentName) {
    // The four table types share the document name "Report": one count per name, so that no
    // two windows of a run are called alike, and never the title of a window still open.
    QStringList open;
    for (const CChildFrame* frame : childFrames()) {
        open.append(frame->document()->title());
    }
    int& count = m_untitledCount[documentName];
    QString title;
    do {
        title = documentName + QString::number(++count);
    } while (open.contains(title));
    return title;
}

void CMainFrame::placeNewDocument(CChildFrame* frame) {
    // The document area is not laid out before the main window's first show.
    const QSize area = m_mdiArea->isVisible() ? m_mdiArea->viewport()->size() : size() * 0.85;
    const QSize wanted(std::max(320, area.width() * 3 / 4), std::max(240, area.height() * 3 / 4));
    const QSize fitted(std::min(wanted.width(), std::max(1, area.width())),
                       std::min(wanted.height(), std::max(1, area.height())));
    frame->resize(fitted);
    // Cascade from the top left by one title bar per window already open, starting again at
    // the corner before a window would reach past the area's right or bottom edge.
    const int step = std::max(16, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame));
    const int room = std::min(area.width() - fitted.width(), area.height() - fitted.height());
    const int places = std::max(1, room / step + 1);
    const auto others = static_cast<int>(m_mdiArea->subWindowList().size()) - 1;
    const int offset = (std::max(0, others) % places) * step;
    frame->move(offset, offset);
}

CChildFrame* CMainFrame::openDocument(DocumentType type, QWidget* view, const QString& title) {
    const DocTemplate& tmpl = docTemplate(type);
    CDocument* document = tmpl.graph ? static_cast<CDocument*>(new CGraphDoc(type))
                                     : static_cast<CDocument*>(new CORVELANDoc(type));
    document->setTitle(title.isEmpty() ? nextUntitledTitle(docStringField(tmpl, 1)) : title);
    auto* frame = new CChildFrame(document, view);
    m_mdiArea->addSubWindow(frame);
    placeNewDocument(frame);
    if (view->metaObject()->indexOfSignal("commandStateChanged()") >= 0) {
        connect(view, SIGNAL(commandStateChanged()), this, SLOT(updateCommandStates()));
    }
    // Views that draw in a face of the font bar follow it for as long as they live.
    if (view->metaObject()->indexOfSlot("setFontFace(QString)") >= 0) {
        connect(this, SIGNAL(fontFaceChanged(QString)), view, SLOT(setFontFace(QString)));
    }
    connect(document, &CDocument::titleChanged, this, &CMainFrame::updateTitle);
    frame->show();
    m_mdiArea->setActiveSubWindow(frame);
    view->setFocus();
    onSubWindowActivated(frame);
    return frame;
}

CChildFrame* CMainFrame::activeChild() const {
    return qobject_cast<CChildFrame*>(m_mdiArea->activeSubWindow());
}

QList<CChildFrame*> CMainFrame::childFrames() const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (auto* frame = qobject_cast<CChildFrame*>(window)) {
            frames.append(frame);
        }
    }
    return frames;
}

void CMainFrame::onSubWindowActivated(QMdiSubWindow* window) {
    const auto* frame = qobject_cast<CChildFrame*>(window);
    if (frame == nullptr && !m_mdiArea->subWindowList().isEmpty()) {
        return; // the area lost focus; the last active document stays current
    }
    const MenuSet set = frame ? menuSetOf(frame->document()->type()) : MenuSet::NoDocument;
    if (set != m_currentSet) {
        switchMenus(set);
    }
    updateTitle();
    updateCommandStates();
}

void CMainFrame::updateTitle() {
    const CChildFrame* frame = activeChild();
    setWindowTitle(frame ? QStringLiteral("ORVELAN - ") + frame->document()->title()
                         : QStringLiteral("ORVELAN"));
}

void CMainFrame::runCommand(int id) {
    if (CChildFrame* frame = activeChild()) {
        CCommandTarget* target = frame->commandTarget();
        if (target && target->handlesCommand(id)) {
            if (target->isCommandEnabled(id)) {
                target->runCommand(id);
            }
            updateCommandStates();
            return;
        }
    }
    const auto area = m_areaOf.find(id);
    if (area != m_areaOf.end()) {
        if (area->second->isAvailable(id)) {
            area->second->run(id);
        }
    } else {
        runWindowCommand(id);
    }
    updateCommandStates();
}

void CMainFrame::updateCommandStates() {
    CChildFrame* frame = activeChild();
    CCommandTarget* target = frame ? frame->commandTarget() : nullptr;
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const int id = it.key();
        bool enabled = false;
        if (target && target->handlesCommand(id)) {
            enabled = target->isCommandEnabled(id);
            if (id == cmd::kSwap || id == cmd::kLogScale || id == cmd::kVerticalLines) {
                it.value()->setChecked(target->isCommandChecked(id));
            }
        } else if (id == cmd::kLogScale || id == cmd::kVerticalLines) {
            it.value()->setChecked(false);
        } else if (const auto area = m_areaOf.find(id); area != m_areaOf.end()) {
            enabled = area->second->isAvailable(id);
        } else {
            enabled = windowCommandEnabled(id);
        }
        it.value()->setEnabled(enabled);
    }
}

bool CMainFrame::windowCommandEnabled(int id) const {
    const bool hasChild = !m_mdiArea->subWindowList().isEmpty();
    switch (id) {
    case cmd::kToolbar:
    case cmd::kStatusBar:
    case cmd::kExit:
        return true;
    case cmd::kClose:
    case cmd::kWindowCascade:
    case cmd::kWindowTile:
    case cmd::kWindowArrange:
        return hasChild;
    default:
        return false; // a view command without an active view that handles it
    }
}

bool CMainFrame::runWindowCommand(int id) {
    switch (id) {
    case cmd::kToolbar: {
        const bool show = m_actions[cmd::kToolbar]->isChecked();
        for (QToolBar* bar : m_toolBars) {
            bar->setVisible(show);
        }
        return true;
    }
    case cmd::kStatusBar:
        statusBar()->setVisible(m_actions[cmd::kStatusBar]->isChecked());
        return true;
    case cmd::kExit:
        close();
        return true;
    case cmd::kClose:
        m_mdiArea->closeActiveSubWindow();
        return true;
    case cmd::kWindowCascade:
        m_mdiArea->cascadeSubWindows();
        return true;
    case cmd::kWindowTile:
        m_mdiArea->tileSubWindows();
        return true;
    case cmd::kWindowArrange:
        for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
            if (window->isMinimized()) {
                window->showMinimized();
            }
        }
        return true;
    default:
        return false;
    }
}

namespace {

// A recent file's entry in the File menu: a long path loses its middle so that the menu stays
// narrow, and "&" is doubled so that it shows instead of marking a mnemonic. The entry opens the
// file by its place in the list, and the full path is the entry's tool tip.
QString recentEntryText(const QString& path) {
    constexpr int kWidestEntryInCharacters = 60;
    const QFontMetrics metrics(QApplication::font("QMenu"));
    QString text = metrics.elidedText(path, Qt::ElideMiddle,
                                      metrics.averageCharWidth() * kWidestEntryInCharacters);
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void CMainFrame::updateRecentFileActions() {
    const auto& paths = m_app.recentFiles().paths();
    for (int i = 0; i <= cmd::kRecentFileLast - cmd::kRecentFile1; ++i) {
        QAction* action = m_actions[cmd::kRecentFile1 + i];
        const bool used = static_cast<std::size_t>(i) < paths.size();
        action->setVisible(used);
        if (used) {
            const QString path = QString::fromStdString(paths[static_cast<std::size_t>(i)]);
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1 == 10 ? 0 : i + 1).arg(recentEntryText(path)));
            action->setToolTip(path);
        }
    }
    m_noRecentFile->setVisible(paths.empty());
    updateCommandStates();
}

void CMainFrame::fillWindowMenu(QMenu* menu) {
    for (QAction* old : m_windowListActions) {
        menu->removeAction(old);
        old->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    if (!windows.isEmpty()) {
        m_windowListActions.append(menu->addSeparator());
    }
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* entry =
            menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(window == m_mdiArea->activeSubWindow());
        connect(entry, &QAction::triggered, this,
                [this, window] { m_mdiArea->setActiveSubWindow(window); });
        m_windowListActions.append(entry);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Each document closes as if closed by hand, so that a graph can offer to keep its colours
    // before the settings are written.
    m_mdiArea->closeAllSubWindows();
    QMainWindow::closeEvent(event);
}

void CMainFrame::showError(const QString& message) {
    QMessageBox::warning(this, QStringLiteral("ORVELAN"), message);
}

void CMainFrame::showDataProblems() {
    showStatusMessage(
        QStringLiteral("Data files missing: tables, graphs, analyses and exports cannot run"));
    QMessageBox::warning(this, QStringLiteral("ORVELAN"), m_app.dataProblemMessage());
}

void CMainFrame::showStatusMessage(const QString& message) {
    statusBar()->showMessage(message, 10000);
}

} // namespace orvelan
