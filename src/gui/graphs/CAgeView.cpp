#include "gui/graphs/CAgeView.h"

#include "graphics/CoreText.h"
#include "gui/data/CAgeScopeDlg.h"
#include "gui/framework/CommandIds.h"
#include "gui/graphs/CLineStyleDlg.h"

#include <QMouseEvent>

namespace orvelan {

CAgeView::CAgeView(GraphSettings* stored, QWidget* parent) : CGraphView(stored, parent) {
    setObjectName(QStringLiteral("ageView"));
}

void CAgeView::setFields(const GraphSettings& settings) {
    // What the curves need: title, colours, sex, line thickness and symbol, the age range
    // and both selection lists.
    m_fields = GraphSettings{};
    m_fields.kind = GraphKind::AgeSpecific;
    m_fields.title = settings.title;
    m_fields.ageBackground = settings.ageBackground;
    m_fields.ageText = settings.ageText;
    m_fields.sex = settings.sex;
    m_fields.lineThickness = settings.lineThickness;
    m_fields.lineSymbol = settings.lineSymbol;
    m_fields.ageFrom = settings.ageFrom;
    m_fields.ageTo = settings.ageTo;
    m_fields.registries = settings.registries;
    m_fields.cancers = settings.cancers;
    setTitle(fromCoreText(settings.title));
    setStyle(GraphStyle::forAgeCurves(m_fields));
}

bool CAgeView::compute(CIncidenceStore& store) {
    m_model = computeAgeCurves(store, m_fields);
    m_geometry = {};
    return !m_model.curves.empty();
}

void CAgeView::paintGraph(QPainter& painter, const QSize& size, const GraphStyle& style,
                          bool onScreen) {
    AgeCurvesGeometry geometry = CAgeCurvesPainter::paint(painter, size, m_model, style);
    if (onScreen) {
        m_geometry = std::move(geometry);
    }
}

void CAgeView::toggleLogarithmic() {
    mutableStyle().logarithmic = !style().logarithmic;
    redraw();
}

void CAgeView::toggleLines() {
    mutableStyle().lines = !style().lines;
    redraw();
}

void CAgeView::modifyAgeRange() {
    CAgeScopeDlg dialog(m_model.ageFrom, m_model.ageTo, m_model.lastAgeGroup, this);
    if (dialog.exec() == QDialog::Accepted) {
        setAgeRange(dialog.from(), dialog.to());
    }
}

void CAgeView::setAgeRange(int from, int to) {
    if (from < 0 || from > m_model.lastAgeGroup) {
        return;
    }
    m_model.ageFrom = from;
    if (to <= m_model.lastAgeGroup) {
        m_model.ageTo = to;
    }
    // A range that ends before it starts would give the plot no column.
    if (m_model.ageTo < m_model.ageFrom) {
        m_model.ageTo = m_model.ageFrom;
    }
    redraw();
}

void CAgeView::setCurveColour(int curve, const QColor& colour) {
    if (curve >= 0 && curve < GraphStyle::kCurveCount) {
        mutableStyle().curveColours[static_cast<std::size_t>(curve)] = colour;
        redraw();
    }
}

void CAgeView::setCurveStyle(int curve, int lineStyle) {
    if (curve >= 0 && curve < GraphStyle::kCurveCount) {
        mutableStyle().curveStyles[static_cast<std::size_t>(curve)] =
            CLineStyleDlg::penStyle(lineStyle);
        redraw();
    }
}

void CAgeView::mousePressEvent(QMouseEvent* event) {
    // Curve colours and styles are the view's own; they are not kept after it closes.
    // The publication style draws its own palette: its legend is not for recolouring.
    const int curve = m_model.curves.size() >= 2 && look() == GraphLook::Classic
                          ? m_geometry.legendAt(event->position().toPoint())
                          : -1;
    if (curve < 0) {
        CGraphView::mousePressEvent(event);
        return;
    }
    const auto index = static_cast<std::size_t>(curve);
    if (event->button() == Qt::LeftButton) {
        QColor colour = style().curveColours[index];
        if (askColour(colour)) {
            setCurveColour(curve, colour);
        }
    } else if (event->button() == Qt::RightButton) {
        CLineStyleDlg dialog(CLineStyleDlg::styleNumber(style().curveStyles[index]), this);
        if (dialog.exec() == QDialog::Accepted) {
            setCurveStyle(curve, dialog.style());
        }
    }
}

QString CAgeView::statusTextAt(const QPoint& position) const {
    const auto hit = m_geometry.pointAt(position);
    if (!hit) {
        return {};
    }
    return fromCoreText(m_model.statusText(hit->first, hit->second));
}

bool CAgeView::offersCommand(int id) const {
    return id == cmd::kLogScale || id == cmd::kAgeRange || id == cmd::kVerticalLines;
}

void CAgeView::runKindCommand(int id) {
    switch (id) {
    case cmd::kLogScale:
        toggleLogarithmic();
        break;
    case cmd::kAgeRange:
        modifyAgeRange();
        break;
    case cmd::kVerticalLines:
        toggleLines();
        break;
    default:
        break;
    }
}

bool CAgeView::isCommandChecked(int id) const {
    return (id == cmd::kLogScale && style().logarithmic) ||
           (id == cmd::kVerticalLines && style().lines);
}

bool CAgeView::coloursDifferFromStored(const GraphSettings& stored) const {
    return GraphStyle::toColourRef(style().background) != stored.ageBackground ||
           GraphStyle::toColourRef(style().text) != stored.ageText;
}

void CAgeView::storeColours(GraphSettings& stored) const {
    stored.ageBackground = GraphStyle::toColourRef(style().background);
    stored.ageText = GraphStyle::toColourRef(style().text);
}

QString CAgeView::keepColoursQuestion() const {
    return QStringLiteral("The colours have been modified.\r\nDo you want to use these for "
                          "future age-specific graphs?");
}

} // namespace orvelan
