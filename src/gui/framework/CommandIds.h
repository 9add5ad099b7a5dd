#pragma once

// Command numbers of the menus and toolbars. The framework's own commands keep their
// customary numbers so that the status prompts and the recent-file range line up.
namespace orvelan::cmd {

inline constexpr int kNewGraph = 102;
inline constexpr int kNewReport = 57600; // "Report /&Table..."
inline constexpr int kNewAnalysis = 104;
inline constexpr int kNewCancerGroup = 32774;
inline constexpr int kNewRegistryGroup = 32775;
inline constexpr int kOpen = 57601;
inline constexpr int kClose = 57602;
inline constexpr int kSaveAs = 57604;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintDirect = 57608;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kRecentFile1 = 57616; // 57616..57625: the ten recent files
inline constexpr int kRecentFileLast = 57625;
inline constexpr int kExport = 146;
inline constexpr int kExit = 57665;

inline constexpr int kUndo = 57643;
inline constexpr int kCopy = 57634;
inline constexpr int kSelectAll = 57642;
// The table views' numbers, one column per figure, for a spreadsheet.
inline constexpr int kCopyNumbers = 32797;
inline constexpr int kFind = 57636;
inline constexpr int kFindNext = 57640;
inline constexpr int kSwap = 138;
inline constexpr int kSort = 139;

inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kDecreaseFont = 422;
inline constexpr int kIncreaseFont = 423;
inline constexpr int kBackgroundColour = 416;
inline constexpr int kTextColour = 435;
// "Confidence intervals" of the table views' View menu: one of the two is checked.
inline constexpr int kIntervalsNormal = 32790;
inline constexpr int kIntervalsSmallCounts = 32791;
// "Standard population" of the View menu: one World and one European entry is checked.
inline constexpr int kStandardWorldSegi = 32792;
inline constexpr int kStandardWorldWho2000 = 32793;
inline constexpr int kStandardEuropean1976 = 32794;
inline constexpr int kStandardEuropean2013 = 32795;
// "Tests and total" of the several-curve result's View menu; checked while on.
inline constexpr int kSirTests = 32796;
// 32820..32829: the user standards (*.std) of the Templates folder, for the World figures.
inline constexpr int kStandardUser1 = 32820;
inline constexpr int kStandardUserLast = 32829;

// The graph toolbar; a graph view offers the ones its kind has, the others show disabled.
inline constexpr int kGraphBackgroundColour = 32800;
inline constexpr int kGraphTextColour = 32801;
inline constexpr int kBarColour = 32802;
inline constexpr int kLogScale = 32803; // checked while the scale is logarithmic
inline constexpr int kAgeRange = 32804;
inline constexpr int kVerticalLines = 32805; // checked while the lines show
inline constexpr int kPieLarger = 32806;
inline constexpr int kPieSmaller = 32807;
// "Graph style" of the graph views' View menu: one of the two is checked.
inline constexpr int kGraphStyleClassic = 32808;
inline constexpr int kGraphStylePublication = 32809;
// File menu of the graph views: a figure of a printed size in the publication style.
inline constexpr int kSaveForPublication = 32810;
// The bar chart's confidence intervals as error bars (the publication style); checked while on.
inline constexpr int kErrorBars = 32811;

inline constexpr int kRegistryDictionary = 110;
inline constexpr int kCancerDictionary = 106;

inline constexpr int kWindowArrange = 57649;
inline constexpr int kWindowCascade = 57650;
inline constexpr int kWindowTile = 57651;

inline constexpr int kAbout = 57664;
inline constexpr int kReference = 112;
inline constexpr int kWebUserGuide = 116;
inline constexpr int kWebData = 115;
inline constexpr int kWebMethods = 114;
inline constexpr int kWebCitation = 32773;

} // namespace orvelan::cmd
