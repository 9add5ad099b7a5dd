#include "gui/graphs/CGraphView.h"

#include "core/graphs/GraphSettings.h"
#include "graphics/CImageExport.h"
#include "graphics/CoreText.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CDocument.h"
#include "gui/framework/CommandIds.h"
#include "gui/graphs/CColourDialog.h"
#include "gui/graphs/CPublicationSaveDlg.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CMessages.h"
#include "gui/widgets/CPrintRunner.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <algorithm>
#include <array>
#include <utility>

namespace orvelan {

CGraphView::CGraphView(GraphSettings* stored, QWidget* parent) : QWidget(parent), m_stored(stored) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(120, 90);
    addCommands();
}

void CGraphView::setStyle(const GraphStyle& style) {
    const QString face = m_style.fontFace;
    const GraphLook look = m_style.look;
    m_style = style;
    m_style.fontFace = face;
    m_style.look = look;
}

void CGraphView::setLook(GraphLook look) {
    m_style.look = look;
    redraw();
}

QString CGraphView::documentTitle() const {
    for (const QWidget* widget = parentWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (const auto* frame = qobject_cast<const CChildFrame*>(widget)) {
            return frame->document()->title();
        }
    }
    return m_title;
}

QString CGraphView::proposedFileName() const {
    return QDir(m_workFolder).filePath(documentTitle());
}

void CGraphView::redraw() {
    update();
    emit commandStateChanged();
}

void CGraphView::setFontFace(const QString& face) {
    m_style.fontFace = face;
    update();
}

void CGraphView::increaseFont() {
    if (m_style.fontSizeIndex < kMaxFontSizeIndex) {
        ++m_style.fontSizeIndex;
    }
    redraw();
}

void CGraphView::decreaseFont() {
    if (m_style.fontSizeIndex > 0) {
        --m_style.fontSizeIndex;
    }
    redraw();
}

void CGraphView::colourChanged() {
    // Compared over all the view's colours, so that setting one colour back to its stored
    // value does not drop another colour the user changed before.
    m_coloursModified = m_stored != nullptr && coloursDifferFromStored(*m_stored);
    redraw();
}

void CGraphView::setBackgroundColour(const QColor& colour) {
    m_style.background = colour;
    colourChanged();
}

void CGraphView::setTextColour(const QColor& colour) {
    m_style.text = colour;
    colourChanged();
}

bool CGraphView::askColour(QColor& colour) {
    const std::optional<QColor> chosen = CColourDialog::choose(this, colour);
    if (!chosen || !chosen->isValid()) {
        return false;
    }
    colour = *chosen;
    return true;
}

void CGraphView::chooseBackgroundColour() {
    QColor colour = m_style.background;
    if (askColour(colour)) {
        setBackgroundColour(colour);
    }
}

void CGraphView::chooseTextColour() {
    QColor colour = m_style.text;
    if (askColour(colour)) {
        setTextColour(colour);
    }
}

CImageExport::PaintFunction CGraphView::screenPainter() {
    return [this](QPainter& painter, QSize area) {
        GraphStyle screen = m_style;
        screen.printScale = 1.0;
        paintGraph(painter, area, screen, true);
    };
}

QImage CGraphView::renderImage() {
    return CImageExport::render(size().expandedTo(QSize(1, 1)), screenPainter());
}

void CGraphView::copy() {
    CImageExport::copyToClipboard(size().expandedTo(QSize(1, 1)), screenPainter());
}

QString CGraphView::saveFilter() const {
    return QStringLiteral("JPEG file (*.JPG);;Bitmap file (*.BMP);;") + figureFilters();
}

QString CGraphView::figureFilters() {
    return QStringLiteral("PNG image (*.PNG);;SVG drawing (*.SVG);;PDF document (*.PDF)");
}

QString CGraphView::defaultSaveSuffix() const { return QStringLiteral("jpg"); }

