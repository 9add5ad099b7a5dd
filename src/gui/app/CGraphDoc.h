#pragma once

#include "gui/app/CDocument.h"

// The document of the four graph kinds; the graph view keeps the settings it was built from.
namespace orvelan {

class CGraphDoc : public CDocument {
    Q_OBJECT
  public:
    explicit CGraphDoc(DocumentType type, QObject* parent = nullptr) : CDocument(type, parent) {}
};

} // namespace orvelan
