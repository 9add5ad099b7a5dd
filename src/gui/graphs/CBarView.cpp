#include "gui/graphs/CBarView.h"

#include "graphics/CoreText.h"
#include "gui/framework/CommandIds.h"

namespace orvelan {

CBarView::CBarView(GraphSettings* stored, QWidget* parent) : CGraphView(stored, parent) {
    setObjectName(QStringLiteral("barView"));
}

void CBarView::setFields(const GraphSettings& settings) {
    // What the bars need: title, chart type, cancer, population, rate kind, sex, age range,
    // the three colours and both selection lists.
    m_fields = GraphSettings{};
    m_fields.kind = GraphKind::BarChart;
    m_fields.title = settings.title;
    m_fields.barChartType = settings.barChartType;
    m_fields.cancer = settings.cancer;
    m_fields.population = settings.population;
    m_fields.rateKind = settings.rateKind;
    m_fields.sex = settings.sex;
    m_fields.ageFrom = settings.ageFrom;
    m_fields.ageTo = settings.ageTo;
    m_fields.barBackground = settings.barBackground;
    m_fields.barText = settings.barText;
    m_fields.barIncidence = settings.barIncidence;
    m_fields.registries = settings.registries;
    m_fields.cancers = settings.cancers;
    setTitle(fromCoreText(settings.title));
    setStyle(GraphStyle::forBarChart(m_fields));
}

bool CBarView::compute(CIncidenceStore& store) {
    m_store = &store;
    m_model = computeBarChart(store, m_fields, m_standards,
                              m_errorBars ? std::optional(m_intervals) : std::nullopt);
    m_geometry = {};
    return !m_model.bars.empty();
}

void CBarView::setStandards(const StandardChoice& standards) {
    if (m_standards == standards) {
        return;
    }
    m_standards = standards;
    const RateKind kind = m_fields.rateKind;
    if (m_store != nullptr && (kind == RateKind::AsrWorld || kind == RateKind::AsrEuropean)) {
        compute(*m_store);
        update();
    }
}

void CBarView::paintGraph(QPainter& painter, const QSize& size, const GraphStyle& style,
                          bool onScreen) {
    GraphStyle drawn = style;
    if (!onScreen) {
        // A printout shows the bars the screen shows, however tall the page.
        drawn.fixedBarRows = m_geometry.shown;
    }
    BarChartGeometry geometry = CBarChartPainter::paint(painter, size, m_model, drawn);
    if (onScreen) {
        m_geometry = std::move(geometry);
    }
}

void CBarView::setBarColour(const QColor& colour) {
    mutableStyle().barColour = colour;
    colourChanged();
}

void CBarView::chooseBarColour() {
    QColor colour = style().barColour;
    if (askColour(colour)) {
        setBarColour(colour);
    }
}

void CBarView::toggleLines() {
    mutableStyle().lines = !style().lines;
    redraw();
}

QString CBarView::statusTextAt(const QPoint& position) const {
    const int bar = m_geometry.barAt(position);
    if (bar < 0) {
        return {};
    }
    return fromCoreText(m_model.statusText(static_cast<std::size_t>(bar)));
}

bool CBarView::offersCommand(int id) const {
    // The publication style has its own colours, and the error bars are drawn in it only.
    const bool publication = look() == GraphLook::Publication;
    return (id == cmd::kBarColour && !publication) || id == cmd::kVerticalLines ||
           (id == cmd::kErrorBars && publication);
}

void CBarView::runKindCommand(int id) {
    if (id == cmd::kBarColour) {
        chooseBarColour();
    } else if (id == cmd::kVerticalLines) {
        toggleLines();
    } else if (id == cmd::kErrorBars) {
        setErrorBars(!m_errorBars);
    }
}

bool CBarView::isCommandChecked(int id) const {
    return (id == cmd::kVerticalLines && style().lines) || (id == cmd::kErrorBars && m_errorBars);
}

void CBarView::setErrorBars(bool on) {
    m_errorBars = on;
    if (m_store != nullptr) {
        compute(*m_store);
    }
    redraw();
}

void CBarView::setIntervals(const IntervalChoice& intervals) {
    m_intervals = intervals;
    if (m_errorBars && m_store != nullptr) {
        compute(*m_store);
        redraw();
    }
}

bool CBarView::coloursDifferFromStored(const GraphSettings& stored) const {
    return GraphStyle::toColourRef(style().background) != stored.barBackground ||
           GraphStyle::toColourRef(style().text) != stored.barText ||
           GraphStyle::toColourRef(style().barColour) != stored.barIncidence;
}

void CBarView::storeColours(GraphSettings& stored) const {
    stored.barBackground = GraphStyle::toColourRef(style().background);
    stored.barText = GraphStyle::toColourRef(style().text);
    stored.barIncidence = GraphStyle::toColourRef(style().barColour);
}

QString CBarView::keepColoursQuestion() const {
    return QStringLiteral(
        "The colours have been modified.\r\nDo you want to use these for future bar charts?");
}

} // namespace orvelan
