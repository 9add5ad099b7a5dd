#include "gui/reports/CVEKEditView.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"
#include "gui/app/CommandIds.h"
#include "gui/reports/CFindDialog.h"
#include "core/reports/CStandardTableBuilder.h"
#include "gui/widgets/CFileDialogs.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStringDecoder>
#include <QTextDocument>
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
        QMessageBox::information(this, QStringLiteral("ORVELAN"),
                                 QString::fromStdString(result.message));
    } else if (result.status == SaveStatus::Failed) {
        QMessageBox::warning(this, QStringLiteral("ORVELAN"),
                             QString::fromStdString(result.message));
    }
    return result.ok();
}

void CVEKEditView::askSaveAs() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Save As");
    if (const CORVELANApp* app = CORVELANApp::instance()) {
        request.directory = app->workDirectory();
    }
    request.filter = QStringLiteral("Formatted Text (*.prn)");
    request.defaultSuffix = QStringLiteral("prn");
    const QString path = CFileDialogs::getSaveFileName(this, request);
    if (!path.isEmpty()) {
        saveAs(path);
    }
}

void CVEKEditView::printTo(QPrinter& printer) const {
    // The screen font is sized in pixels, which a 1200-dpi printer would make tiny: print the
    // same size in points (96 pixels to the inch).
    std::unique_ptr<QTextDocument> copy(document()->clone());
    QFont printed = font();
    printed.setPointSizeF(m_fontSize * 0.75);
    copy->setDefaultFont(printed);
    copy->print(&printer);
}

void CVEKEditView::print() {
    QPrinter& printer = CORVELANApp::instance()->printer();
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        printTo(printer);
    }
}

void CVEKEditView::printPreview() {
    QPrintPreviewDialog dialog(&CORVELANApp::instance()->printer(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { printTo(*printer); });
    dialog.exec();
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
        if (const CORVELANApp* app = CORVELANApp::instance(); app && app->mainFrame()) {
            app->mainFrame()->showStatusMessage(QStringLiteral("Cannot find \"%1\"").arg(text));
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

bool CVEKEditView::handlesCommand(int id) const {
    switch (id) {
    case cmd::kSaveAs:
    case cmd::kPrint:
    case cmd::kPrintDirect:
    case cmd::kPrintPreview:
    case cmd::kUndo:
    case cmd::kCopy:
    case cmd::kSelectAll:
    case cmd::kFind:
    case cmd::kFindNext:
    case cmd::kDecreaseFont:
    case cmd::kIncreaseFont:
        return true;
    default:
        return false;
    }
}

bool CVEKEditView::isCommandEnabled(int id) const {
    switch (id) {
    case cmd::kUndo:
        return m_undoAvailable;
    case cmd::kCopy:
        return m_copyAvailable;
    case cmd::kDecreaseFont:
        return m_fontSize > kMinFontSize;
    case cmd::kIncreaseFont:
        return m_fontSize < kMaxFontSize;
    default:
        return handlesCommand(id);
    }
}

void CVEKEditView::runCommand(int id) {
    switch (id) {
    case cmd::kSaveAs:
        askSaveAs();
        break;
    case cmd::kPrint:
        print();
        break;
    case cmd::kPrintDirect:
        printTo(CORVELANApp::instance()->printer());
        break;
    case cmd::kPrintPreview:
        printPreview();
        break;
    case cmd::kUndo:
        undo();
        break;
    case cmd::kCopy:
        copy();
        break;
    case cmd::kSelectAll:
        selectAll();
        break;
    case cmd::kFind:
        showFindDialog();
        break;
    case cmd::kFindNext:
        findNext();
        break;
    case cmd::kDecreaseFont:
        decreaseFont();
        break;
    case cmd::kIncreaseFont:
        increaseFont();
        break;
    default:
        break;
    }
}

} // namespace orvelan
