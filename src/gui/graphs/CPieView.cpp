#include "gui/graphs/CPieView.h"

#include "graphics/CoreText.h"
#include "gui/framework/CommandIds.h"

#include <QMouseEvent>
#include <algorithm>

namespace orvelan {

CPieView::CPieView(GraphSettings* stored, QWidget* parent) : CGraphView(stored, parent) {
    setObjectName(QStringLiteral("pieView"));
}

void CPieView::setFields(const GraphSettings& settings) {
    // What the pie needs: title, population, sex, age range, slice count and two colours.
    m_fields = GraphSettings{};
    m_fields.kind = GraphKind::PieChart;
    m_fields.title = settings.title;
    m_fields.population = settings.population;
    m_fields.sex = settings.sex;
    m_fields.ageFrom = settings.ageFrom;
    m_fields.ageTo = settings.ageTo;
    m_fields.sliceCount = settings.sliceCount;
    m_fields.pieBackground = settings.pieBackground;
    m_fields.pieText = settings.pieText;
    setTitle(fromCoreText(settings.title));
    setStyle(GraphStyle::forPieChart(m_fields));
}

bool CPieView::compute(CIncidenceStore& store) {
    m_model = computePieChart(store, m_fields);
    m_geometry = {};
    return !m_model.slices.empty();
}

int CPieView::colourIndexOf(int slice) const {
    if (slice < 0 || static_cast<std::size_t>(slice) >= m_model.slices.size()) {
        return -1;
    }
    // "Other cancers" always takes the last colour of the table, whatever its position.
    if (m_model.slices[static_cast<std::size_t>(slice)].isOther()) {
        return GraphStyle::kSliceColourCount - 1;
    }
    return std::min(slice, GraphStyle::kSliceColourCount - 2);
}

QColor CPieView::sliceColour(int slice) const {
    const int index = colourIndexOf(slice);
    return index < 0 ? QColor() : style().sliceColours[static_cast<std::size_t>(index)];
}

void CPieView::paintGraph(QPainter& painter, const QSize& size, const GraphStyle& style,
                          bool onScreen) {
    PieChartGeometry geometry = CPieChartPainter::paint(painter, size, m_model, style);
    if (onScreen) {
        m_geometry = std::move(geometry);
    }
}

void CPieView::enlargePie() {
    mutableStyle().pieScale *= CPieChartPainter::kLarger;
    redraw();
}

void CPieView::shrinkPie() {
    mutableStyle().pieScale *= CPieChartPainter::kSmaller;
    redraw();
}

void CPieView::setSliceColour(int slice, const QColor& colour) {
    const int index = colourIndexOf(slice);
    if (index >= 0) {
        mutableStyle().sliceColours[static_cast<std::size_t>(index)] = colour;
        redraw();
    }
}

void CPieView::mousePressEvent(QMouseEvent* event) {
    // Slice colours are the view's own; they are not kept after it closes.
    const int slice = event->button() == Qt::LeftButton && look() == GraphLook::Classic
                          ? m_geometry.legendAt(event->position().toPoint())
                          : -1;
    if (slice < 0) {
        CGraphView::mousePressEvent(event);
        return;
    }
    QColor colour = sliceColour(slice);
    if (askColour(colour)) {
        setSliceColour(slice, colour);
    }
}

bool CPieView::offersCommand(int id) const {
    return id == cmd::kPieLarger || id == cmd::kPieSmaller;
}

void CPieView::runKindCommand(int id) {
    if (id == cmd::kPieLarger) {
        enlargePie();
    } else if (id == cmd::kPieSmaller) {
        shrinkPie();
    }
}

bool CPieView::coloursDifferFromStored(const GraphSettings& stored) const {
    return GraphStyle::toColourRef(style().background) != stored.pieBackground ||
           GraphStyle::toColourRef(style().text) != stored.pieText;
}

void CPieView::storeColours(GraphSettings& stored) const {
    stored.pieBackground = GraphStyle::toColourRef(style().background);
    stored.pieText = GraphStyle::toColourRef(style().text);
}

QString CPieView::keepColoursQuestion() const {
    return QStringLiteral(
        "The colours have been modified.\r\nDo you want to use these for future pie charts?");
}

} // namespace orvelan
