#pragma once

#include <QStringList>
#include <QTreeView>

class QFileSystemModel;
class QTimer;

// The folder tree of the export wizard: the file-system roots at the top, the sub-folders of a
// folder listed when it is opened ("." and ".." never shown), files optionally. Paths of items
// end with "/". Failures are kept as texts for whoever wants them, never shown.
namespace orvelan {

class CFolderTree : public QTreeView {
    Q_OBJECT
  public:
    explicit CFolderTree(QWidget* parent = nullptr);

    /// Lists files beside the folders.
    void setListFiles(bool files);
    /// Opens the tree along a folder's path and makes the folder current; false (and a kept
    /// failure text) when the folder does not exist.
    bool openPath(const QString& folder);
    /// The current item's full path ending with "/"; empty when nothing is current.
    QString currentPath() const;
    /// The full path of an item, ending with "/" for a folder.
    QString pathOf(const QModelIndex& index) const;
    const QStringList& failures() const { return m_failures; }

  signals:
    void pathChanged(const QString& path);

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    /// Scrolls the current folder into view while the user has not moved the tree.
    void keepCurrentInView();

    QFileSystemModel* m_model = nullptr;
    QTimer* m_scrollLater = nullptr; // one scroll after the rows settle
    bool m_keepInView = false;
    QStringList m_failures;
};

} // namespace orvelan
