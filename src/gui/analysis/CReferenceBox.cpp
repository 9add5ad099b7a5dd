#include "gui/analysis/CReferenceBox.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orvelan {

CReferenceBox::CReferenceBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Reference curve"), parent) {
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("referenceDescription"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setMaximumHeight(m_text->fontMetrics().lineSpacing() * 5 + 12);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
}

void CReferenceBox::setDescription(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text->setPlainText(lines);
}

QString CReferenceBox::description() const { return m_text->toPlainText(); }

} // namespace orvelan
