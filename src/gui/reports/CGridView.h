#pragma once

#include "core/io/TextFile.h"
#include "core/reports/GridNumbers.h"
#include "graphics/CoreText.h"
#include "gui/framework/CCommandMap.h"
#include "gui/framework/CCommandTarget.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPrinter;

// What the table views share: one grid over the whole client area, filled once from a table
// of the core, and the commands on it: font size and face, value-cell colours, sort, Save As
// text, printing, copy and select all. The views derive from it and add their table.
namespace orvelan {

class CIncidenceStore;

class CGridCtrl;
class CSortColumnDlg;
class CTextGrid;

class CGridView : public QWidget, public CCommandTarget {
    Q_OBJECT

  public:
    /// Cell font heights by size index; the views keep the index within 3..7.
    static constexpr int kFontHeights[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26};
    static constexpr int kMinFontIndex = 3;
    static constexpr int kMaxFontIndex = 7;
    static constexpr int kInitialFontIndex = 4;
    /// Grid control id of every view.
    static constexpr int kGridId = 100;
    /// Commands of the table views that the menus do not number elsewhere.
    static constexpr int kBackgroundColourCommand = 416;
    static constexpr int kTextColourCommand = 435;

    explicit CGridView(QWidget* parent = nullptr);
    ~CGridView() override;

    CGridCtrl* grid() const { return m_grid; }
    /// Text of the top-left cell.
    QString title() const { return m_title; }
    QFont cellFont() const { return m_font; }
    QString fontFace() const { return m_fontFace; }
    int fontSizeIndex() const { return m_fontSizeIndex; }
    QColor backgroundColour() const { return m_backgroundColour; }
    QColor textColour() const { return m_textColour; }

    /// Builds the cell font from a face of the font bar and the current size index, and sets it
    /// on every cell.
    void createFont(const QString& face);
    /// The folder proposed by Save As ("work" below the data directory).
    void setWorkFolder(const QString& folder) { m_workFolder = folder; }
    /// The name proposed by Save As: the work folder, the document title and ".txt".
    QString proposedFileName() const;

    // Commands.
    void decreaseFont();
    void increaseFont();

  public slots:
    /// A new face chosen in the font bar.
    void setFontFace(const QString& face);

  public:
    /// Sets the background of every value cell; false when the colour is the current one.
    bool setBackgroundColour(const QColor& colour);
    bool setTextColour(const QColor& colour);
    void chooseBackgroundColour();
    void chooseTextColour();
    /// The sort dialog with this view's first entry and the grid's headings.
    std::unique_ptr<CSortColumnDlg> createSortDialog();
    void sort();
    void sortBy(int column, bool ascending);
    void saveAs();
    /// Saves the grid as shown (sorted rows included) by the name's ending.
    SaveResult saveTo(const QString& path) const;
    void print();
    void printDirect();
    void printPreview();
    /// Prints every page (or the printer's range); false when the printer cannot start.
    bool printTo(QPrinter& printer) const;
    void copy();
    /// Puts numbersText('\t') on the clipboard.
    void copyNumbers();
    void selectAll();
    /// The table's numbers as a spreadsheet reads them (one column per figure, a header row):
    /// the rows in the order shown, only the selected ones when more than one cell is selected.
    /// Empty when the view has no numbers.
    std::string numbersText(char separator) const;

    // The commands the main window offers the active view first.
    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

  protected:
    /// Entry 0 of the sort dialog ("Registry name", "Cancer label").
    virtual QString sortFirstEntry() const = 0;
    /// The core table the grid shows; the views keep it for saving.
    virtual const CTextGrid* table() const = 0;
    /// The numbers behind the table's value cells, row for row; nullopt when there are none.
    virtual std::optional<NumberGrid> numberGrid() const { return std::nullopt; }
    /// Whether numberGrid() gives numbers, without computing them.
    virtual bool hasNumbers() const { return false; }
    /// Whether the figures of a view can be computed again from the store: not once a data
    /// file was found cut short on disk (they would be "N.A." where the view shows numbers).
    static bool canRecompute(const CIncidenceStore* store);
    /// Fills the grid from a core table: texts, layouts, read-only state, font, row heights,
    /// then every column sized to its widest cell.
    void showTable(const CTextGrid& table);
    /// Back to white and black after a refill has dropped the cells' colours, so that the
    /// colour chooser proposes what the cells show.
    void resetColours();

  private:
    void addCommands();
    void buildFont(const QString& face);
    void applyFont();
    int rowHeightForFont() const;
    /// The table rows behind the grid rows below the header, in the order shown; only the
    /// selected rows when more than one cell is selected.
    std::vector<int> shownTableRows() const;
    /// Narrows the label column to what the title without its note needs, wrapping the note
    /// below the title; nothing when the table has no note.
    void fitTitleNote();

    CGridCtrl* m_grid = nullptr;
    QFont m_font;
    QString m_fontFace;
    QString m_title;
    QString m_titleNote;
    QColor m_backgroundColour{Qt::white};
    QColor m_textColour{Qt::black};
    int m_fontSizeIndex = kInitialFontIndex;
    QString m_workFolder;
    CCommandMap m_commands;
};

} // namespace orvelan
