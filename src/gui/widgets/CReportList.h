#pragma once

#include <QTreeWidget>
#include <initializer_list>
#include <utility>
#include <vector>

// A list in report style: rows of texts under column headings, whole rows selected. Columns
// start at a given width and grow to their heading and their texts whenever the rows change,
// so that neither is cut off.
namespace orvelan {

class CReportList : public QTreeWidget {
    Q_OBJECT
  public:
    /// Columns are (heading, least width in pixels).
    CReportList(QWidget* parent, const QString& objectName,
                std::initializer_list<std::pair<QString, int>> columns);

    /// Every column as wide as its heading and its widest text, and never below its least
    /// width. Call after filling the rows or changing a heading.
    void fitColumns();

  private:
    std::vector<int> m_leastWidths;
};

} // namespace orvelan
