#pragma once

#include <QColor>
#include <QPushButton>
#include <cstdint>
#include <functional>
#include <optional>

// A button that shows a graph colour and changes it through the colour dialog. The colour is
// stored into its settings field as soon as the dialog is accepted.
namespace orvelan {

class CColourButton : public QPushButton {
    Q_OBJECT
  public:
    CColourButton(const QString& text, QWidget* parent);

    /// The field the button shows and edits (red + 256 x green + 65536 x blue).
    void bind(std::uint32_t* colour);
    QColor colour() const;

    static QColor toQColor(std::uint32_t value);
    static std::uint32_t fromQColor(const QColor& colour);

    /// Replaces the colour dialog (tests): receives the current colour, answers the chosen one
    /// or nothing for Cancel.
    using Chooser = std::function<std::optional<QColor>(const QColor& current)>;
    static void setChooser(Chooser chooser);

  private:
    void choose();
    void showColour();

    std::uint32_t* m_colour = nullptr;
};

} // namespace orvelan
