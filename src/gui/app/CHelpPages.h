#pragma once

#include <QString>

// The program's own HTML pages (user guide, data description, methods, citation) opened by the
// "ORVELAN on the Web..." entries. They are looked up in ORVELAN_HTML_DIR, beside the program
// ("html", "../share/orvelan/html") and in the "docs/html" folder of a source tree above it.
namespace orvelan {

struct WebOpenResult {
    bool ok = false;
    int shellAnswer = 0;  // 2: page not found, 31: no program to show it, > 32: accepted
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
    /// Opens the page of a web command with the platform's browser.
    static WebOpenResult open(int commandId);
    /// "Cannot connect to the internet (%d,%d)".
    static QString failureMessage(const WebOpenResult& result);
};

} // namespace orvelan
