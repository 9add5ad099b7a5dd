#include "gui/export/CFolderTree.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>

namespace orvelan {

CFolderTree::CFolderTree(QWidget* parent) : QTreeView(parent) {
    m_model = new QFileSystemModel(this);
    m_model->setReadOnly(true);
    m_model->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot | QDir::Hidden);
    // An empty root path lists the roots themselves and watches nothing until opened.
    m_model->setRootPath(QString());
    setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column) {
        hideColumn(column);
    }
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Folders are listed in the background: keep the opened folder in view as its parents fill.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this] {
        if (currentIndex().isValid()) {
            scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
        }
    });
}

void CFolderTree::setListFiles(bool files) {
    QDir::Filters filter = QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot | QDir::Hidden;
    m_model->setFilter(files ? filter | QDir::Files : filter);
}

bool CFolderTree::openPath(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir()) {
        m_failures << QStringLiteral("Cannot open the folder %1!").arg(folder);
        return false;
    }
    const QModelIndex index = m_model->index(info.absoluteFilePath());
    if (!index.isValid()) {
        m_failures << QStringLiteral("Cannot list the folder %1!").arg(folder);
        return false;
    }
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) {
        expand(parent);
    }
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
    return true;
}

QString CFolderTree::pathOf(const QModelIndex& index) const {
    if (!index.isValid()) {
        return {};
    }
    QString path = m_model->filePath(index);
    if (m_model->isDir(index) && !path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    return path;
}

QString CFolderTree::currentPath() const { return pathOf(currentIndex()); }

void CFolderTree::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    emit pathChanged(pathOf(current));
}

} // namespace orvelan
