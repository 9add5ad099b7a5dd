#pragma once

#include <QColor>
#include <functional>
#include <optional>

class QWidget;

// The colour chooser of the graph views. Tests and scripted runs answer it through a provider
// instead of showing the dialog.
namespace orvelan {

class CColourDialog {
  public:
    /// The chosen colour, empty on Cancel.
    static std::optional<QColor> choose(QWidget* parent, const QColor& initial);

    using Provider = std::function<std::optional<QColor>(const QColor& initial)>;
    /// Replaces the dialog by a function; an empty function restores the dialog.
    static void setProvider(Provider provider);
};

} // namespace orvelan
