#pragma once

#include <QString>

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
};

} // namespace orvelan
