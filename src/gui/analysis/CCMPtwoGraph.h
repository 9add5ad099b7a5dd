#pragma once

#include "core/graphs/GraphLook.h"
#include "core/rates/ComparisonTexts.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QRadioButton;

// "Comparison of two age-specific curves: graph": the reference curve in red and the
// comparison curve in blue over the compared range, on a logarithmic or arithmetic scale, with
// optional value columns and grid lines.
namespace orvelan {

class CCMPtwoGraph : public QDialog {
    Q_OBJECT
  public:
    /// run: the comparison's effective last age group and the texts of the results dialog's
    /// Reference and Comparison fields.
    CCMPtwoGraph(QWidget* parent, const CurvePair& pair, const ComparisonRun& run);
    ~CCMPtwoGraph() override;

    bool logarithmic() const;
    bool valuesShown() const;
    bool gridShown() const;
    bool publication() const;
    /// The graph style to start in, kept there when the user changes it (nullptr: none).
    void setLook(GraphLook* shared);
    /// The label of an age group under the age axis.
    QString ageLabel(int ageGroup) const;
    /// The picture as drawn now, at the drawing area's size.
    QImage picture() const;
    /// Draws the picture on a painter covering size (the drawing area, the clipboard image).
    void draw(class QPainter& painter, const QSize& size) const;

    /// Writes the picture at the drawing area's size in the format of the path's ending
    /// (.png, .svg, .pdf, .jpg, .bmp); the failure is shown. True when the file was written.
    bool saveTo(const QString& path);
    /// Folder proposed by Save As.
    void setWorkFolder(const QString& folder) { m_workFolder = folder; }

  private:
    void copyToClipboard();
    void saveAs();

    struct Model;
    std::unique_ptr<Model> m_model;
    QWidget* m_canvas = nullptr;
    QRadioButton* m_logarithmic = nullptr;
    QRadioButton* m_arithmetic = nullptr;
    QCheckBox* m_values = nullptr;
    QCheckBox* m_grid = nullptr;
    QRadioButton* m_classic = nullptr;
    QRadioButton* m_publication = nullptr;
    GraphLook* m_sharedLook = nullptr;
    QString m_workFolder;
};

} // namespace orvelan
