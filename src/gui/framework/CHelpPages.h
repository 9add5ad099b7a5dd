#pragma once

#include <QString>

class QWidget;

// The program's own HTML pages (user guide, data description, methods, citation) opened by the
// "ORVELAN on the Web..." entries and the link of the about box. They are looked up in
// ORVELAN_HTML_DIR, then beside the program: "html" (build folder) and "../share/orvelan/html"
// (installed tree).
namespace orvelan {

struct WebOpenResult {
    bool ok = false;
    int shellAnswer = 0;  // 2: page not found, 31: no program could show it, > 32: shown
    int lookupAnswer = 0; // 0: no look-up made
};

class CHelpPages {
  public:
    /// The page file of a web command (116, 115, 114, 32773); empty for another number.
    static QString pageName(int commandId);
    /// The folder holding the pages, empty when none is found.
    static QString folder();
    /// Full path of a page, empty when it is not found.
    static QString locate(const QString& pageName);
    /// Shows a page with the platform's browser, else (none started, or the one started reports
    /// failure) in the program's own help window (one per owner, reused); says "Cannot connect
    /// to the internet (%d,%d)" when neither can.
    static WebOpenResult show(QWidget* owner, const QString& pageName);
    /// The same for a page file given by its path (a page of the bundled folder).
    static WebOpenResult showFile(QWidget* owner, const QString& path);
    /// "Cannot connect to the internet (%d,%d)".
    static QString failureMessage(const WebOpenResult& result);
};

} // namespace orvelan
