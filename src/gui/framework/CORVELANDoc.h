#pragma once

#include "gui/framework/CDocument.h"

// The document of tables, reports and the standard incidence table text: the view holds the
// content, the document only one integer property.
namespace orvelan {

class CORVELANDoc : public CDocument {
    Q_OBJECT
  public:
    explicit CORVELANDoc(DocumentType type, QObject* parent = nullptr) : CDocument(type, parent) {}

    int value() const { return m_value; }
    void setValue(int value) { m_value = value; }

  private:
    int m_value = 0;
};

} // namespace orvelan
