#pragma once

#include "FixtureData.h"
#include "GuiFixture.h"
#include "ModalWatch.h"
#include "TempDir.h"
#include "TreeHelpers.h"
#include "core/data/CIncidenceStore.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/graphs/CColourDialog.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CTemplateSaveDialog.h"

#include <QDir>
#include <QWizard>
#include <QtTest>
#include <cstdio>
#include <initializer_list>
#include <memory>

// What every wizard test needs: a data folder with a store and both user group dictionaries on
// it, the remembered choices the wizard starts from, the wizard itself, a watch on its message
// boxes, and the buttons a user presses.
namespace orvelan::test {

/// A named child widget of a page; warns (and gives null) when the page has none.
template <typename T> T* child(QWidget* parent, const QString& name) {
    T* widget = parent->findChild<T*>(name);
    if (widget == nullptr) {
        qWarning("no widget %s", qPrintable(name));
    }
    return widget;
}
template <typename T> T* child(QWidget* parent, const char* name) {
    return child<T>(parent, QString::fromLatin1(name));
}

template <typename Wizard, typename Remembered> class WizardHarness {
  public:
    /// Populations with 10,000 person-years a group, both sexes: `full` up to 85+, `endingAt75`
    /// up to 75+.
    static FixtureData populations(std::initializer_list<int> full,
                                   std::initializer_list<int> endingAt75 = {}) {
        FixtureData data;
        addPopulations(data, 10000.0, full);
        addPopulations(data, 10000.0, endingAt75, 15);
        return data;
    }

    /// Writes the data into the data folder and opens the store on it with the user groups.
    void openStore(const FixtureData& data) {
        data.write(dataDir.str());
        QVERIFY(store.open(dataDir.str()));
        store.setUserGroups(&cancerGroups, &registryGroups);
    }

    /// Empty user group dictionaries, no templates, fresh choices and no pending messages.
    void resetFolder() {
        QDir(QString::fromStdString(dataDir.file("Templates"))).removeRecursively();
        std::remove(dataDir.file("POPuser.dic").c_str());
        std::remove(dataDir.file("ICDuser.dic").c_str());
        QVERIFY(registryGroups.load(dataDir.file("POPuser.dic")).ok());
        QVERIFY(cancerGroups.load(dataDir.file("ICDuser.dic")).ok());
        remembered = Remembered{};
        watch.takeMessages();
        watch.icons().clear();
    }

    /// Closes the wizard, forgets the stand-ins for the file and colour dialogs, and fails the
    /// test if an expected message box never came or another one was left unread.
    void closeWizard() {
        wizard.reset();
        CTemplateSaveDialog::setProvider({});
        CColourDialog::setProvider({});
        CFileDialogs::setProvider({});
        watch.verify();
    }

    /// The context of the report, graph and statistics wizards: store, groups, data folder.
    template <typename Context> Context context() {
        return Context{store, registryGroups, cancerGroups, QString::fromStdString(dataDir.str())};
    }
    template <typename Context> void open(const Context& wizardContext) {
        wizard = std::make_unique<Wizard>(remembered, wizardContext);
        wizard->show();
        QVERIFY(QTest::qWaitForWindowExposed(wizard.get()));
    }

    QWidget* page() const { return wizard->currentPage(); }
    /// A named widget of the current page.
    template <typename T> T* on(const char* name) const { return child<T>(page(), name); }
    /// The wizard shows this page.
    void at(int id) const { QCOMPARE(wizard->currentId(), id); }
    /// The message boxes shown since the last look were these, in this order.
    void says(const QStringList& texts = {}) { QCOMPARE(watch.takeMessages(), texts); }
    void next(int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        }
    }
    void back() { QTest::mouseClick(wizard->button(QWizard::BackButton), Qt::LeftButton); }
    void finish() {
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        QCOMPARE(wizard->result(), int(QDialog::Accepted));
    }
    void finishRefused() {
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        QVERIFY(wizard->isVisible());
    }
    /// Clicks the item of a tree on the current page that shows this text.
    void tick(const char* treeName, const QString& text) {
        auto* tree = child<CSelectionTree>(page(), treeName);
        QTreeWidgetItem* item = treehelp::itemByText(tree, text);
        QVERIFY2(item != nullptr, qPrintable(text));
        treehelp::click(tree, item);
    }
    /// Clicks the item of a tree on the current page that stands for this value.
    void tickValue(const char* treeName, int value) {
        auto* tree = on<CSelectionTree>(treeName);
        treehelp::click(tree, tree->findValue(value));
    }
    QString templates() const { return QString::fromStdString(dataDir.file("Templates")); }

    TempDir dataDir;
    CIncidenceStore store;
    CUserGroupDictionary registryGroups{GroupKind::Registry};
    CUserGroupDictionary cancerGroups{GroupKind::Cancer};
    Remembered remembered;
    std::unique_ptr<Wizard> wizard;
    ModalWatch watch;
};

} // namespace orvelan::test
