#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

// The pop-up that shows the whole text of a cut-off grid cell over the cell, in its font. It
// never takes focus or input: clicks and keys reach the window beneath.
namespace orvelan {

class CTitleTip : public QWidget {
    Q_OBJECT

  public:
    explicit CTitleTip(QWidget* parent);

    /// Shows text at the global top-left of a cell, at least as tall as the cell.
    void showTip(const QRect& globalCellRect, const QString& text, const QFont& font,
                 const QColor& textColour, const QColor& backColour);
    QString text() const { return m_text; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_text;
    QColor m_textColour;
    QColor m_backColour;
};

} // namespace orvelan
