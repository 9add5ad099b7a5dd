#include "CGridView.h"

#include "core/data/CIncidenceStore.h"
#include "core/reports/CTextGrid.h"
#include "core/reports/NumberTable.h"
#include "graphics/CoreText.h"
#include "gui/framework/CChildFrame.h"
#include "gui/framework/CViewHost.h"
#include "gui/framework/CommandIds.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CGridCtrl.h"
#include "gui/widgets/CGridPrinter.h"
#include "gui/widgets/CPrintRunner.h"
#include "gui/widgets/CSortColumnDlg.h"

#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>
#include <new>
#include <set>

namespace orvelan {

namespace {

unsigned formatOf(CellAlignment alignment) {
    switch (alignment) {
    case CellAlignment::HeaderWrap:
        return GridFormat::kLeft | GridFormat::kWordBreak;
    case CellAlignment::LabelLeft:
        return GridFormat::kLeft | GridFormat::kVCenter | GridFormat::kSingleLine |
               GridFormat::kEndEllipsis;
    case CellAlignment::ValueCentered:
        break;
    }
    return GridFormat::kCenter | GridFormat::kVCenter | GridFormat::kEndEllipsis;
}

} // namespace

CGridView::CGridView(QWidget* parent) : QWidget(parent) {
    m_grid = new CGridCtrl(this);
    m_grid->setProperty("controlId", kGridId);
    m_grid->setEditable(false);
    m_grid->setDragEnabled(true);
    // The grid always covers the whole client area, also after every resize.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    setFocusProxy(m_grid);
    // The cells are drawn in the font of the size index from the first paint on, whatever face
    // the font bar gives later.
    buildFont(QStringLiteral("MS Sans Serif"));
    addCommands();
}

CGridView::~CGridView() = default;

void CGridView::createFont(const QString& face) {
    buildFont(face);
    applyFont();
}

void CGridView::buildFont(const QString& face) {
    m_fontFace = face;
    m_font = QFont(face);
    m_font.setPointSize(kFontHeights[m_fontSizeIndex]);
}

int CGridView::rowHeightForFont() const {
    return QFontMetrics(m_font).height() + 2 * CGridCtrl::kMargin;
}

void CGridView::showTable(const CTextGrid& table) {
    m_title = fromCoreText(table.title());
    m_titleNote = fromCoreText(table.titleNote());
    m_grid->setRowCount(0);
    m_grid->setColumnCount(0);
    m_grid->setDefaultRowHeight(rowHeightForFont());
    try {
        m_grid->setRowCount(table.rowCount());
        m_grid->setColumnCount(table.columnCount());
    } catch (const std::bad_alloc&) {
        m_grid->setRowCount(0);
        m_grid->setColumnCount(0);
        QMessageBox::critical(this, QString(), QStringLiteral("Out of memory."));
        return;
    }
    m_grid->setFixedRowCount(table.fixedRowCount());
    m_grid->setFixedColumnCount(table.fixedColumnCount());
    GridItem item;
    item.mask =
        GridMask::kText | GridMask::kFormat | GridMask::kState | GridMask::kFont | GridMask::kParam;
    item.state = GridState::kReadOnly;
    item.font = m_font;
    for (int row = 0; row < table.rowCount(); ++row) {
        item.row = row;
        // Column 0 remembers the table row, so that a save after sorting finds its texts.
        item.param = row;
        for (int column = 0; column < table.columnCount(); ++column) {
            item.column = column;
            item.text = fromCoreText(table.text(row, column));
            item.format = formatOf(table.alignment(row, column));
            m_grid->setItem(item);
        }
    }
    m_grid->autoSizeColumns();
    fitTitleNote();
}

void CGridView::fitTitleNote() {
    const QString title = m_grid->itemText(0, 0);
    if (m_titleNote.isEmpty() || !title.endsWith(m_titleNote)) {
        return;
    }
    // The label column is as wide as the title without its note and the labels; the note wraps
    // below the title within it (whole words), and the header row grows to show it.
    int width = m_grid->extentOf(0, 0, title.left(title.size() - m_titleNote.size()));
    for (const QString& word : m_titleNote.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        width = std::max(width, m_grid->extentOf(0, 0, word));
    }
    for (int row = 1; row < m_grid->rowCount(); ++row) {
        width = std::max(width, m_grid->cellExtent(row, 0));
    }
    m_grid->setColumnWidth(0, width);
    m_grid->fitRowHeight(0);
}

void CGridView::applyFont() {
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (int column = 0; column < m_grid->columnCount(); ++column) {
            m_grid->setItemFont(row, column, m_font);
        }
        m_grid->setRowHeight(row, rowHeightForFont());
    }
    m_grid->setDefaultRowHeight(rowHeightForFont());
    // Columns follow the new font, so that a larger font does not cut the texts off.
    m_grid->autoSizeColumns();
    fitTitleNote();
}

