#pragma once

#include "core/graphs/BarChartModel.h"
#include "core/graphs/GraphSettings.h"
#include "graphics/CBarChartPainter.h"
#include "gui/graphs/CGraphView.h"
#include "gui/reports/CIntervalTarget.h"

// The bar chart: one rate of many registries or many cancers as horizontal bars, largest
// first. Besides the shared commands the user recolours the bars, shows lines at the marks and,
// in the publication style, error bars.
namespace orvelan {

class CBarView : public CGraphView, public CStandardTarget, public CIntervalTarget {
    Q_OBJECT
  public:
    explicit CBarView(GraphSettings* stored, QWidget* parent = nullptr);

    void setFields(const GraphSettings& settings) override;
    bool compute(CIncidenceStore& store) override;
    /// An ASR chart is computed again against other standards; its title names one other than
    /// the classic. Before compute it only sets the standards compute uses.
    void setStandards(const StandardChoice& standards) override;
    /// The method of the error bars, the program's interval choice; recomputes while they show.
    void setIntervals(const IntervalChoice& intervals) override;
    /// "Error bars": each bar's confidence interval, drawn in the publication style.
    void setErrorBars(bool on);
    bool errorBars() const { return m_errorBars; }

    const BarChartModel& model() const { return m_model; }
    /// Bar rectangles of the last paint on screen.
    const BarChartGeometry& geometry() const { return m_geometry; }
    QColor barColour() const { return style().barColour; }
    bool lines() const { return style().lines; }

    void setBarColour(const QColor& colour);
    void chooseBarColour();
    void toggleLines();

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

  private:
    GraphSettings m_fields;
    BarChartModel m_model;
    BarChartGeometry m_geometry;
    StandardChoice m_standards;
    IntervalChoice m_intervals;
    bool m_errorBars = false;
    CIncidenceStore* m_store = nullptr;
};

} // namespace orvelan
