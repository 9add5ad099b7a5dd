#pragma once

#include "core/graphs/AgeCurvesModel.h"
#include "core/graphs/GraphSettings.h"
#include "graphics/CAgeCurvesPainter.h"
#include "gui/graphs/CGraphView.h"

// The age-specific curves graph: rates per 100,000 by age group, one curve per population,
// cancer and sex. The user switches the scale, narrows the age range, shows lines across the
// plot and restyles each curve from its legend square (left click colour, right click style).
namespace orvelan {

class CAgeView : public CGraphView {
    Q_OBJECT
  public:
    explicit CAgeView(GraphSettings* stored, QWidget* parent = nullptr);

    void setFields(const GraphSettings& settings) override;
    bool compute(CIncidenceStore& store) override;

    const AgeCurvesModel& model() const { return m_model; }
    /// Legend squares and drawn points of the last paint on screen.
    const AgeCurvesGeometry& geometry() const { return m_geometry; }
    bool logarithmic() const { return style().logarithmic; }
    bool lines() const { return style().lines; }
    int ageFrom() const { return m_model.ageFrom; }
    int ageTo() const { return m_model.ageTo; }

    void toggleLogarithmic();
    void toggleLines();
    /// The "Age scope" dialog over the current range, offering up to the last age group.
    void modifyAgeRange();
    /// The chosen range: from as given, to only when it is not above the last age group.
    void setAgeRange(int from, int to);
    void setCurveColour(int curve, const QColor& colour);
    /// style: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot.
    void setCurveStyle(int curve, int style);

  protected:
    void paintGraph(QPainter& painter, const QSize& size, const GraphStyle& style,
                    bool onScreen) override;
    bool offersCommand(int id) const override;
    void runKindCommand(int id) override;
    bool isCommandChecked(int id) const override;
    QString statusTextAt(const QPoint& position) const override;
    bool coloursDifferFromStored(const GraphSettings& stored) const override;
    void storeColours(GraphSettings& stored) const override;
    QString keepColoursQuestion() const override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    GraphSettings m_fields;
    AgeCurvesModel m_model;
    AgeCurvesGeometry m_geometry;
};

} // namespace orvelan
