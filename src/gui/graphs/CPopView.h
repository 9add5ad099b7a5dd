#pragma once

#include "core/graphs/GraphSettings.h"
#include "core/graphs/PyramidModel.h"
#include "graphics/CPyramidPainter.h"
#include "gui/graphs/CGraphView.h"

// The population pyramid: the age structure of one population, males left and females right,
// each bar the share of the whole population in percent. Only fonts and colours change.
namespace orvelan {

class CPopView : public CGraphView {
    Q_OBJECT
  public:
    explicit CPopView(GraphSettings* stored, QWidget* parent = nullptr);

    void setFields(const GraphSettings& settings) override;
    /// Always succeeds: a population without person-years draws an empty pyramid.
    bool compute(CIncidenceStore& store) override;

    const PyramidModel& model() const { return m_model; }
    const PyramidGeometry& geometry() const { return m_geometry; }

  protected:
    void paintGraph(QPainter& painter, const QSize& size, const GraphStyle& style,
                    bool onScreen) override;
    bool coloursDifferFromStored(const GraphSettings& stored) const override;
    void storeColours(GraphSettings& stored) const override;
    QString keepColoursQuestion() const override;
    QString saveFilter() const override;
    QString defaultSaveSuffix() const override;

  private:
    GraphSettings m_fields;
    PyramidModel m_model;
    PyramidGeometry m_geometry;
};

} // namespace orvelan
