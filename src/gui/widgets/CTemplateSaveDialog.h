#pragma once

#include <QString>
#include <functional>

class QWidget;

// The save dialog of the wizards' template buttons. Tests answer it through a provider.
namespace orvelan {

class CTemplateSaveDialog {
  public:
    /// The chosen path, empty on Cancel. Proposes "<folder>/.RPT" with the report filter
    /// ("TBL ..." for the user-defined report).
    static QString ask(QWidget* parent, const QString& folder, bool userReport);
    /// The same for any template kind: proposes "<folder>/<extension>" (".GPH") with the
    /// filter and default suffix; confirmOverwrite asks before an existing file is replaced
    /// (Cancel when the user says No).
    static QString ask(QWidget* parent, const QString& folder, const QString& extension,
                       const QString& filter, bool confirmOverwrite);

    /// Replaces the dialog: the function receives the proposed path and the filter.
    using Provider = std::function<QString(const QString& proposed, const QString& filter)>;
    static void setProvider(Provider provider);
};

} // namespace orvelan
