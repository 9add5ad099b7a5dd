#pragma once

#include "core/graphs/FigureSize.h"
#include "graphics/CImageExport.h"
#include "graphics/GraphStyle.h"
#include "gui/framework/CCommandMap.h"
#include "gui/framework/CCommandTarget.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class QPrinter;

// What the four graph views share: the display state every kind has (font face and size,
// background and text colour, the colours-modified flag), the commands on it, the status-bar
// text under the pointer, Copy, Save As (written after the next paint), printing and the
// question about keeping the colours when the view closes. The views add their model and the
// painter that draws it.
namespace orvelan {

class CIncidenceStore;
struct GraphSettings;

class CGraphView : public QWidget, public CCommandTarget {
    Q_OBJECT
  public:
    /// Font size indexes run 0-14 into the painters' size table.
    static constexpr int kMaxFontSizeIndex = GraphStyle::kMaxFontSizeIndex;
    /// What the next paint writes after drawing.
    enum class SaveRequest { None, Jpeg, Bitmap, Png, Svg, Pdf };

    /// stored: the application's graph settings, which the colours are compared with and
    /// written to when the user keeps them (nullptr: never asked).
    explicit CGraphView(GraphSettings* stored, QWidget* parent = nullptr);

    /// Takes what this kind draws from the wizard's settings (title, colours, selections).
    virtual void setFields(const GraphSettings& settings) = 0;
    /// Builds the graph once, at creation; false when there is nothing to draw.
    virtual bool compute(CIncidenceStore& store) = 0;

    const QString& title() const { return m_title; }
    /// Everything the user may change without computing the graph again.
    const GraphStyle& style() const { return m_style; }
    int fontSizeIndex() const { return m_style.fontSizeIndex; }
    const QString& fontFace() const { return m_style.fontFace; }
    QColor backgroundColour() const { return m_style.background; }
    QColor textColour() const { return m_style.text; }
    bool coloursModified() const { return m_coloursModified; }
    SaveRequest saveRequest() const { return m_saveRequest; }
    /// The document title as its window shows it ("Pie chart 2").
    QString documentTitle() const;
    /// Save As starts here ("work" below the data directory).
    void setWorkFolder(const QString& folder) { m_workFolder = folder; }
    /// The application's last "Save for publication" choice, which the dialog starts from and
    /// keeps; nullptr: the view's own.
    void setFigureChoice(FigureChoice* remembered) { m_figureChoice = remembered; }
    /// The name Save As proposes: the work folder and the document title.
    QString proposedFileName() const;

    /// A face of the main window's font box; redraws.
    void setFontFace(const QString& face);
    /// Classic or publication drawing; redraws.
    void setLook(GraphLook look);
    GraphLook look() const { return m_style.look; }
    void increaseFont();
    void decreaseFont();
    /// Colour commands: the colour is set and the modified flag follows the stored settings.
    void setBackgroundColour(const QColor& colour);
    void setTextColour(const QColor& colour);
    void chooseBackgroundColour();
    void chooseTextColour();

    /// The graph as the screen shows it, at the view's size.
    QImage renderImage();
    /// Puts the image of the view on the clipboard.
    void copy();
    void saveAs();
    /// Records a save for the next paint when the name ends in ".JPG", ".BMP", ".PNG", ".SVG"
    /// or ".PDF" (any case) and asks for a repaint; false for any other name, which saves
    /// nothing.
    bool requestSave(const QString& path);
    /// "Save for publication...": asks for the printed size, resolution and format, then the
    /// file, and writes the graph there in the publication look.
    void saveForPublication();
    /// Writes the graph in the publication look at a printed size, in the format of the path's
    /// extension; the failure is shown. True when the file was written.
    bool saveFigure(const FigureSize& figure, const QString& path);
    void print();
    void printPreview();
    /// Draws the graph into the printer's printable rectangle (fonts scaled to the page); false
    /// when the printer cannot start.
    bool printTo(QPrinter& printer);

    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;
    bool isCommandChecked(int /*id*/) const override { return false; }

  signals:
    void commandStateChanged();
    /// Text for the first pane of the status bar; empty to clear it.
    void statusTextChanged(const QString& text);
    /// A requested image could not be written; the text says which file and why.
    void saveFailed(const QString& message);

  protected:
    /// Draws the graph on a W x H surface in a style (its print scale is 1 on screen). On
    /// screen the view keeps the geometry the painter returns, for the mouse.
    virtual void paintGraph(QPainter& painter, const QSize& size, const GraphStyle& style,
                            bool onScreen) = 0;
    /// The commands of this kind beyond those every graph has.
    virtual bool offersCommand(int /*id*/) const { return false; }
    virtual void runKindCommand(int /*id*/) {}
    /// The status text of the point or bar under the pointer; empty when there is none.
    virtual QString statusTextAt(const QPoint& /*position*/) const { return {}; }

    /// Whether any colour of the view differs from the stored settings of its kind.
    virtual bool coloursDifferFromStored(const GraphSettings& stored) const = 0;
    /// Writes the view's colours into the stored settings of its kind.
    virtual void storeColours(GraphSettings& stored) const = 0;
    /// "The colours have been modified.\r\nDo you want to use these for ...?"
    virtual QString keepColoursQuestion() const = 0;
    /// Save As filter (Qt form) and default suffix: JPEG first unless a kind says otherwise.
    virtual QString saveFilter() const;
    virtual QString defaultSaveSuffix() const;
    /// The filters of the formats every kind saves besides JPEG and BMP.
    static QString figureFilters();

    void setTitle(const QString& title) { m_title = title; }
    /// The kind's starting style; the font face of the font box is kept.
    void setStyle(const GraphStyle& style);
    GraphStyle& mutableStyle() { return m_style; }
    /// Recomputes the colours-modified flag after a colour changed; redraws.
    void colourChanged();
    /// Asks the colour dialog; true and the colour when the user pressed OK.
    bool askColour(QColor& colour);
    void redraw();

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void addCommands();
    /// Runs a command of the graph toolbar when this kind offers it.
    void runOffered(int id);
    /// Draws the graph as the screen shows it, on any surface of a size.
    CImageExport::PaintFunction screenPainter();
    /// Draws the graph in the publication look of a figure widthMm wide.
    CImageExport::PaintFunction figurePainter(double widthMm);
    void setStatusText(const QString& text);
    void writePendingImage(const QImage& image);

    QString m_title;
    GraphStyle m_style;
    bool m_coloursModified = false;
    GraphSettings* m_stored;
    SaveRequest m_saveRequest = SaveRequest::None;
    QString m_savePath;
    QString m_workFolder;
    FigureChoice m_ownFigureChoice;
    FigureChoice* m_figureChoice = &m_ownFigureChoice;
    bool m_statusShown = false;
    CCommandMap m_commands;
};

} // namespace orvelan
