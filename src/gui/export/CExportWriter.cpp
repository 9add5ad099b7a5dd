#include "gui/export/CExportWriter.h"

#include "core/data/CIncidenceStore.h"
#include "graphics/CoreText.h"
#include "gui/widgets/CMessages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <algorithm>

namespace orvelan {

namespace {

// The progress bar runs in thousandths so that two million lines fit an int.
constexpr int kProgressSteps = 1000;

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

namespace {
int g_progressDelay = 400;
// Events are handled at most this often (milliseconds): often enough to stay responsive,
// rarely enough not to slow the writing.
qint64 g_eventInterval = 50;
} // namespace

void CExportWriter::setEventInterval(int milliseconds) { g_eventInterval = milliseconds; }

void CExportWriter::setProgressDelay(int milliseconds) { g_progressDelay = milliseconds; }

int CExportWriter::progressDelay() { return g_progressDelay; }

ExportOutcome CExportWriter::write(QWidget* parent, CIncidenceStore& store,
                                   const ExportSettings& settings) {
    WaitCursor wait;
    const auto populations = CRawDataExporter::populations(settings, store.registryGroups());
    const auto cancers = CRawDataExporter::cancers(settings, store.cancerGroups());

    QProgressDialog progress(
        QStringLiteral("Writing %1...").arg(QString::fromStdString(settings.dataPath)),
        QStringLiteral("Cancel"), 0, kProgressSteps, parent);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowTitle(CMessages::caption());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(progressDelay());
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    bool cancelled = false;
    const ExportProgress onProgress = [&](std::size_t written, std::size_t total) {
        if (sinceEvents.elapsed() < g_eventInterval) {
            return true;
        }
        sinceEvents.restart();
        const std::size_t steps = written * kProgressSteps / std::max<std::size_t>(total, 1);
        progress.setValue(static_cast<int>(steps));
        QApplication::processEvents();
        cancelled = progress.wasCanceled();
        return !cancelled;
    };

    ExportOutcome outcome;
    outcome.data = CRawDataExporter::writeData(store, settings, populations, cancers, onProgress);
    progress.close();
    if (cancelled) {
        outcome.cancelled = true;
        return outcome;
    }
    if (outcome.data.ok()) {
        CMessages::information(parent, QStringLiteral("Done!"));
    }
    outcome.log = CRawDataExporter::writeLog(settings, populations, cancers);
    if (!outcome.ok()) {
        QStringList problems;
        for (const IoResult* problem : {&outcome.data, &outcome.log}) {
            if (!problem->ok()) {
                problems << fromCoreMessage(problem->message);
            }
        }
        CMessages::error(parent, problems.join(QLatin1Char('\n')));
    }
    return outcome;
}

} // namespace orvelan
