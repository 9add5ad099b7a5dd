// Drives the desktop program as a user would: each wizard page by page, each view it opens,
// the result dialogs and the help window, saving one picture of each into the guide's folder.
//
//   orvelan-guide-shots --data DIR --out DIR
//
// The program runs on the data folder with a scratch settings file; a page that refuses to go
// on, or a message nobody expected, ends the run with status 1 after naming it.
#include "TreeHelpers.h"
#include "gui/analysis/CCMPtwoGraph.h"
#include "gui/analysis/CCMPtwoResult.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/app/StartOptions.h"
#include "gui/data/CSelectionTree.h"
#include "gui/framework/CommandIds.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CShell.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QWizard>
#include <cstdio>
#include <deque>
#include <functional>

using namespace orvelan;

namespace {

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

QString g_out;
int g_failures = 0;

void fail(const QString& what) {
    err() << "guide-shots: " << what << Qt::endl;
    ++g_failures;
}

void shoot(QWidget* widget, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = g_out + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!widget->grab().save(path)) {
        fail(QStringLiteral("cannot write %1").arg(path));
    }
}

template <typename T> T* child(QWidget* parent, const char* name) {
    return parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

QWizard* activeWizard() { return qobject_cast<QWizard*>(QApplication::activeModalWidget()); }

/// Ticks the items of a tree on the page that show these texts (already ticked ones stay).
void tick(QWidget* page, const char* treeName, const QStringList& texts) {
    auto* tree = child<CSelectionTree>(page, treeName);
    if (!tree) {
        fail(QStringLiteral("no %1 on the page").arg(QString::fromLatin1(treeName)));
        return;
    }
    for (const QString& text : texts) {
        QTreeWidgetItem* item = treehelp::itemByText(tree, text);
        if (!item) {
            fail(QStringLiteral("no item '%1' in %2").arg(text, QString::fromLatin1(treeName)));
            continue;
        }
        const StateImage state = CSelectionTree::imageOf(item);
        if (state != StateImage::Ticked && state != StateImage::GroupTicked) {
            treehelp::click(tree, item);
        }
    }
}

void setChecked(QWidget* page, const char* name, bool on) {
    if (auto* box = child<QAbstractButton>(page, name)) {
        if (box->isChecked() != on) {
            box->click();
        }
    } else {
        fail(QStringLiteral("no %1 on the page").arg(QString::fromLatin1(name)));
    }
}

// The script: steps run one after another from a timer, so that they also run inside the
// modal loops of the wizards and dialogs they open. A step returns false to be tried again.
class Script : public QObject {
  public:
    using Step = std::function<bool()>;

    void add(Step step) { m_steps.push_back(std::move(step)); }
    /// Runs a step once, later: a command that opens a modal wizard does not block the script.
    void trigger(CMainFrame& frame, int command) {
        add([&frame, command] {
            QTimer::singleShot(0, &frame, [&frame, command] { frame.action(command)->trigger(); });
            return true;
        });
    }
    /// A wizard walked page by page: pages[i] prepares page i (shot as "<name>-<i+1>"), then
    /// Next, or Finish after the last one.
    void wizard(const QString& name, std::vector<std::function<void(QWidget*)>> pages) {
        auto index = std::make_shared<std::size_t>(0);
        auto lastId = std::make_shared<int>(-2);
        const std::size_t count = pages.size();
        auto shared = std::make_shared<std::vector<std::function<void(QWidget*)>>>(pages);
        for (std::size_t i = 0; i < count; ++i) {
            add([=] {
                QWizard* wizard = activeWizard();
                if (!wizard) {
                    return false;
                }
                if (wizard->currentId() == *lastId) {
                    fail(QStringLiteral("%1: page %2 does not go on").arg(name).arg(i));
                    shoot(wizard, name + QStringLiteral("-stuck"));
                    wizard->reject();
                    return true;
                }
                QWidget* page = wizard->currentPage();
                (*shared)[i](page);
                QCoreApplication::processEvents();
                shoot(wizard, QStringLiteral("%1-%2").arg(name).arg(i + 1));
                *lastId = wizard->currentId();
                *index = i;
                const bool last = i + 1 == count;
                QAbstractButton* button =
                    wizard->button(last ? QWizard::FinishButton : QWizard::NextButton);
                // Clicked from the event loop: a message the click brings up runs its own loop,
                // in which the script goes on.
                QPointer<QWizard> guard(wizard);
                QTimer::singleShot(0, button, [button, guard, last, name] {
                    QTest::mouseClick(button, Qt::LeftButton);
                    if (last && guard && guard->isVisible()) {
                        fail(QStringLiteral("%1: Finish refused").arg(name));
                        guard->reject();
                    }
                });
                return true;
            });
        }
    }
    /// Waits for a modal dialog of this class, lets `act` handle it.
    template <typename T> void dialog(std::function<void(T*)> act) {
        add([act] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog) {
                return false;
            }
            act(dialog);
            return true;
        });
    }
    /// A message that may come (e.g. the export wizard's note on its duration): it is shot as
    /// "<name>" and answered with OK instead of failing the run.
    void allowMessage(const QString& start, const QString& name) { m_allowed[start] = name; }
    void run() {
        connect(&m_timer, &QTimer::timeout, this, [this] { tickOnce(); });
        m_timer.start(40);
        m_deadline.start();
    }

  private:
    void tickOnce() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            for (auto it = m_allowed.cbegin(); it != m_allowed.cend(); ++it) {
                if (box->text().startsWith(it.key())) {
                    shoot(box, it.value());
                    box->accept();
                    return;
                }
            }
            fail(QStringLiteral("unexpected message: %1").arg(box->text()));
            box->reject();
            return;
        }
        if (m_steps.empty()) {
            m_timer.stop();
            QCoreApplication::exit(g_failures == 0 ? 0 : 1);
            return;
        }
        if (m_deadline.elapsed() > 20000) {
            fail(QStringLiteral("a step waited for 20 s for its window"));
            m_steps.pop_front();
            m_deadline.restart();
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
            return;
        }
        Step step = m_steps.front();
        if (step()) {
            m_steps.pop_front();
            m_deadline.restart();
        }
    }

    std::deque<Step> m_steps;
    QMap<QString, QString> m_allowed;
    QTimer m_timer;
    QElapsedTimer m_deadline;
};

