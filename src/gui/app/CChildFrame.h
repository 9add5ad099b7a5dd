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
    /// The view as a command handler, nullptr when it handles none.
    CCommandTarget* commandTarget() const;

  private:
    CDocument* m_document;
    QWidget* m_view;
};

} // namespace orvelan