void CGridView::decreaseFont() {
    if (m_fontSizeIndex > kMinFontIndex) {
        --m_fontSizeIndex;
        createFont(m_fontFace);
    }
}

void CGridView::increaseFont() {
    if (m_fontSizeIndex < kMaxFontIndex) {
        ++m_fontSizeIndex;
        createFont(m_fontFace);
    }
}

void CGridView::setFontFace(const QString& face) { createFont(face); }

void CGridView::resetColours() {
    m_backgroundColour = Qt::white;
    m_textColour = Qt::black;
}

bool CGridView::setBackgroundColour(const QColor& colour) {
    if (!colour.isValid() || colour == m_backgroundColour) {
        return false;
    }
    m_backgroundColour = colour;
    for (int row = m_grid->fixedRowCount(); row < m_grid->rowCount(); ++row) {
        for (int column = m_grid->fixedColumnCount(); column < m_grid->columnCount(); ++column) {
            m_grid->setItemBackColour(row, column, colour);
        }
    }
    return true;
}

bool CGridView::setTextColour(const QColor& colour) {
    if (!colour.isValid() || colour == m_textColour) {
        return false;
    }
    m_textColour = colour;
    for (int row = m_grid->fixedRowCount(); row < m_grid->rowCount(); ++row) {
        for (int column = m_grid->fixedColumnCount(); column < m_grid->columnCount(); ++column) {
            m_grid->setItemTextColour(row, column, colour);
        }
    }
    return true;
}

void CGridView::chooseBackgroundColour() {
    const QColor colour = QColorDialog::getColor(m_backgroundColour, this);
    if (colour.isValid()) {
        setBackgroundColour(colour);
    }
}

void CGridView::chooseTextColour() {
    const QColor colour = QColorDialog::getColor(m_textColour, this);
    if (colour.isValid()) {
        setTextColour(colour);
    }
}

std::unique_ptr<CSortColumnDlg> CGridView::createSortDialog() {
    return std::make_unique<CSortColumnDlg>(sortFirstEntry(), m_grid, this);
}

void CGridView::sort() {
    const std::unique_ptr<CSortColumnDlg> dialog = createSortDialog();
    if (dialog->exec() == QDialog::Accepted && dialog->column() >= 0) {
        sortBy(dialog->column(), dialog->ascending());
    }
}

void CGridView::sortBy(int column, bool ascending) {
    m_grid->sortTextItems(column, ascending);
    m_grid->viewport()->update();
}

QString CGridView::proposedFileName() const {
    if (const CChildFrame* frame = CChildFrame::of(this)) {
        return frame->proposedSavePath(m_workFolder, QStringLiteral(".txt"));
    }
    return QDir(m_workFolder).filePath(m_grid->documentTitle() + QStringLiteral(".txt"));
}

SaveResult CGridView::saveTo(const QString& path) const {
    const CTextGrid* source = table();
    if (source == nullptr || m_grid->rowCount() == 0 || m_grid->columnCount() == 0) {
        return IoResult::refusal(IoStatus::Failed, "There is no table to save.");
    }
    if (hasExtension(path.toStdString(), ".csv")) {
        const std::string text = numbersText(',');
        if (text.empty()) {
            return IoResult::refusal(IoStatus::UnsupportedFormat,
                                     std::string(kUnsupportedFormatMessage));
        }
        return writeFileAtomically(path.toStdString(), text);
    }
    CTextGrid shown(m_grid->rowCount(), m_grid->columnCount());
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const auto tableRow = static_cast<int>(m_grid->cell(row, 0)->param);
        for (int column = 0; column < m_grid->columnCount(); ++column) {
            shown.setText(row, column,
                          tableRow >= 0 && tableRow < source->rowCount()
                              ? source->text(tableRow, column)
                              : toCoreText(m_grid->itemText(row, column)));
        }
    }
    return shown.save(path.toStdString());
}