/// Shows only the active document, maximised, and shoots the whole window.
void shootWindow(Script& script, CMainFrame& frame, const QString& name) {
    script.add([&frame, name] {
        if (QApplication::activeModalWidget()) {
            return false;
        }
        // The first document opened (males before females) is the one shown.
        const QList<QMdiSubWindow*> windows = frame.mdiArea()->subWindowList();
        if (!windows.isEmpty()) {
            frame.mdiArea()->setActiveSubWindow(windows.first());
            windows.first()->showMaximized();
        }
        shoot(&frame, name);
        return true;
    });
}

void closeDocuments(Script& script, CMainFrame& frame) {
    script.add([&frame] {
        frame.mdiArea()->closeAllSubWindows();
        return true;
    });
}

const QStringList kRegistries = {QStringLiteral("Algiers"), QStringLiteral("Bamako"),
                                 QStringLiteral("The Gambia")};

void nothing(QWidget*) {}

void reportShots(Script& s, CMainFrame& frame) {
    // Summary rates of stomach cancer in three registries.
    s.trigger(frame, cmd::kNewReport);
    s.wizard(QStringLiteral("report-summary"),
             {[](QWidget* page) { setChecked(page, "kind0", true); },
              [](QWidget* page) {
                  setChecked(page, "fixCancer", true);
                  tick(page, "cancerTree", {QStringLiteral("Stomach")});
              },
              [](QWidget* page) { tick(page, "registryTree", kRegistries); },
              [](QWidget* page) {
                  setChecked(page, "interval", true);
                  setChecked(page, "male", true);
                  setChecked(page, "female", true);
              }});
    shootWindow(s, frame, QStringLiteral("view-summary-rates"));
    s.add([&frame] {
        frame.mdiArea()->tileSubWindows();
        shoot(&frame, QStringLiteral("window-documents"));
        return true;
    });
    closeDocuments(s, frame);

    // Age-specific rates.
    s.trigger(frame, cmd::kNewReport);
    s.wizard(QStringLiteral("report-age-specific"),
             {[](QWidget* page) { setChecked(page, "kind1", true); }, nothing, nothing,
              [](QWidget* page) {
                  setChecked(page, "male", true);
                  setChecked(page, "female", false);
              }});
    shootWindow(s, frame, QStringLiteral("view-age-specific-rates"));
    closeDocuments(s, frame);

    // A report of the user's design: World ASRs of two cancers in three registries.
    s.trigger(frame, cmd::kNewReport);
    s.wizard(QStringLiteral("report-user"),
             {[](QWidget* page) { setChecked(page, "kind2", true); },
              [](QWidget* page) { tick(page, "registryTree", kRegistries); },
              [](QWidget* page) {
                  tick(page, "cancerTree", {QStringLiteral("Stomach"), QStringLiteral("Colon")});
              },
              [](QWidget* page) {
                  setChecked(page, "male", true);
                  setChecked(page, "female", true);
                  setChecked(page, "interval", true);
              },
              nothing, nothing});
    shootWindow(s, frame, QStringLiteral("view-report"));
    closeDocuments(s, frame);

    // The standard table of one registry.
    s.trigger(frame, cmd::kNewReport);
    s.wizard(QStringLiteral("report-standard"),
             {[](QWidget* page) { setChecked(page, "kind4", true); },
              [](QWidget* page) { tick(page, "registryTree", {QStringLiteral("The Gambia")}); }});
    shootWindow(s, frame, QStringLiteral("view-standard-table"));
    closeDocuments(s, frame);
}

