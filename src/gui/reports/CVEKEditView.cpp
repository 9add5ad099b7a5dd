#include "gui/reports/CVEKEditView.h"

#include "core/reports/CStandardTableBuilder.h"
#include "graphics/CoreText.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CViewHost.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CFindDialog.h"
#include "gui/widgets/CFileDialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <memory>

namespace orvelan {

CVEKEditView::CVEKEditView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("vekEditView"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setViewportMargins(10, 0, 0, 0);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Window, Qt::white); // the left margin too
    setPalette(colours);
    setAutoFillBackground(true);
    applyFont();
    connect(this, &QPlainTextEdit::copyAvailable, this, [this](bool available) {
        m_copyAvailable = available;
        emit commandStateChanged();
    });
    connect(this, &QPlainTextEdit::undoAvailable, this, [this](bool available) {
        m_undoAvailable = available;
        emit commandStateChanged();
    });
    addCommands();
}

CVEKEditView::~CVEKEditView() = default;

void CVEKEditView::setText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(lines);
}

QString CVEKEditView::text() const {
    QString lines = toPlainText();
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return lines;
}

void CVEKEditView::setTextBytes(const std::string& bytes) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8(raw);
    m_latin1 = utf8.hasError();
    if (m_latin1) {
        decoded = QString::fromLatin1(raw);
    }
    setText(decoded);
}

std::string CVEKEditView::textBytes() const {
    return (m_latin1 ? text().toLatin1() : text().toUtf8()).toStdString();
}

void CVEKEditView::applyFont() {
    QFont face(QStringLiteral("Courier New"));
    face.setStyleHint(QFont::TypeWriter);
    face.setPixelSize(m_fontSize);
    setFont(face);
    document()->setDefaultFont(face);
    emit commandStateChanged();
}

void CVEKEditView::decreaseFont() {
    if (m_fontSize > kMinFontSize) {
        --m_fontSize;
        applyFont();
    }
}

void CVEKEditView::increaseFont() {
    if (m_fontSize < kMaxFontSize) {
        ++m_fontSize;
        applyFont();
    }
}

bool CVEKEditView::saveAs(const QString& path) {
    const SaveResult result = CStandardTableBuilder::saveStandardTable(
        QFile::encodeName(path).toStdString(), textBytes());
    if (result.status == SaveStatus::UnsupportedFormat) {
        QMessageBox::information(this, QStringLiteral("ORVELAN"), fromCoreMessage(result.message));
    } else if (result.status == SaveStatus::Failed) {
        QMessageBox::warning(this, QStringLiteral("ORVELAN"), fromCoreMessage(result.message));
    }
    return result.ok();
}

void CVEKEditView::askSaveAs() {
    FileDialogRequest request;
    request.save = true;
    request.caption = QStringLiteral("Save As");
    CViewHost* host = CViewHost::current();
    const QString folder = host ? host->workDirectory() : QString();
    const CChildFrame* frame = CChildFrame::of(this);
    request.directory = frame ? frame->proposedSavePath(folder, QStringLiteral(".prn")) : folder;
    request.filter = QStringLiteral("Formatted Text (*.prn)");
    request.defaultSuffix = QStringLiteral("prn");
    const QString path = CFileDialogs::getSaveFileName(this, request);
    if (!path.isEmpty() && saveAs(path) && host) {
        host->documentSaved(this, path);
    }
}

namespace {

// The screen font is sized in pixels, which a 1200-dpi printer would make tiny: print the same
// size in points (96 pixels to the inch).
constexpr qreal kPointsPerPixel = 0.75;
// Room for the caret and rounding in the printer's text layout.
constexpr qreal kWidthSlack = 1.02;

qreal widestLine(const QString& text, const QFont& font, QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    qreal widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest * kWidthSlack;
}

QFont printFont(const QFont& screen, qreal pointSize) {
    QFont printed = screen;
    printed.setPointSizeF(pointSize);
    return printed;
}

} // namespace

CVEKEditView::PrintFit CVEKEditView::printFit(QPrinter& printer) const {
    PrintFit fit;
    fit.pointSize = m_fontSize * kPointsPerPixel;
    const qreal available = printer.pageRect(QPrinter::DevicePixel).width();
    const qreal needed = widestLine(toPlainText(), printFont(font(), fit.pointSize), &printer);
    if (needed <= available || needed <= 0) {
        return fit;
    }
    // Half points, rounded down, so that the longest line stays inside the page.
    const qreal own = fit.pointSize;
    fit.pointSize = std::max(1.0, std::floor(own * available / needed * 2.0) / 2.0);
    fit.note = QStringLiteral("The text is printed at %1 pt instead of %2 pt so that every column "
                              "fits the page width.")
                   .arg(fit.pointSize)
                   .arg(own);
    return fit;
}

QString CVEKEditView::chooseOrientation(QPrinter& printer) const {
    if (printer.pageLayout().orientation() != QPageLayout::Portrait ||
        printFit(printer).note.isEmpty()) {
        return {};
    }
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!printFit(printer).note.isEmpty()) {
        printer.setPageOrientation(QPageLayout::Portrait); // too wide either way: scale instead
        return {};
    }
    return QStringLiteral("The page is turned to landscape so that every column fits.");
}

