#pragma once

// Opening a graph when the graph wizard finishes: the settings go back to the application, a
// document of the kind opens, its view computes once, and a graph that cannot be computed
// closes again without a word.
namespace orvelan {
class CMainFrame;
struct GraphSettings;
} // namespace orvelan

namespace orvelan::gui {

/// Opens the graph of the settings as a new document ("Opening the graph"); false when it
/// cannot be computed (the document is closed silently).
bool openGraph(CMainFrame& frame, const GraphSettings& settings);

} // namespace orvelan::gui
