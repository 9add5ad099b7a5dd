#pragma once

#include <QString>
#include <array>

// The nine kinds of document the program shows, with the document strings and menus of their
// templates. Tables and reports share one template string and menu, graphs another, and the
// standard incidence table text a third.
namespace orvelan {

enum class DocumentType {
    AgeSpecificRates,
    UserReport,
    SummaryRates,
    SeveralCurves,
    AgeCurves,
    BarChart,
    PieChart,
    Pyramid,
    StandardTable,
};
inline constexpr int kDocumentTypeCount = 9;

/// The menu sets of the main window, by their resource numbers.
enum class MenuSet : int {
    NoDocument = 2000,
    Tables = 2034,
    Graphs = 2015,
    StandardTableText = 2011,
};

struct DocTemplate {
    DocumentType type;
    int stringId;          // 2034, 2015 or 2011
    const char* docString; // window title, document name, file-new name, filter, extension
    const char* viewClass;
    bool graph; // graph documents carry a CGraphDoc, all others a CORVELANDoc
};

const DocTemplate& docTemplate(DocumentType type);
const std::array<DocTemplate, kDocumentTypeCount>& allDocTemplates();
/// The menu set shown while a document of this type is active.
MenuSet menuSetOf(DocumentType type);
/// Field n (0-based) of a document string: 1 is the document name ("Report", "Graph", "Table").
QString docStringField(const DocTemplate& docTemplate, int field);

} // namespace orvelan
