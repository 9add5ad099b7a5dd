#include "gui/widgets/CKindChoice.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

namespace orvelan {

CKindChoice::CKindChoice(QWidget* page, int templateKind)
    : QObject(page), m_page(page), m_group(new QButtonGroup(this)), m_templateKind(templateKind) {}

QRadioButton* CKindChoice::add(QBoxLayout* layout, const QString& text, const QString& objectName) {
    const int kind = static_cast<int>(m_buttons.size());
    auto* radio = new QRadioButton(text, m_page);
    radio->setObjectName(objectName.isEmpty() ? QStringLiteral("kind%1").arg(kind) : objectName);
    m_group->addButton(radio, kind);
    layout->addWidget(radio);
    m_buttons.push_back(radio);
    return radio;
}

QRadioButton* CKindChoice::button(int kind) const {
    return m_buttons.at(static_cast<std::size_t>(kind));
}

int CKindChoice::checked() const {
    const int kind = m_group->checkedId();
    return kind >= 0 ? kind : 0;
}

void CKindChoice::check(int kind, bool templates) {
    const bool hasTemplateKind =
        m_templateKind >= 0 && m_templateKind < static_cast<int>(m_buttons.size());
    if (hasTemplateKind) {
        m_buttons[static_cast<std::size_t>(m_templateKind)]->setEnabled(templates);
    }
    if (kind < 0 || kind >= static_cast<int>(m_buttons.size()) ||
        (hasTemplateKind && kind == m_templateKind && !templates)) {
        kind = 0;
    }
    m_buttons[static_cast<std::size_t>(kind)]->setChecked(true);
}

} // namespace orvelan
