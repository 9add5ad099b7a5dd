#pragma once

#include "gui/framework/DocumentTypes.h"

#include <QObject>
#include <QString>

// What every document has: its type, a title shown in the window caption and the path of the
// file it was opened from (empty for computed documents).
namespace orvelan {

class CDocument : public QObject {
    Q_OBJECT
  public:
    explicit CDocument(DocumentType type, QObject* parent = nullptr);

    DocumentType type() const { return m_type; }
    const QString& title() const { return m_title; }
    void setTitle(const QString& title);
    const QString& pathName() const { return m_pathName; }
    /// Sets the path and takes the file name as the title.
    void setPathName(const QString& path);

  signals:
    void titleChanged(const QString& title);

  private:
    DocumentType m_type;
    QString m_title;
    QString m_pathName;
};

} // namespace orvelan
