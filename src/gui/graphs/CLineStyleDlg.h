#pragma once

#include <QDialog>
#include <array>

class QRadioButton;

// "Line style": the pen style of one curve, chosen among five radio buttons, each with a sample
// line of its style beside it.
namespace orvelan {

class CLineStyleDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kStyleCount = 5;

    /// style: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot.
    explicit CLineStyleDlg(int style, QWidget* parent = nullptr);

    /// The checked style (0-4).
    int style() const;
    QRadioButton* button(int style) const;

    /// The pen style of a style number; solid for a number outside 0-4.
    static Qt::PenStyle penStyle(int style);
    /// The style number of a pen style; 0 (solid) for any style the dialog does not offer.
    static int styleNumber(Qt::PenStyle style);

  private:
    std::array<QRadioButton*, kStyleCount> m_buttons{};
};

} // namespace orvelan
