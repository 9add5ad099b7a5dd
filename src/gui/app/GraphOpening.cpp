#include "gui/app/GraphOpening.h"

#include "core/graphs/GraphSettings.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CDocument.h"
#include "gui/graphs/CAgeView.h"
#include "gui/graphs/CBarView.h"
#include "gui/graphs/CPieView.h"
#include "gui/graphs/CPopView.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>
#include <algorithm>

namespace orvelan::gui {

namespace {

// Finishing the wizard keeps every choice but those that start afresh with each wizard.
void keepChoices(const GraphSettings& settings, GraphSettings& kept) {
    const GraphSettings previous = kept;
    kept = settings;
    kept.title = previous.title;
    kept.pyramidBasis = previous.pyramidBasis;
    kept.lineThickness = previous.lineThickness;
    kept.lineSymbol = previous.lineSymbol;
}

struct KindOfGraph {
    DocumentType type;
    const char* titleWord; // replaces "Graph" in the new document's title
};

std::optional<KindOfGraph> kindOf(GraphKind kind) {
    switch (kind) {
    case GraphKind::AgeSpecific:
        return KindOfGraph{DocumentType::AgeCurves, "Age-specific "};
    case GraphKind::BarChart:
        return KindOfGraph{DocumentType::BarChart, "Bar chart"};
    case GraphKind::PieChart:
        return KindOfGraph{DocumentType::PieChart, "Pie chart "};
    case GraphKind::Pyramid:
        return KindOfGraph{DocumentType::Pyramid, "Pyramid "};
    default:
        return std::nullopt;
    }
}

CGraphView* createView(GraphKind kind, GraphSettings& stored) {
    switch (kind) {
    case GraphKind::AgeSpecific:
        return new CAgeView(&stored);
    case GraphKind::BarChart:
        return new CBarView(&stored);
    case GraphKind::PieChart:
        return new CPieView(&stored);
    default:
        return new CPopView(&stored);
    }
}

void connectToFrame(CMainFrame& frame, CGraphView& view) {
    view.setFontFace(frame.fontNameBox()->currentText());
    QObject::connect(&frame, &CMainFrame::fontFaceChanged, &view, &CGraphView::setFontFace);
    if (auto* pane = frame.statusBar()->findChild<QLabel*>(QStringLiteral("messagePane"))) {
        QObject::connect(&view, &CGraphView::statusTextChanged, pane, &QLabel::setText);
    }
}

} // namespace

bool openGraph(CMainFrame& frame, const GraphSettings& settings) {
    CORVELANApp& app = *CORVELANApp::instance();
    keepChoices(settings, app.blocks().graph);
    const std::optional<KindOfGraph> kind = kindOf(settings.kind);
    if (!kind) {
        return false;
    }
    CGraphView* view = createView(settings.kind, app.blocks().graph);
    view->setWorkFolder(app.workDirectory());
    view->setFigureChoice(&app.figureChoice());
    view->setLook(app.graphLook());
    CChildFrame* child = frame.openDocument(kind->type, view);
    CDocument* document = child->document();
    QString title = document->title();
    title.replace(QStringLiteral("Graph"), QString::fromLatin1(kind->titleWord));
    document->setTitle(title);
    connectToFrame(frame, *view);
    view->setFields(settings);
    if (auto* target = dynamic_cast<CStandardTarget*>(view)) {
        target->setStandards(app.standards());
    }
    if (auto* target = dynamic_cast<CIntervalTarget*>(view)) {
        target->setIntervals(app.intervals());
    }
    if (!view->compute(app.store())) {
        // No curve, no positive bar, no slice: the document goes, the status bar says why.
        child->close();
        frame.showStatusMessage(QStringLiteral("No data available for this graph"));
        return false;
    }
    if (kind->type == DocumentType::Pyramid) {
        // The whole document area below and right of the window's cascaded corner: a pyramid
        // needs all the room there is, and a window reaching past the area would be cut off.
        const QSize area = frame.mdiArea()->viewport()->size();
        const QPoint corner = child->pos();
        child->resize(std::max(1, area.width() - corner.x()),
                      std::max(1, area.height() - corner.y()));
    }
    view->update();
    return true;
}

} // namespace orvelan::gui
