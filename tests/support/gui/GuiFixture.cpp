#include "GuiFixture.h"

#include "FixtureData.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CShell.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <filesystem>

namespace orvelan::test {

GuiFixture::GuiFixture() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QString::fromStdString(m_configDir.str())));
    qputenv("ORVELAN_NO_SPLASH", "1");
    // No test may reach a real browser or a real file dialog.
    CShell::setOpener([](const QUrl&) { return true; });
    CFileDialogs::setProvider([](const FileDialogRequest&) { return QString(); });
    m_watchdog.setInterval(20);
    connect(&m_watchdog, &QTimer::timeout, this, &GuiFixture::watch);
    m_watchdog.start();
}

GuiFixture::~GuiFixture() {
    stop();
    CShell::resetOpener();
    CFileDialogs::setProvider({});
}

CORVELANApp& GuiFixture::start(StartOptions options) {
    stop();
    if (options.dataDirectory.isEmpty()) {
        options.dataDirectory = QString::fromStdString(m_dataDir.str());
    }
    options.splash = false;
    m_app = std::make_unique<CORVELANApp>();
    m_app->startUp(options);
    QCoreApplication::processEvents();
    return *m_app;
}

void GuiFixture::stop() {
    if (m_app) {
        m_app->shutDown();
        m_app.reset();
    }
}

CMainFrame& GuiFixture::frame() const { return *m_app->mainFrame(); }

QString GuiFixture::defaultSettingsPath() const {
    return QString::fromStdString(m_configDir.str()) + QLatin1Char('/') +
           QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
           QStringLiteral(".ini");
}

QString GuiFixture::defaultSettingsText() const {
    QFile file(defaultSettingsPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

void GuiFixture::expectDialog(DialogHandler handler) { m_handlers.push_back(std::move(handler)); }

bool GuiFixture::waitForExpectedDialogs(int milliseconds) {
    return QTest::qWaitFor([this] { return m_handlers.empty(); }, milliseconds);
}

QStringList GuiFixture::takeUnexpectedDialogs() {
    QStringList dialogs = m_unexpected;
    m_unexpected.clear();
    return dialogs;
}

void GuiFixture::verifyDialogsHandled() {
    QVERIFY2(m_handlers.empty(), "an expected dialog never came");
    const QStringList unexpected = takeUnexpectedDialogs();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
}

QString GuiFixture::messageText(QWidget* dialog) {
    const auto* box = qobject_cast<QMessageBox*>(dialog);
    return box ? box->text() : QString();
}

GuiFixture::DialogHandler GuiFixture::captureText(QString& text) {
    return [&text](QWidget* dialog) {
        text = messageText(dialog);
        if (auto* box = qobject_cast<QDialog*>(dialog)) {
            box->reject();
        }
    };
}

void addPopulations(FixtureData& data, double personYears, std::initializer_list<int> populations,
                    int lastAgeGroup, char type) {
    PopulationFixture population;
    population.personYears = FixtureData::flatPersonYears(personYears, lastAgeGroup);
    population.type = type;
    for (int number : populations) {
        data.setPopulation(number, 0, population);
        data.setPopulation(number, 1, population);
    }
}

void GuiFixture::writeFixtureData() const {
    FixtureData data;
    addPopulations(data, 10000.0, {0});
    data.write(m_dataDir.str());
}

void GuiFixture::clearFolders() const {
    for (const TempDir* dir : {&m_configDir, &m_dataDir}) {
        for (const auto& entry : std::filesystem::directory_iterator(dir->path())) {
            std::filesystem::remove_all(entry.path());
        }
    }
}

void GuiFixture::watch() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || m_seen.contains(modal)) {
        return;
    }
    m_seen.append(modal);
    if (!m_handlers.empty()) {
        DialogHandler handler = std::move(m_handlers.front());
        m_handlers.pop_front();
        handler(modal);
        return;
    }
    m_unexpected.append(modal->windowTitle() + QStringLiteral(": ") + messageText(modal));
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

} // namespace orvelan::test
