#pragma once

#include "gui/framework/CDocument.h"

// The document of the four graph kinds. It holds no graph data and is never saved or re-read:
// the one view keeps what it was built from, and Save As in a graph window writes an image.
namespace orvelan {

class CGraphDoc : public CDocument {
    Q_OBJECT
  public:
    explicit CGraphDoc(DocumentType type, QObject* parent = nullptr) : CDocument(type, parent) {}
};

} // namespace orvelan
