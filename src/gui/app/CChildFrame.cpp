#include "gui/app/CChildFrame.h"

#include "gui/app/CCommandTarget.h"
#include "gui/app/CDocument.h"

namespace orvelan {

CChildFrame::CChildFrame(CDocument* document, QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document), m_view(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_document->setParent(this);
    setWidget(m_view);
    setWindowTitle(m_document->title());
    connect(m_document, &CDocument::titleChanged, this, &QWidget::setWindowTitle);
}

CCommandTarget* CChildFrame::commandTarget() const { return dynamic_cast<CCommandTarget*>(m_view); }

} // namespace orvelan
