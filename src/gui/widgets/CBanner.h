#pragma once

#include <QColor>
#include <QStringList>

class QPainter;
class QWidget;

// The wizard pages' banner: the label of the item fixed earlier, embossed at the top centre,
// and the program's name, large, embossed at the bottom right.
namespace orvelan {

class CBanner {
  public:
    /// Room the banner needs above and below a page's controls, in pixels.
    static constexpr int kTopMargin = 26;
    static constexpr int kBottomMargin = 40;

    /// Paints on the widget's whole rectangle; an empty label draws only the program's name.
    static void paint(QPainter& painter, const QWidget& widget, const QString& label);

    /// Bold lines embossed at the top centre, one line height each from the top: in the 3-D
    /// light colour, then a pixel lower and to the right in `shadow`.
    static void paintHeading(QPainter& painter, const QWidget& widget, const QStringList& lines,
                             const QColor& shadow);
    /// The program's name at the lower right: once in `first`, once a pixel lower and to the
    /// right in `second`; its right edge lies a seventh of its width from the widget's.
    static void paintName(QPainter& painter, const QWidget& widget, const QColor& first,
                          const QColor& second);
};

} // namespace orvelan
