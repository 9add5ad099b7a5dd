#include "gui/export/CFolderTree.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>

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
    // Folders are listed in the background and the tree may be hidden when a folder is opened:
    // keep the opened folder in view as its parents fill and when the tree is shown, until the
    // user clicks, scrolls or types in the tree.
    m_scrollLater = new QTimer(this);
    m_scrollLater->setSingleShot(true);
    m_scrollLater->setInterval(0);
    connect(m_scrollLater, &QTimer::timeout, this, &CFolderTree::keepCurrentInView);
    const auto scrollLater = [this] {
        if (m_keepInView) {
            m_scrollLater->start();
        }
    };
    connect(m_model, &QFileSystemModel::directoryLoaded, this, scrollLater);
    connect(m_model, &QFileSystemModel::rowsInserted, this, scrollLater);
    connect(m_model, &QFileSystemModel::layoutChanged, this, scrollLater); // sorted
    connect(verticalScrollBar(), &QScrollBar::sliderPressed, this,
            [this] { m_keepInView = false; });
}

void CFolderTree::keepCurrentInView() {
    if (m_keepInView && currentIndex().isValid()) {
        scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
    }
}

void CFolderTree::showEvent(QShowEvent* event) {
    QTreeView::showEvent(event);
    m_keepInView = true;
    m_scrollLater->start();
}

void CFolderTree::mousePressEvent(QMouseEvent* event) {
    m_keepInView = false;
    QTreeView::mousePressEvent(event);
}

void CFolderTree::wheelEvent(QWheelEvent* event) {
    m_keepInView = false;
    QTreeView::wheelEvent(event);
}

void CFolderTree::keyPressEvent(QKeyEvent* event) {
    m_keepInView = false;
    QTreeView::keyPressEvent(event);
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
    m_keepInView = true;
    keepCurrentInView();
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
