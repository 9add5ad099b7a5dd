#pragma once

#include <QDialog>

// "About ORVELAN": name and version of the build, copyright, build date and a link to the
// program's pages, under a bold caption painted on a coloured band.
namespace orvelan {

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    /// "ORVELAN Version 1.0.0".
    static QString versionLine();
    /// "Built 2026-12-06".
    static QString builtLine();
    static QString copyrightLine();
};

} // namespace orvelan