void graphShots(Script& s, CMainFrame& frame) {
    s.trigger(frame, cmd::kNewGraph);
    s.wizard(QStringLiteral("graph-curves"),
             {[](QWidget* page) { setChecked(page, "kind0", true); },
              [](QWidget* page) {
                  tick(page, "registryTree", kRegistries);
                  tick(page, "cancerTree", {QStringLiteral("Stomach")});
                  setChecked(page, "male", true);
                  setChecked(page, "female", false);
              },
              nothing});
    shootWindow(s, frame, QStringLiteral("view-curves"));
    closeDocuments(s, frame);

    s.trigger(frame, cmd::kNewGraph);
    s.wizard(QStringLiteral("graph-bars"),
             {[](QWidget* page) { setChecked(page, "kind1", true); },
              [](QWidget* page) {
                  setChecked(page, "cancerChart", true);
                  setChecked(page, "male", true);
              },
              [](QWidget* page) { tick(page, "cancerTree", {QStringLiteral("Stomach")}); },
              [](QWidget* page) {
                  tick(page, "registryTree",
                       {QStringLiteral("Algiers"), QStringLiteral("Bamako"),
                        QStringLiteral("The Gambia"), QStringLiteral("Villa Clara"),
                        QStringLiteral("Costa Rica")});
              },
              nothing});
    shootWindow(s, frame, QStringLiteral("view-bars"));
    closeDocuments(s, frame);

    s.trigger(frame, cmd::kNewGraph);
    s.wizard(QStringLiteral("graph-pie"), {[](QWidget* page) { setChecked(page, "kind2", true); },
                                           [](QWidget* page) {
                                               setChecked(page, "female", true);
                                               tick(page, "registryTree",
                                                    {QStringLiteral("Algiers")});
                                           },
                                           nothing});
    shootWindow(s, frame, QStringLiteral("view-pie"));
    closeDocuments(s, frame);

    s.trigger(frame, cmd::kNewGraph);
    s.wizard(QStringLiteral("graph-pyramid"),
             {[](QWidget* page) { setChecked(page, "kind3", true); },
              [](QWidget* page) { tick(page, "registryTree", {QStringLiteral("Algiers")}); }});
    shootWindow(s, frame, QStringLiteral("view-pyramid"));
    closeDocuments(s, frame);
}

void analysisShots(Script& s, CMainFrame& frame) {
    // Two curves: stomach cancer in men, Algiers against Bamako.
    s.trigger(frame, cmd::kNewAnalysis);
    s.wizard(QStringLiteral("stats-two"),
             {[](QWidget* page) { setChecked(page, "twoCurves", true); },
              [](QWidget* page) {
                  tick(page, "cancerTree", {QStringLiteral("Stomach")});
                  tick(page, "registryTree", {QStringLiteral("Algiers")});
                  setChecked(page, "male", true);
              },
              [](QWidget* page) {
                  tick(page, "registryTree", {QStringLiteral("The Gambia")});
                  setChecked(page, "male", true);
              }});
    s.dialog<CCMPtwoResult>([](CCMPtwoResult* results) {
        shoot(results, QStringLiteral("view-two-curves"));
        QTimer::singleShot(0, results, [results] {
            QTest::mouseClick(child<QAbstractButton>(results, "showCurves"), Qt::LeftButton);
        });
    });
    s.add([] {
        auto* graph = qobject_cast<CCMPtwoGraph*>(QApplication::activeModalWidget());
        if (!graph) {
            return false;
        }
        shoot(graph, QStringLiteral("view-two-curves-graph"));
        graph->close();
        return true;
    });
    s.add([] {
        auto* results = qobject_cast<CCMPtwoResult*>(QApplication::activeModalWidget());
        if (!results) {
            return false;
        }
        results->close();
        return true;
    });

    // Several populations against a reference.
    s.trigger(frame, cmd::kNewAnalysis);
    s.wizard(QStringLiteral("stats-several"),
             {[](QWidget* page) { setChecked(page, "severalPopulations", true); }, nothing,
              [](QWidget* page) {
                  tick(page, "registryTree",
                       {QStringLiteral("Bamako"), QStringLiteral("The Gambia"),
                        QStringLiteral("Villa Clara"), QStringLiteral("Costa Rica")});
              }});
    shootWindow(s, frame, QStringLiteral("view-several-curves"));
    closeDocuments(s, frame);

    // A curve typed in: only its page is shown, then the wizard is left.
    s.trigger(frame, cmd::kNewAnalysis);
    s.add([] {
        QWizard* wizard = activeWizard();
        if (!wizard) {
            return false;
        }
        setChecked(wizard->currentPage(), "userDefined", true);
        QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QWidget* page = wizard->currentPage();
        const double cases[18] = {0, 0, 0, 1, 2, 3, 5, 8, 12, 18, 25, 33, 41, 47, 50, 48, 40, 35};
        const auto type = [page](const QString& name, const QString& text) {
            if (auto* field = page->findChild<QLineEdit*>(name)) {
                field->selectAll();
                QTest::keyClicks(field, text);
            }
        };
        for (int j = 0; j < 18; ++j) {
            type(QStringLiteral("cases%1").arg(j), QString::number(cases[j]));
            type(QStringLiteral("personYears%1").arg(j),
                 QString::number(j < 14 ? 250000 - j * 12000 : 60000 - j * 2500));
        }
        type(QStringLiteral("title"), QStringLiteral("My registry, stomach, men"));
        shoot(wizard, QStringLiteral("stats-user"));
        wizard->reject();
        return true;
    });
}