void CGraphView::saveAs() {
    FileDialogRequest request;
    request.save = true;
    request.directory = proposedFileName();
    request.filter = saveFilter();
    request.defaultSuffix = defaultSaveSuffix();
    const QString path = CFileDialogs::getSaveFileName(this, request);
    if (!path.isEmpty()) {
        requestSave(path);
    }
}

bool CGraphView::requestSave(const QString& path) {
    const QString ending = path.right(4).toUpper();
    const std::array<std::pair<const char*, SaveRequest>, 5> endings = {{
        {".JPG", SaveRequest::Jpeg},
        {".BMP", SaveRequest::Bitmap},
        {".PNG", SaveRequest::Png},
        {".SVG", SaveRequest::Svg},
        {".PDF", SaveRequest::Pdf},
    }};
    for (const auto& [text, request] : endings) {
        if (ending == QLatin1String(text)) {
            m_saveRequest = request;
            m_savePath = path;
            update();
            return true;
        }
    }
    return false;
}

void CGraphView::saveForPublication() {
    const std::optional<FigureChoice> choice = CPublicationSaveDlg::ask(this, *m_figureChoice);
    if (!choice) {
        return;
    }
    *m_figureChoice = *choice;
    FileDialogRequest request;
    request.save = true;
    request.directory = proposedFileName();
    request.filter = CPublicationSaveDlg::filterOf(choice->extension);
    request.defaultSuffix = QString::fromLatin1(choice->extension.substr(1));
    const QString path = CFileDialogs::getSaveFileName(this, request);
    if (!path.isEmpty()) {
        saveFigure(choice->size, path);
    }
}

bool CGraphView::saveFigure(const FigureSize& figure, const QString& path) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const IoResult saved = CImageExport::saveFigure(figure, figurePainter(figure.widthMm),
                                                    QFile::encodeName(path).toStdString(), m_title);
    QGuiApplication::restoreOverrideCursor();
    if (!saved.ok()) {
        const QString message = fromCoreMessage(saved.message);
        emit saveFailed(message);
        CMessages::error(this, message);
    }
    return saved.ok();
}

CImageExport::PaintFunction CGraphView::figurePainter(double widthMm) {
    return [this, widthMm](QPainter& painter, QSize area) {
        GraphStyle figure = m_style;
        figure.printScale = 1.0;
        figure.look = GraphLook::Publication;
        figure.figureWidthMm = widthMm;
        paintGraph(painter, area, figure, false);
    };
}

void CGraphView::paintEvent(QPaintEvent* /*event*/) {
    // Drawn off-screen first, so that a requested save writes exactly what the screen shows.
    const QImage image = renderImage();
    QPainter(this).drawImage(0, 0, image);
    if (m_saveRequest != SaveRequest::None) {
        writePendingImage(image);
    }
}

void CGraphView::writePendingImage(const QImage& image) {
    const SaveRequest request = m_saveRequest;
    m_saveRequest = SaveRequest::None;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string path = QFile::encodeName(m_savePath).toStdString();
    const QSize area = image.size();
    IoResult saved;
    switch (request) {
    case SaveRequest::Jpeg:
        saved = CImageExport::saveJpeg(image, path);
        break;
    case SaveRequest::Png:
        saved = CImageExport::savePng(image, path);
        break;
    case SaveRequest::Svg:
        saved = CImageExport::saveSvg(area, screenPainter(), path, m_title);
        break;
    case SaveRequest::Pdf:
        saved = CImageExport::savePdf(area, screenPainter(), path, m_title);
        break;
    default:
        saved = CImageExport::saveBmp(image, path);
        break;
    }
    QGuiApplication::restoreOverrideCursor();
    if (!saved.ok()) {
        const QString message = fromCoreMessage(saved.message);
        emit saveFailed(message);
        // Not from inside the paint: the message box runs an event loop of its own.
        QTimer::singleShot(0, this, [this, message] { CMessages::error(this, message); });
    }
}