void CGridView::saveAs() {
    FileDialogRequest request;
    request.save = true;
    request.caption = QStringLiteral("Save As");
    request.directory = proposedFileName();
    request.filter = QStringLiteral("Text (tab delimited)(*.txt);;Formatted Text (*.prn)");
    if (hasNumbers()) {
        request.filter += QStringLiteral(";;Numbers, comma separated (*.csv)");
    }
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = CFileDialogs::getSaveFileName(this, request);
    if (path.isEmpty()) {
        return;
    }
    const SaveResult result = saveTo(path);
    if (!result.ok()) {
        QMessageBox::warning(this, QString(), fromCoreMessage(result.message));
    } else if (CViewHost* host = CViewHost::current()) {
        host->documentSaved(this, path);
    }
}

bool CGridView::printTo(QPrinter& printer) const {
    CGridPrinter gridPrinter(*m_grid);
    return gridPrinter.print(printer);
}

void CGridView::print() {
    CPrintRunner::print(
        this, [this](QPrinter& printer) { return printTo(printer); },
        [this](const QPrinter& printer) {
            return CGridPrinter(*m_grid).beginPrinting(
                printer.pageRect(QPrinter::DevicePixel).size());
        });
}

void CGridView::printDirect() {
    CPrintRunner::printDirect(this, [this](QPrinter& printer) { return printTo(printer); });
}

void CGridView::printPreview() {
    CPrintRunner::preview(this, [this](QPrinter& printer) { return printTo(printer); });
}

void CGridView::addCommands() {
    m_commands.add(
        cmd::kCopy, [this] { copy(); }, [this] { return m_grid->canCopy(); });
    m_commands.add(
        cmd::kCopyNumbers, [this] { copyNumbers(); },
        [this] { return hasNumbers() && m_grid->rowCount() > m_grid->fixedRowCount(); });
    m_commands.add(cmd::kSelectAll, [this] { selectAll(); });
    m_commands.add(cmd::kSort, [this] { sort(); });
    m_commands.add(cmd::kSaveAs, [this] { saveAs(); });
    m_commands.add(cmd::kPrint, [this] { print(); });
    m_commands.add(cmd::kPrintDirect, [this] { printDirect(); });
    m_commands.add(cmd::kPrintPreview, [this] { printPreview(); });
    m_commands.add(
        cmd::kDecreaseFont, [this] { decreaseFont(); },
        [this] { return m_fontSizeIndex > kMinFontIndex; });
    m_commands.add(
        cmd::kIncreaseFont, [this] { increaseFont(); },
        [this] { return m_fontSizeIndex < kMaxFontIndex; });
    m_commands.add(kBackgroundColourCommand, [this] { chooseBackgroundColour(); });
    m_commands.add(kTextColourCommand, [this] { chooseTextColour(); });
}

bool CGridView::handlesCommand(int id) const { return m_commands.handles(id); }

bool CGridView::isCommandEnabled(int id) const {
    // A command a derived view adds (Swap) can run whenever it is handled.
    return m_commands.handles(id) ? m_commands.isEnabled(id) : handlesCommand(id);
}

void CGridView::runCommand(int id) { m_commands.run(id); }

void CGridView::copy() { m_grid->copy(); }

void CGridView::selectAll() { m_grid->selectAll(); }

std::vector<int> CGridView::shownTableRows() const {
    std::set<int> selectedRows;
    if (m_grid->selectedCount() > 1) {
        for (const CellPosition& cell : m_grid->selectedCells()) {
            if (cell.row >= m_grid->fixedRowCount()) {
                selectedRows.insert(cell.row);
            }
        }
    }
    std::vector<int> rows;
    for (int row = m_grid->fixedRowCount(); row < m_grid->rowCount(); ++row) {
        if (selectedRows.empty() || selectedRows.contains(row)) {
            rows.push_back(static_cast<int>(m_grid->cell(row, 0)->param));
        }
    }
    return rows;
}

bool CGridView::canRecompute(const CIncidenceStore* store) {
    return store != nullptr && store->cutShortMessage().empty();
}

std::string CGridView::numbersText(char separator) const {
    const CTextGrid* source = table();
    const std::optional<NumberGrid> numbers = numberGrid();
    if (source == nullptr || !numbers) {
        return {};
    }
    const std::vector<int> rows = shownTableRows();
    return numberTableText(*source, *numbers, separator, rows);
}

void CGridView::copyNumbers() {
    const std::string text = numbersText('\t');
    if (!text.empty()) {
        QGuiApplication::clipboard()->setText(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
}

} // namespace orvelan
