#pragma once

#include "core/graphs/FigureSize.h"

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;

// "Save for publication": the printed width and height of a figure (in millimetres or pixels),
// its resolution (150, 300 or 600 dots per inch) and its file format. It says how many pixels
// the image will have, and refuses sizes no file could hold.
namespace orvelan {

class CPublicationSaveDlg : public QDialog {
    Q_OBJECT
  public:
    CPublicationSaveDlg(const FigureChoice& start, QWidget* parent = nullptr);

    /// What the fields hold now, sizes in millimetres whichever unit they show.
    FigureChoice choice() const;
    /// The size line under the fields ("1004 x 768 pixels at 300 dpi").
    QString summary() const;

    /// Shows the dialog; the choice on OK, nullopt on Cancel.
    static std::optional<FigureChoice> ask(QWidget* parent, const FigureChoice& start);
    /// The save dialog's filter of one format (".png": "PNG image (*.png)").
    static QString filterOf(const std::string& extension);

  private:
    void unitChanged();
    void update();
    /// Millimetres of a field's value in the unit shown.
    double millimetres(const QDoubleSpinBox* field) const;

    QDoubleSpinBox* m_width = nullptr;
    QDoubleSpinBox* m_height = nullptr;
    QComboBox* m_unit = nullptr;
    QComboBox* m_dpi = nullptr;
    QComboBox* m_format = nullptr;
    QLabel* m_summary = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    bool m_inPixels = false; // the unit the fields show now
};

} // namespace orvelan
