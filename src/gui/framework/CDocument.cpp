#include "gui/framework/CDocument.h"

#include <QFileInfo>

namespace orvelan {

CDocument::CDocument(DocumentType type, QObject* parent) : QObject(parent), m_type(type) {}

void CDocument::setTitle(const QString& title) {
    if (title != m_title) {
        m_title = title;
        emit titleChanged(m_title);
    }
}

void CDocument::setPathName(const QString& path) {
    m_pathName = path;
    setTitle(QFileInfo(path).fileName());
}

} // namespace orvelan
