#include "gui/graphs/CPopView.h"

#include "graphics/CoreText.h"

namespace orvelan {

CPopView::CPopView(GraphSettings* stored, QWidget* parent) : CGraphView(stored, parent) {
    setObjectName(QStringLiteral("popView"));
}

void CPopView::setFields(const GraphSettings& settings) {
    // What the pyramid needs: title, population, basis and two colours.
    m_fields = GraphSettings{};
    m_fields.kind = GraphKind::Pyramid;
    m_fields.title = settings.title;
    m_fields.population = settings.population;
    m_fields.pyramidBasis = settings.pyramidBasis;
    m_fields.popBackground = settings.popBackground;
    m_fields.popText = settings.popText;
    setTitle(fromCoreText(settings.title));
    setStyle(GraphStyle::forPyramid(m_fields));
}

bool CPopView::compute(CIncidenceStore& store) {
    m_model = computePyramid(store, m_fields);
    m_geometry = {};
    return true;
}

void CPopView::paintGraph(QPainter& painter, const QSize& size, const GraphStyle& style,
                          bool onScreen) {
    PyramidGeometry geometry = CPyramidPainter::paint(painter, size, m_model, style);
    if (onScreen) {
        m_geometry = std::move(geometry);
    }
}

bool CPopView::coloursDifferFromStored(const GraphSettings& stored) const {
    return GraphStyle::toColourRef(style().background) != stored.popBackground ||
           GraphStyle::toColourRef(style().text) != stored.popText;
}

void CPopView::storeColours(GraphSettings& stored) const {
    stored.popBackground = GraphStyle::toColourRef(style().background);
    stored.popText = GraphStyle::toColourRef(style().text);
}

QString CPopView::keepColoursQuestion() const {
    return QStringLiteral("The colours have been modified.\r\nDo you want to use these for the "
                          "future population pyramids?");
}

QString CPopView::saveFilter() const {
    return QStringLiteral("BMP-Bitmap file (*.BMP);;JPEG file (*.JPG);;") + figureFilters();
}

QString CPopView::defaultSaveSuffix() const { return QStringLiteral("BMP"); }

} // namespace orvelan
