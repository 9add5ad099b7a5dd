#pragma once

#include "core/export/CRawDataExporter.h"

class QWidget;

// The writing after the export wizard's Finish: the data file under the wait cursor with a
// progress window for long exports, "Done!", then the log. Every number comes from the core.
namespace orvelan {

class CIncidenceStore;

class CExportWriter {
  public:
    /// Writes both files of the settings. A data file that cannot be written skips "Done!" and
    /// the log is still written; failures are shown after the log. Cancel in the progress
    /// window writes neither file and leaves any earlier ones as they were.
    static ExportOutcome write(QWidget* parent, CIncidenceStore& store,
                               const ExportSettings& settings);

    /// Milliseconds an export runs before its progress window appears (400; a test that must
    /// see the window on a fast machine sets 0).
    static void setProgressDelay(int milliseconds);
    static int progressDelay();
    /// Milliseconds between two looks at the event loop during the writing (50; a test that
    /// cancels an export of a few lines sets 0, or the export ends before the click is seen).
    static void setEventInterval(int milliseconds);
};

} // namespace orvelan