bool CGraphView::printTo(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QSize page = printer.pageRect(QPrinter::DevicePixel).size().toSize();
    const QSize client = size().expandedTo(QSize(1, 1));
    const double scale = std::min(static_cast<double>(page.width()) / client.width(),
                                  static_cast<double>(page.height()) / client.height());
    // Font heights follow the print scale in printer dots. Pens are one screen pixel wide
    // (1/96 inch) rather than one printer dot, which at 1,200 dots per inch would be too thin
    // to see: the page is drawn in units of 1/96 inch.
    const double dotsPerPixel = std::max(1.0, printer.resolution() / 96.0);
    painter.scale(dotsPerPixel, dotsPerPixel);
    GraphStyle printed = m_style;
    printed.printScale = scale / dotsPerPixel;
    const QSize area(static_cast<int>(page.width() / dotsPerPixel),
                     static_cast<int>(page.height() / dotsPerPixel));
    paintGraph(painter, area, printed, false);
    return painter.end();
}

void CGraphView::print() {
    CPrintRunner::print(this, [this](QPrinter& printer) { return printTo(printer); });
}

void CGraphView::printPreview() {
    CPrintRunner::preview(this, [this](QPrinter& printer) { return printTo(printer); });
}

void CGraphView::addCommands() {
    m_commands.add(cmd::kCopy, [this] { copy(); });
    m_commands.add(cmd::kSaveAs, [this] { saveAs(); });
    m_commands.add(cmd::kSaveForPublication, [this] { saveForPublication(); });
    m_commands.add(cmd::kPrint, [this] { print(); });
    m_commands.add(cmd::kPrintPreview, [this] { printPreview(); });
    m_commands.add(
        cmd::kDecreaseFont, [this] { decreaseFont(); },
        [this] { return m_style.fontSizeIndex > 0; });
    m_commands.add(
        cmd::kIncreaseFont, [this] { increaseFont(); },
        [this] { return m_style.fontSizeIndex < kMaxFontSizeIndex; });
    // The publication style draws black on white whatever the colours.
    const auto classic = [this] { return look() == GraphLook::Classic; };
    m_commands.add(
        cmd::kGraphBackgroundColour, [this] { chooseBackgroundColour(); }, classic);
    m_commands.add(
        cmd::kGraphTextColour, [this] { chooseTextColour(); }, classic);
    // The rest of the graph toolbar: answered here so that a kind without them shows them
    // disabled.
    for (const int id : {cmd::kBarColour, cmd::kErrorBars, cmd::kLogScale, cmd::kAgeRange,
                         cmd::kVerticalLines, cmd::kPieLarger, cmd::kPieSmaller}) {
        m_commands.add(
            id, [this, id] { runOffered(id); }, [this, id] { return offersCommand(id); });
    }
}

void CGraphView::runOffered(int id) {
    if (offersCommand(id)) {
        runKindCommand(id);
    }
}

bool CGraphView::handlesCommand(int id) const { return m_commands.handles(id); }

bool CGraphView::isCommandEnabled(int id) const {
    return m_commands.handles(id) ? m_commands.isEnabled(id) : offersCommand(id);
}

void CGraphView::runCommand(int id) {
    if (!m_commands.run(id)) {
        runOffered(id);
    }
}

void CGraphView::setStatusText(const QString& text) {
    m_statusShown = !text.isEmpty();
    emit statusTextChanged(text);
}

void CGraphView::mouseMoveEvent(QMouseEvent* event) {
    const QString text = statusTextAt(event->position().toPoint());
    if (!text.isEmpty()) {
        setStatusText(text);
    } else if (m_statusShown) {
        setStatusText(QString());
    }
    QWidget::mouseMoveEvent(event);
}

void CGraphView::leaveEvent(QEvent* event) {
    if (m_statusShown) {
        setStatusText(QString());
    }
    QWidget::leaveEvent(event);
}

void CGraphView::closeEvent(QCloseEvent* event) {
    if (m_coloursModified && m_stored != nullptr) {
        m_coloursModified = false; // asked once, also when the window closes twice
        if (CMessages::askYesNo(this, keepColoursQuestion())) {
            storeColours(*m_stored);
        }
    }
    event->accept();
}

} // namespace orvelan
