#pragma once

#include <QMdiSubWindow>

// The MDI child window of every document: it owns the document and shows its view.
namespace orvelan {

class CDocument;
class CCommandTarget;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    /// Takes ownership of the document and the view.
    CChildFrame(CDocument* document, QWidget* view, QWidget* parent = nullptr);

    CDocument* document() const { return m_document; }
    QWidget* view() const { return m_view; }
    /// The child window that shows a view (or a widget inside it); nullptr outside any.
    static CChildFrame* of(const QWidget* widget);
    /// The name Save As proposes: the file the document came from or was last saved to, else
    /// the document title in a folder; with the suffix (".txt") in place of any other.
    QString proposedSavePath(const QString& folder, const QString& suffix) const;
    /// The view as a command handler, nullptr when it handles none.
    CCommandTarget* commandTarget() const;

  private:
    CDocument* m_document;
    QWidget* m_view;
};

} // namespace orvelan
