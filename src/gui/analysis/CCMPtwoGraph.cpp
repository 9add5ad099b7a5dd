#include "gui/analysis/CCMPtwoGraph.h"

#include "core/graphs/TwoCurveModel.h"
#include "graphics/CImageExport.h"
#include "graphics/CTwoCurvePainter.h"
#include "graphics/CoreText.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CMessages.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

namespace {

/// The drawing area: asks the dialog to draw on each paint.
class Canvas : public QWidget {
  public:
    explicit Canvas(const CCMPtwoGraph& graph, QWidget* parent) : QWidget(parent), m_graph(graph) {
        setObjectName(QStringLiteral("canvas"));
        setMinimumSize(560, 380);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_graph.draw(painter, size());
    }

  private:
    const CCMPtwoGraph& m_graph;
};

} // namespace

struct CCMPtwoGraph::Model {
    TwoCurveModel curves;
};

namespace {

TwoCurveModel curvesOf(CurvePair pair, const ComparisonRun& run) {
    // The rates run to the effective top of the comparison, which holds the folded older ages.
    if (run.last > 0) {
        pair.ageHigh = run.last;
    }
    // The field texts are Latin-1; the painter reads its texts as UTF-8.
    const auto utf8 = [](const std::string& latin1) {
        return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()))
            .toStdString();
    };
    return makeTwoCurveModel(pair, run.openTop, utf8(run.texts.reference),
                             utf8(run.texts.comparison));
}

} // namespace

CCMPtwoGraph::CCMPtwoGraph(QWidget* parent, const CurvePair& pair, const ComparisonRun& run)
    : QDialog(parent), m_model(std::make_unique<Model>(Model{curvesOf(pair, run)})) {
    setObjectName(QStringLiteral("CCMPtwoGraph"));
    setWindowTitle(QStringLiteral("Comparison of two age-specific curves: graph"));
    m_canvas = new Canvas(*this, this);

    auto* scale = new QGroupBox(QStringLiteral("Scale"), this);
    m_logarithmic = new QRadioButton(QStringLiteral("Logarithmic"), scale);
    m_logarithmic->setObjectName(QStringLiteral("logarithmic"));
    m_arithmetic = new QRadioButton(QStringLiteral("Arithmetic"), scale);
    m_arithmetic->setObjectName(QStringLiteral("arithmetic"));
    m_logarithmic->setChecked(true);
    auto* scaleLayout = new QVBoxLayout(scale);
    scaleLayout->addWidget(m_logarithmic);
    scaleLayout->addWidget(m_arithmetic);
    auto* display = new QGroupBox(QStringLiteral("Display"), this);
    m_values = new QCheckBox(QStringLiteral("Values"), display);
    m_values->setObjectName(QStringLiteral("values"));
    m_grid = new QCheckBox(QStringLiteral("Grid"), display);
    m_grid->setObjectName(QStringLiteral("grid"));
    auto* displayLayout = new QVBoxLayout(display);
    displayLayout->addWidget(m_values);
    displayLayout->addWidget(m_grid);
    auto* look = new QGroupBox(QStringLiteral("Graph style"), this);
    m_classic = new QRadioButton(QStringLiteral("Classic"), look);
    m_classic->setObjectName(QStringLiteral("classic"));
    m_publication = new QRadioButton(QStringLiteral("Publication"), look);
    m_publication->setObjectName(QStringLiteral("publication"));
    m_classic->setChecked(true);
    auto* lookLayout = new QVBoxLayout(look);
    lookLayout->addWidget(m_classic);
    lookLayout->addWidget(m_publication);
    auto* copy = new QPushButton(QStringLiteral("Copy to Clipboard"), this);
    copy->setObjectName(QStringLiteral("copy"));
    auto* save = new QPushButton(QStringLiteral("&Save As..."), this);
    save->setObjectName(QStringLiteral("saveAs"));
    auto* close = new QPushButton(QStringLiteral("&Close Window"), this);
    close->setObjectName(QStringLiteral("close"));

    auto redraw = [this] { m_canvas->update(); };
    connect(m_logarithmic, &QRadioButton::toggled, this, redraw);
    connect(m_values, &QCheckBox::toggled, this, redraw);
    connect(m_grid, &QCheckBox::toggled, this, redraw);
    connect(m_publication, &QRadioButton::toggled, this, [this, redraw](bool on) {
        if (m_sharedLook != nullptr) {
            *m_sharedLook = on ? GraphLook::Publication : GraphLook::Classic;
        }
        // The publication graph has its grid always and no value columns.
        m_values->setEnabled(!on);
        m_grid->setEnabled(!on);
        redraw();
    });
    connect(copy, &QPushButton::clicked, this, &CCMPtwoGraph::copyToClipboard);
    connect(save, &QPushButton::clicked, this, &CCMPtwoGraph::saveAs);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* controls = new QVBoxLayout;
    controls->addWidget(scale);
    controls->addWidget(display);
    controls->addWidget(look);
    controls->addStretch(1);
    controls->addWidget(copy);
    controls->addWidget(save);
    controls->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_canvas, 1);
    layout->addLayout(controls);
    resize(780, 520);
}

CCMPtwoGraph::~CCMPtwoGraph() = default;

bool CCMPtwoGraph::logarithmic() const { return m_logarithmic->isChecked(); }

bool CCMPtwoGraph::valuesShown() const { return m_values->isChecked(); }

bool CCMPtwoGraph::gridShown() const { return m_grid->isChecked(); }

bool CCMPtwoGraph::publication() const { return m_publication->isChecked(); }

void CCMPtwoGraph::setLook(GraphLook* shared) {
    m_sharedLook = nullptr; // not written back while the start is set
    (shared != nullptr && *shared == GraphLook::Publication ? m_publication : m_classic)
        ->setChecked(true);
    m_sharedLook = shared;
}

QString CCMPtwoGraph::ageLabel(int ageGroup) const {
    return fromCoreText(m_model->curves.ageLabel(ageGroup));
}

QImage CCMPtwoGraph::picture() const {
    return CImageExport::render(m_canvas->size(),
                                [this](QPainter& painter, QSize size) { draw(painter, size); });
}

void CCMPtwoGraph::draw(QPainter& painter, const QSize& size) const {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    TwoCurveStyle style;
    style.logarithmic = logarithmic();
    style.values = valuesShown();
    style.grid = gridShown();
    style.look = publication() ? GraphLook::Publication : GraphLook::Classic;
    CTwoCurvePainter::paint(painter, size, m_model->curves, style);
}

void CCMPtwoGraph::copyToClipboard() {
    QGuiApplication::clipboard()->setImage(picture());
    CMessages::information(this, QStringLiteral("Done!"));
}

bool CCMPtwoGraph::saveTo(const QString& path) {
    const IoResult result = CImageExport::saveGraph(
        m_canvas->size(), [this](QPainter& painter, QSize size) { draw(painter, size); },
        QFile::encodeName(path).toStdString(), windowTitle());
    if (!result.ok()) {
        CMessages::warning(this, fromCoreMessage(result.message));
    }
    return result.ok();
}

void CCMPtwoGraph::saveAs() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Save As");
    request.directory = m_workFolder;
    request.filter = QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf);;"
                                    "JPEG image (*.jpg);;Bitmap (*.bmp)");
    request.defaultSuffix = QStringLiteral("png");
    const QString path = CFileDialogs::getSaveFileName(this, request);
    if (!path.isEmpty()) {
        saveTo(path);
    }
}

} // namespace orvelan
