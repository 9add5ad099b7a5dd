#pragma once

#include <QColor>
#include <QPushButton>
#include <cstdint>

// A button that shows a graph colour and changes it through the graph colour chooser. The
// colour is stored into its settings field as soon as the chooser is accepted.
namespace orvelan {

class CColourButton : public QPushButton {
    Q_OBJECT
  public:
    CColourButton(const QString& text, QWidget* parent);

    /// The field the button shows and edits (red + 256 x green + 65536 x blue).
    void bind(std::uint32_t* colour);
    QColor colour() const;

  private:
    void choose();
    void showColour();

    std::uint32_t* m_colour = nullptr;
};

} // namespace orvelan
