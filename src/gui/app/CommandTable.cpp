#include "gui/app/CommandTable.h"

#include "gui/framework/CommandIds.h"

#include <algorithm>

namespace orvelan {

namespace {

// clang-format off
const std::vector<CommandInfo> kCommands = {
    {cmd::kNewGraph, "&Graph...", "Creates a new graph\nGraph", "graph"},
    {cmd::kNewReport, "Report /&Table...", "Creates a new table or report\nReport / Table", "report"},
    {cmd::kNewAnalysis, "&Statistical analysis...", "Compares age-specific curves or populations\nStatistical analysis", "analysis"},
    {cmd::kNewCancerGroup, "&Cancer", "Defines a new group of cancers\nUser-defined cancer", ""},
    {cmd::kNewRegistryGroup, "&Registry", "Defines a new group of registries\nUser-defined registry", ""},
    {cmd::kOpen, "&Open...\tCtrl+O", "Opens a saved table\nOpen", "open"},
    {cmd::kClose, "&Close", "Closes the active document\nClose", ""},
    {cmd::kSaveAs, "Save &As...", "Saves the active document with a new name\nSave As", "save"},
    {cmd::kPrintSetup, "P&rint Setup...", "Changes the printer and printing options\nPrint Setup", ""},
    {cmd::kPrint, "&Print...\tCtrl+P", "Prints the active document\nPrint", "print"},
    {cmd::kPrintDirect, "Print &Direct", "Prints the active document with the current options\nPrint Direct", ""},
    {cmd::kPrintPreview, "Print Pre&view", "Displays full pages\nPrint Preview", "preview"},
    {cmd::kExport, "&Export...", "Exports raw data to a text file", "export"},
    {cmd::kExit, "E&xit", "Quits the application\nExit", ""},
    {cmd::kUndo, "&Undo\tCtrl+Z", "Undoes the last action\nUndo", ""},
    {cmd::kCopy, "&Copy\tCtrl+C", "Copies the selection and puts it on the Clipboard\nCopy", "copy"},
    {cmd::kCopyNumbers, "Copy &numbers\tCtrl+Shift+C", "Copies the numbers of the table, one column per figure, for a spreadsheet\nCopy numbers", ""},
    {cmd::kSelectAll, "Select &All\tCtrl+A", "Selects the entire document\nSelect All", ""},
    {cmd::kFind, "&Find...\tCtrl+F", "Finds the specified text\nFind", ""},
    {cmd::kFindNext, "Find &Next\tF3", "Repeats the last search\nFind Next", ""},
    {cmd::kSwap, "&Swap", "Swaps the rows and the columns of the table\nSwap", ""},
    {cmd::kSort, "Sor&t", "Sorts the table by a column\nSort", ""},
    {cmd::kToolbar, "&Toolbar", "Shows or hides the toolbars\nToggle ToolBar", ""},
    {cmd::kStatusBar, "&Status Bar", "Shows or hides the status bar\nToggle StatusBar", ""},
    {cmd::kDecreaseFont, "&Decrease font", "Decreases the font size\nDicrease font", "smaller"},
    {cmd::kIncreaseFont, "&Increase font", "Increases the font size\nIncrease font", "larger"},
    {cmd::kBackgroundColour, "&Background colour...", "Changes the background colour of the value cells\nBackground colour", ""},
    {cmd::kTextColour, "Te&xt colour...", "Changes the text colour of the value cells\nText colour", ""},
    {cmd::kGraphBackgroundColour, "&Background colour...", "Changes the background colour\nBackground colour", "background"},
    {cmd::kGraphTextColour, "Te&xt colour...", "Changes the text colour\nText colour", "textcolour"},
    {cmd::kBarColour, "Colour of the &bars...", "Changes the colour of the bars\nBar colour", "barcolour"},
    {cmd::kLogScale, "&Logarithmic scale", "Toggles Arithmetic/Logarithmic scale\nLog scale", "logscale"},
    {cmd::kAgeRange, "&Age range...", "Modifies the age range\nAge range", "agerange"},
    {cmd::kVerticalLines, "Vertical &lines", "Shows/Hides vertical lines\nLines", "lines"},
    {cmd::kPieLarger, "L&arger pie", "Increases the size of the pie\nLarger pie", "pielarger"},
    {cmd::kPieSmaller, "S&maller pie", "Decreases the size of the pie\nSmaller pie", "piesmaller"},
    {cmd::kGraphStyleClassic, "&Classic", "Draws the graphs as the program always has\nClassic graph style", ""},
    {cmd::kGraphStylePublication, "&Publication", "Draws the graphs for papers and slides: sizes in points of the printed figure, axis titles with units, a colour-blind-safe palette\nPublication graph style", ""},
    {cmd::kSaveForPublication, "Save for p&ublication...", "Saves the graph in the publication style at a printed size, resolution and format\nSave for publication", ""},
    {cmd::kErrorBars, "&Error bars", "Shows each bar's confidence interval, by the method of the tables' confidence intervals, in the publication style\nError bars", ""},
    {cmd::kIntervalsNormal, "&Normal approximation", "Shows confidence intervals as the rate plus or minus 1.96 standard errors\nNormal approximation", ""},
    {cmd::kIntervalsSmallCounts, "&Exact / gamma (small counts)", "Shows exact Poisson intervals for crude rates and gamma intervals for age-standardised rates\nExact / gamma", ""},
    {cmd::kStandardWorldSegi, "World: Segi", "Standardises the World ASR to Segi's world standard population\nWorld: Segi", ""},
    {cmd::kStandardWorldWho2000, "World: WHO 2000", "Standardises the World ASR to the WHO 2000 world standard population\nWorld: WHO 2000", ""},
    {cmd::kStandardEuropean1976, "European: 1976", "Standardises the European ASR to the European standard population of 1976\nEuropean: 1976", ""},
    {cmd::kStandardEuropean2013, "European: 2013", "Standardises the European ASR to the revised European standard population of 2013\nEuropean: 2013", ""},
    {cmd::kSirTests, "Tests and &total", "Adds the exact Poisson p-value of each row and a total row to the comparison of several populations\nTests and total", ""},
    {cmd::kRegistryDictionary, "&Registry", "Shows the registry dictionary and the user-defined registries\nRegistry dictionary", "registries"},
    {cmd::kCancerDictionary, "&Cancer", "Shows the cancer dictionary and the user-defined cancers\nCancer dictionary", "cancers"},
    {cmd::kWindowArrange, "&Arrange Icons", "Arranges the minimised windows\nArrange Icons", ""},
    {cmd::kWindowCascade, "&Cascade", "Arranges the windows so they overlap\nCascade Windows", ""},
    {cmd::kWindowTile, "&Tile", "Arranges the windows as non-overlapping tiles\nTile Windows", ""},
    {cmd::kAbout, "&About ORVELAN", "Displays program information, version number and copyright\nAbout", "about"},
    {cmd::kReference, "&Reference", "Shows how to cite the data\nReference", ""},
    {cmd::kWebUserGuide, "ORVELAN &user guide", "Opens the user guide in the web browser\nUser guide", ""},
    {cmd::kWebData, "&Data description", "Opens the description of the data set in the web browser\nData description", ""},
    {cmd::kWebMethods, "&Methods", "Opens the description of the methods in the web browser\nMethods", ""},
    {cmd::kWebCitation, "&Citation of the data set", "Opens the data set's citation page in the web browser\nCitation", ""},
};
// clang-format on

QString beforeSeparator(const char* text, char separator) {
    const QString all = QString::fromUtf8(text);
    const qsizetype at = all.indexOf(QLatin1Char(separator));
    return at < 0 ? all : all.left(at);
}

QString afterSeparator(const char* text, char separator) {
    const QString all = QString::fromUtf8(text);
    const qsizetype at = all.indexOf(QLatin1Char(separator));
    return at < 0 ? QString() : all.mid(at + 1);
}

} // namespace

const CommandInfo* commandInfo(int id) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [id](const CommandInfo& info) { return info.id == id; });
    return found == kCommands.end() ? nullptr : &*found;
}

const std::vector<CommandInfo>& allCommands() { return kCommands; }

QString menuText(const CommandInfo& info) { return beforeSeparator(info.text, '\t'); }

QString shortcutText(const CommandInfo& info) { return afterSeparator(info.text, '\t'); }

QString statusText(const CommandInfo& info) { return beforeSeparator(info.prompt, '\n'); }

QString toolTipText(const CommandInfo& info) {
    const QString tip = afterSeparator(info.prompt, '\n');
    if (!tip.isEmpty()) {
        return tip;
    }
    QString text = menuText(info);
    text.remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}

} // namespace orvelan
