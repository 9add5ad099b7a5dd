#pragma once

#include <QString>
#include <functional>

class QWidget;

// The open and save dialogs of the program. Tests answer them through a provider instead of
// showing a dialog.
namespace orvelan {

struct FileDialogRequest {
    bool save = false;
    QString caption;
    QString directory; // proposed folder, or folder + file name
    QString filter;    // "Formatted text (*.prn);;Text files (*.txt)"
    QString defaultSuffix;
};

/// The ending of a filter's first pattern without its dot ("csv" of "Numbers (*.csv)"); empty
/// for "*" or no pattern.
QString suffixOfFilter(const QString& filter);

class CFileDialogs {
  public:
    /// The chosen path, empty on Cancel.
    static QString getOpenFileName(QWidget* parent, const FileDialogRequest& request);
    static QString getSaveFileName(QWidget* parent, const FileDialogRequest& request);

    using Provider = std::function<QString(const FileDialogRequest&)>;
    /// Replaces the dialogs by a function (tests, scripted runs); an empty function restores
    /// the dialogs.
    static void setProvider(Provider provider);

  private:
    static QString run(QWidget* parent, const FileDialogRequest& request);
};

} // namespace orvelan