void exportShots(Script& s, CMainFrame& frame) {
    s.allowMessage(QStringLiteral("Depending on your computer"), QStringLiteral("export-duration"));
    s.trigger(frame, cmd::kExport);
    s.wizard(QStringLiteral("export"),
             {[](QWidget* page) { tick(page, "registryTree", kRegistries); },
              [](QWidget* page) {
                  tick(page, "cancerTree", {QStringLiteral("Stomach")});
                  setChecked(page, "male", true);
                  setChecked(page, "female", true);
              },
              [](QWidget* page) {
                  if (auto* format = child<QComboBox>(page, "format")) {
                      format->setCurrentIndex(2);
                  }
                  if (auto* name = child<QLineEdit>(page, "fileName")) {
                      name->setText(QStringLiteral("stomach"));
                  }
              }});
    s.allowMessage(QStringLiteral("Done!"), QStringLiteral("export-done"));
}

void otherShots(Script& s, CMainFrame& frame) {
    s.trigger(frame, cmd::kNewRegistryGroup);
    s.dialog<QDialog>([](QDialog* dialog) {
        // Looking for the Nordic registries by name: "den" finds Denmark and Sweden.
        auto* tree = dialog->findChild<CSelectionTree*>();
        if (!tree || !tree->filterField()) {
            fail(QStringLiteral("no filtered tree in the group dialog"));
        } else {
            tree->filterField()->setText(QStringLiteral("den"));
            tick(dialog, nullptr, {QStringLiteral("Denmark")});
        }
        shoot(dialog, QStringLiteral("group-registry"));
        dialog->reject();
    });
    s.trigger(frame, cmd::kWebUserGuide);
    s.add([&frame] {
        auto* window = frame.findChild<QDialog*>(QStringLiteral("helpWindow"));
        if (!window || !window->isVisible()) {
            return false;
        }
        window->resize(900, 600);
        shoot(window, QStringLiteral("help-window"));
        window->close();
        return true;
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QString data;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--data")) {
            data = arguments[i + 1];
        } else if (arguments[i] == QLatin1String("--out")) {
            g_out = arguments[i + 1];
        }
    }
    if (data.isEmpty() || g_out.isEmpty()) {
        err() << "usage: orvelan-guide-shots --data DIR --out DIR" << Qt::endl;
        return 2;
    }
    QDir().mkpath(g_out);
    QTemporaryDir scratch;
    // Nothing leaves the program: no browser, no file dialog.
    CShell::setOpener([](const QUrl&) { return false; });
    CFileDialogs::setProvider([](const FileDialogRequest&) { return QString(); });

    CORVELANApp app;
    StartOptions options;
    options.dataDirectory = data;
    options.settingsFile = scratch.filePath(QStringLiteral("orvelan.ini"));
    options.splash = false;
    if (!app.startUp(options) || !app.hasData()) {
        err() << "guide-shots: the program cannot use the data in " << data << Qt::endl;
        return 1;
    }
    CMainFrame& frame = *app.mainFrame();
    frame.resize(1040, 580);
    frame.show();

    Script script;
    shootWindow(script, frame, QStringLiteral("window"));
    reportShots(script, frame);
    graphShots(script, frame);
    analysisShots(script, frame);
    exportShots(script, frame);
    otherShots(script, frame);
    script.run();
    const int status = QApplication::exec();
    app.shutDown();
    return status;
}
