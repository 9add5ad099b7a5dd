#include "gui/reports/CFindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orvelan {

CFindDialog::CFindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("findDialog"));
    setWindowTitle(QStringLiteral("Find"));
    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    m_findWhat = new QLineEdit(this);
    m_findWhat->setObjectName(QStringLiteral("findWhat"));
    label->setBuddy(m_findWhat);
    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    auto* up = new QRadioButton(QStringLiteral("&Up"), direction);
    m_down = new QRadioButton(QStringLiteral("&Down"), direction);
    m_down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up);
    directionLayout->addWidget(m_down);
    m_findNext = new QPushButton(QStringLiteral("&Find Next"), this);
    m_findNext->setObjectName(QStringLiteral("findNextButton"));
    m_findNext->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_findWhat, 0, 1);
    layout->addWidget(m_findNext, 0, 2);
    layout->addWidget(m_wholeWord, 1, 0, 1, 2);
    layout->addWidget(cancel, 1, 2);
    layout->addWidget(m_matchCase, 2, 0);
    layout->addWidget(direction, 2, 1);
    connect(m_findWhat, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_findNext->setEnabled(!text.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this, [this] {
        emit findNextRequested(m_findWhat->text(), m_matchCase->isChecked(),
                               m_wholeWord->isChecked(), m_down->isChecked());
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    m_findNext->setEnabled(false);
}

void CFindDialog::setFindWhat(const QString& text) {
    m_findWhat->setText(text);
    m_findWhat->selectAll();
}

} // namespace orvelan
