#include "gui/framework/CChildFrame.h"

#include "gui/framework/CCommandTarget.h"
#include "gui/framework/CDocument.h"

#include <QDir>
#include <QFileInfo>

namespace orvelan {

CChildFrame::CChildFrame(CDocument* document, QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document), m_view(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_document->setParent(this);
    setWidget(m_view);
    setWindowTitle(m_document->title());
    connect(m_document, &CDocument::titleChanged, this, &QWidget::setWindowTitle);
}

CChildFrame* CChildFrame::of(const QWidget* widget) {
    for (QWidget* parent = widget ? widget->parentWidget() : nullptr; parent != nullptr;
         parent = parent->parentWidget()) {
        if (auto* frame = qobject_cast<CChildFrame*>(parent)) {
            return frame;
        }
    }
    return nullptr;
}

QString CChildFrame::proposedSavePath(const QString& folder, const QString& suffix) const {
    if (!m_document->pathName().isEmpty()) {
        const QFileInfo saved(m_document->pathName());
        return saved.dir().filePath(saved.completeBaseName() + suffix);
    }
    return QDir(folder).filePath(m_document->title() + suffix);
}

CCommandTarget* CChildFrame::commandTarget() const { return dynamic_cast<CCommandTarget*>(m_view); }

} // namespace orvelan