QString CVEKEditView::printTo(QPrinter& printer) const {
    const PrintFit fit = printFit(printer);
    std::unique_ptr<QTextDocument> copy(document()->clone());
    // Laid out on the printer itself, one page the size of the printable area: the widths
    // measured above are the widths printed.
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setDefaultFont(printFont(font(), fit.pointSize));
    QTextOption unwrapped = copy->defaultTextOption();
    unwrapped.setWrapMode(QTextOption::NoWrap);
    copy->setDefaultTextOption(unwrapped);
    copy->setDocumentMargin(0);
    copy->setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    copy->print(&printer);
    return fit.note;
}

void CVEKEditView::print() {
    QPrinter& printer = CViewHost::current()->printer();
    const QPageLayout::Orientation chosen = printer.pageLayout().orientation();
    chooseOrientation(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        printTo(printer);
    }
    printer.setPageOrientation(chosen);
}

void CVEKEditView::printPreview() {
    QPrinter& printer = CViewHost::current()->printer();
    const QPageLayout::Orientation chosen = printer.pageLayout().orientation();
    const QString turned = chooseOrientation(printer);
    QPrintPreviewDialog dialog(&printer, this);
    // The preview says how the text was fitted; it follows the orientation chosen in it.
    auto* note = new QLabel(&dialog);
    note->setObjectName(QStringLiteral("printFitNote"));
    note->setWordWrap(true);
    if (dialog.layout() != nullptr) {
        dialog.layout()->addWidget(note);
    }
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this, note, turned, chosen](QPrinter* target) {
                const QString scaled = printTo(*target);
                const bool stillTurned = target->pageLayout().orientation() != chosen;
                QStringList lines;
                if (stillTurned && !turned.isEmpty()) {
                    lines << turned;
                }
                if (!scaled.isEmpty()) {
                    lines << scaled;
                }
                note->setText(lines.join(QLatin1Char(' ')));
                note->setVisible(!lines.isEmpty());
            });
    dialog.exec();
    printer.setPageOrientation(chosen);
}

bool CVEKEditView::findText(const QString& text, bool matchCase, bool wholeWord, bool down) {
    m_lastFind = text;
    m_lastMatchCase = matchCase;
    m_lastWholeWord = wholeWord;
    m_lastDown = down;
    QTextDocument::FindFlags flags;
    if (matchCase) {
        flags |= QTextDocument::FindCaseSensitively;
    }
    if (wholeWord) {
        flags |= QTextDocument::FindWholeWords;
    }
    if (!down) {
        flags |= QTextDocument::FindBackward;
    }
    if (text.isEmpty() || !find(text, flags)) {
        QApplication::beep();
        if (CViewHost* host = CViewHost::current()) {
            host->showStatusMessage(QStringLiteral("Cannot find \"%1\"").arg(text));
        }
        return false;
    }
    return true;
}

bool CVEKEditView::findNext() {
    if (m_lastFind.isEmpty()) {
        showFindDialog();
        return false;
    }
    return findText(m_lastFind, m_lastMatchCase, m_lastWholeWord, m_lastDown);
}

void CVEKEditView::showFindDialog() {
    if (m_findDialog == nullptr) {
        m_findDialog = new CFindDialog(this);
        connect(m_findDialog, &CFindDialog::findNextRequested, this,
                [this](const QString& text, bool matchCase, bool wholeWord, bool down) {
                    findText(text, matchCase, wholeWord, down);
                });
    }
    m_findDialog->setFindWhat(textCursor().hasSelection() ? textCursor().selectedText()
                                                          : m_lastFind);
    m_findDialog->show();
    m_findDialog->raise();
    m_findDialog->activateWindow();
}

void CVEKEditView::addCommands() {
    m_commands.add(cmd::kSaveAs, [this] { askSaveAs(); });
    m_commands.add(cmd::kPrint, [this] { print(); });
    m_commands.add(cmd::kPrintDirect, [this] { printTo(CViewHost::current()->printer()); });
    m_commands.add(cmd::kPrintPreview, [this] { printPreview(); });
    m_commands.add(
        cmd::kUndo, [this] { undo(); }, [this] { return m_undoAvailable; });
    m_commands.add(
        cmd::kCopy, [this] { copy(); }, [this] { return m_copyAvailable; });
    m_commands.add(cmd::kSelectAll, [this] { selectAll(); });
    m_commands.add(cmd::kFind, [this] { showFindDialog(); });
    m_commands.add(cmd::kFindNext, [this] { findNext(); });
    m_commands.add(
        cmd::kDecreaseFont, [this] { decreaseFont(); },
        [this] { return m_fontSize > kMinFontSize; });
    m_commands.add(
        cmd::kIncreaseFont, [this] { increaseFont(); },
        [this] { return m_fontSize < kMaxFontSize; });
}

bool CVEKEditView::handlesCommand(int id) const { return m_commands.handles(id); }

bool CVEKEditView::isCommandEnabled(int id) const { return m_commands.isEnabled(id); }

void CVEKEditView::runCommand(int id) { m_commands.run(id); }

} // namespace orvelan
