#include "gui/graphs/CLineStyleDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

namespace {

constexpr int kSampleLength = 55; // pixels

// A sample line of one style, drawn across the middle of the widget.
class CSampleLine : public QWidget {
  public:
    CSampleLine(Qt::PenStyle style, QWidget* parent) : QWidget(parent), m_style(style) {
        setFixedSize(kSampleLength + 4, 16);
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, m_style));
        const int y = height() / 2;
        painter.drawLine(2, y, 2 + kSampleLength, y);
    }

  private:
    Qt::PenStyle m_style;
};

constexpr std::array<const char*, CLineStyleDlg::kStyleCount> kNames = {
    "Solid", "Dash", "Dot", "Dash-dot", "Dash-dot-dot"};

} // namespace

Qt::PenStyle CLineStyleDlg::penStyle(int style) {
    switch (style) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

int CLineStyleDlg::styleNumber(Qt::PenStyle style) {
    for (int i = 0; i < kStyleCount; ++i) {
        if (penStyle(i) == style) {
            return i;
        }
    }
    return 0;
}

CLineStyleDlg::CLineStyleDlg(int style, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("lineStyleDialog"));
    setWindowTitle(QStringLiteral("Line style"));
    auto* group = new QGroupBox(QStringLiteral("Style"), this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < kStyleCount; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(kNames[static_cast<std::size_t>(i)]),
                                        group);
        button->setObjectName(QStringLiteral("style%1").arg(i));
        m_buttons[static_cast<std::size_t>(i)] = button;
        grid->addWidget(button, i, 0);
        grid->addWidget(new CSampleLine(penStyle(i), group), i, 1);
    }
    button(style >= 0 && style < kStyleCount ? style : 0)->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

QRadioButton* CLineStyleDlg::button(int style) const {
    return m_buttons[static_cast<std::size_t>(style)];
}

int CLineStyleDlg::style() const {
    for (int i = 0; i < kStyleCount; ++i) {
        if (button(i)->isChecked()) {
            return i;
        }
    }
    return 0;
}

} // namespace orvelan
