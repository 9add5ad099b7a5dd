#include "gui/widgets/CReportList.h"

#include <QHeaderView>
#include <algorithm>

namespace orvelan {

CReportList::CReportList(QWidget* parent, const QString& objectName,
                         std::initializer_list<std::pair<QString, int>> columns)
    : QTreeWidget(parent) {
    setObjectName(objectName);
    setRootIsDecorated(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const auto& [title, width] : columns) {
        titles << title;
        m_leastWidths.push_back(width);
    }
    setHeaderLabels(titles);
    header()->setStretchLastSection(false);
    fitColumns();
}

void CReportList::fitColumns() {
    for (int column = 0; column < columnCount(); ++column) {
        // The heading's own size hint counts its text, margins and any sort indicator.
        const int needed = std::max(sizeHintForColumn(column), header()->sectionSizeHint(column));
        setColumnWidth(column, std::max(needed, m_leastWidths[static_cast<std::size_t>(column)]));
    }
}

} // namespace orvelan
