#include "gui/graphs/CPublicationSaveDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <cmath>

namespace orvelan {

namespace {

struct Format {
    const char* extension;
    const char* name;
};
constexpr std::array<Format, 5> kFormats = {{
    {".png", "PNG image"},
    {".pdf", "PDF document"},
    {".svg", "SVG drawing"},
    {".jpg", "JPEG image"},
    {".bmp", "Bitmap"},
}};
constexpr std::array<int, 3> kResolutions = {150, 300, 600};

bool isVector(const std::string& extension) { return extension == ".pdf" || extension == ".svg"; }

} // namespace

CPublicationSaveDlg::CPublicationSaveDlg(const FigureChoice& start, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Save for publication"));
    const auto sizeField = [this](const char* name) {
        auto* field = new QDoubleSpinBox(this);
        field->setObjectName(QLatin1String(name));
        field->setKeyboardTracking(false);
        return field;
    };
    m_width = sizeField("width");
    m_height = sizeField("height");
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("unit"));
    m_unit->addItems({QStringLiteral("mm"), QStringLiteral("pixels")});
    m_dpi = new QComboBox(this);
    m_dpi->setObjectName(QStringLiteral("resolution"));
    for (const int dpi : kResolutions) {
        m_dpi->addItem(QStringLiteral("%1 dpi").arg(dpi), dpi);
    }
    m_format = new QComboBox(this);
    m_format->setObjectName(QStringLiteral("format"));
    for (const Format& format : kFormats) {
        m_format->addItem(QLatin1String(format.name), QLatin1String(format.extension));
    }
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Width:"), m_width);
    form->addRow(QStringLiteral("&Height:"), m_height);
    form->addRow(QStringLiteral("&Unit:"), m_unit);
    form->addRow(QStringLiteral("&Resolution:"), m_dpi);
    form->addRow(QStringLiteral("&Format:"), m_format);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Drawn in the publication style."), this));
    layout->addWidget(m_summary);
    layout->addWidget(m_buttons);

    // The start: the dpi first, since pixels are counted at it.
    const int dpiIndex = m_dpi->findData(start.size.dpi);
    m_dpi->setCurrentIndex(dpiIndex >= 0 ? dpiIndex : 1);
    const int formatIndex = m_format->findData(QString::fromStdString(start.extension));
    m_format->setCurrentIndex(formatIndex >= 0 ? formatIndex : 0);
    m_width->setRange(FigureSize::kMinMm, FigureSize::kMaxMm);
    m_height->setRange(FigureSize::kMinMm, FigureSize::kMaxMm);
    m_width->setDecimals(1);
    m_height->setDecimals(1);
    m_width->setValue(start.size.widthMm);
    m_height->setValue(start.size.heightMm);
    if (start.inPixels) {
        m_unit->setCurrentIndex(1);
        unitChanged();
    }

    connect(m_unit, &QComboBox::currentIndexChanged, this, &CPublicationSaveDlg::unitChanged);
    for (QComboBox* box : {m_dpi, m_format}) {
        connect(box, &QComboBox::currentIndexChanged, this, &CPublicationSaveDlg::update);
    }
    for (QDoubleSpinBox* field : {m_width, m_height}) {
        connect(field, &QDoubleSpinBox::valueChanged, this, &CPublicationSaveDlg::update);
    }
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    update();
}

double CPublicationSaveDlg::millimetres(const QDoubleSpinBox* field) const {
    return m_inPixels ? FigureSize::mmOf(field->value(), m_dpi->currentData().toInt())
                      : field->value();
}

FigureChoice CPublicationSaveDlg::choice() const {
    FigureChoice choice;
    choice.size.widthMm = millimetres(m_width);
    choice.size.heightMm = millimetres(m_height);
    choice.size.dpi = m_dpi->currentData().toInt();
    choice.inPixels = m_inPixels;
    choice.extension = m_format->currentData().toString().toStdString();
    return choice;
}

QString CPublicationSaveDlg::summary() const { return m_summary->text(); }

void CPublicationSaveDlg::unitChanged() {
    const double width = millimetres(m_width);
    const double height = millimetres(m_height);
    m_inPixels = m_unit->currentIndex() == 1;
    const double perMm = m_inPixels ? FigureSize::dotsOf(1.0, m_dpi->currentData().toInt()) : 1.0;
    for (QDoubleSpinBox* field : {m_width, m_height}) {
        field->blockSignals(true);
        field->setDecimals(m_inPixels ? 0 : 1);
        field->setRange(FigureSize::kMinMm * perMm, FigureSize::kMaxMm * perMm);
    }
    m_width->setValue(m_inPixels ? std::round(width * perMm) : width);
    m_height->setValue(m_inPixels ? std::round(height * perMm) : height);
    for (QDoubleSpinBox* field : {m_width, m_height}) {
        field->blockSignals(false);
    }
    update();
}

void CPublicationSaveDlg::update() {
    const FigureChoice now = choice();
    const std::optional<std::string> problem = now.size.problem();
    QString text;
    if (problem) {
        text = QString::fromStdString(*problem);
    } else if (isVector(now.extension)) {
        text = QStringLiteral("A page of %1 x %2 mm, lines and text as vectors")
                   .arg(now.size.widthMm, 0, 'f', 1)
                   .arg(now.size.heightMm, 0, 'f', 1);
    } else {
        text = QStringLiteral("%1 x %2 pixels, %3 x %4 mm at %5 dpi")
                   .arg(now.size.widthPixels())
                   .arg(now.size.heightPixels())
                   .arg(now.size.widthMm, 0, 'f', 1)
                   .arg(now.size.heightMm, 0, 'f', 1)
                   .arg(now.size.dpi);
    }
    m_summary->setText(text);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!problem);
}

std::optional<FigureChoice> CPublicationSaveDlg::ask(QWidget* parent, const FigureChoice& start) {
    CPublicationSaveDlg dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

QString CPublicationSaveDlg::filterOf(const std::string& extension) {
    for (const Format& format : kFormats) {
        if (extension == format.extension) {
            return QStringLiteral("%1 (*%2)")
                .arg(QLatin1String(format.name), QLatin1String(format.extension));
        }
    }
    return filterOf(".png");
}

} // namespace orvelan
