#pragma once

#include "core/graphs/GraphSettings.h"
#include "core/graphs/PieChartModel.h"
#include "graphics/CPieChartPainter.h"
#include "gui/graphs/CGraphView.h"

// The pie chart: the cases of one population, sex and age range among the commonest sites.
// The user resizes the pie and recolours a slice from its legend square.
namespace orvelan {

class CPieView : public CGraphView {
    Q_OBJECT
  public:
    explicit CPieView(GraphSettings* stored, QWidget* parent = nullptr);

    void setFields(const GraphSettings& settings) override;
    bool compute(CIncidenceStore& store) override;

    const PieChartModel& model() const { return m_model; }
    /// Legend squares and the pie of the last paint on screen.
    const PieChartGeometry& geometry() const { return m_geometry; }
    double pieScale() const { return style().pieScale; }

    void enlargePie();
    void shrinkPie();
    /// The colour a slice is drawn in.
    QColor sliceColour(int slice) const;
    void setSliceColour(int slice, const QColor& colour);

  protected:
    void paintGraph(QPainter& painter, const QSize& size, const GraphStyle& style,
                    bool onScreen) override;
    bool offersCommand(int id) const override;
    void runKindCommand(int id) override;
    bool coloursDifferFromStored(const GraphSettings& stored) const override;
    void storeColours(GraphSettings& stored) const override;
    QString keepColoursQuestion() const override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    /// The slice's entry in the style's colour table; -1 for no slice.
    int colourIndexOf(int slice) const;

    GraphSettings m_fields;
    PieChartModel m_model;
    PieChartGeometry m_geometry;
};

} // namespace orvelan
