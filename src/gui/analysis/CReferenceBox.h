#pragma once

#include <QGroupBox>

class QPlainTextEdit;

// "Reference curve": the read-only description of the reference curve on the last pages of the
// statistics wizard.
namespace orvelan {

class CReferenceBox : public QGroupBox {
    Q_OBJECT
  public:
    explicit CReferenceBox(QWidget* parent = nullptr);

    /// Lines separated by "\r\n" or "\n".
    void setDescription(const QString& text);
    QString description() const;

  private:
    QPlainTextEdit* m_text = nullptr;
};

} // namespace orvelan
