#pragma once

#include <QFont>
#include <QSizeF>
#include <vector>

class QPainter;
class QPrinter;

// Prints a grid over pages: the grid's columns scaled to the printable width, a bold header
// with the document title and the program name, the fixed rows on every page, and a footer
// "Page %d of %d" with the date and time. Rows go to pages by accumulated height.
namespace orvelan {

class CGridCtrl;

class CGridPrinter {
  public:
    explicit CGridPrinter(const CGridCtrl& grid);

    /// Lays out the pages for a printable area in device pixels; returns the page count.
    int beginPrinting(const QSizeF& printableArea);
    /// Draws page 1..pageCount() with a painter whose origin is the printable area's corner.
    void printPage(QPainter& painter, int page) const;
    void endPrinting();
    int pageCount() const { return static_cast<int>(m_pageFirstRows.size()); }
    /// Grid units (screen pixels) per device pixel are 1 / scale().
    double scale() const { return m_scale; }

    /// Prints the printer's page range (every page when it names none). False when the
    /// printer cannot be started.
    bool print(QPrinter& printer);

  private:
    const CGridCtrl& m_grid;
    QFont m_font;
    QFont m_boldFont;
    double m_scale = 1.0;
    double m_averageCharWidth = 0.0;
    double m_charHeight = 0.0;
    double m_pageHeight = 0.0;
    std::vector<int> m_pageFirstRows;
};

} // namespace orvelan
