#include "gui/graphs/wizard/CGphLastPage.h"

#include "core/graphs/CGraphTemplate.h"
#include "graphics/CoreText.h"
#include "gui/graphs/wizard/CColourButton.h"
#include "gui/graphs/wizard/CGphWizard.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvelan {

CGphLastPage::CGphLastPage(CGphWizard& wizard, const QString& role, bool confirmOverwrite)
    : CGphPage(wizard, role) {
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setMaxLength(static_cast<int>(CGraphTemplate::kMaxTitleLength));
    m_save = CWizardBase::templateButton(this, QStringLiteral("graph"));
    connect(m_save, &QPushButton::clicked, this,
            [this, confirmOverwrite] { sheet().saveTemplate(m_title->text(), confirmOverwrite); });
}

void CGphLastPage::setOptions(QLayout* options) {
    auto* titleRow = new QFormLayout;
    titleRow->addRow(QStringLiteral("Graph title"), m_title);
    auto* layout = new QVBoxLayout;
    layout->addLayout(titleRow);
    layout->addSpacing(8);
    layout->addLayout(options);
    layout->addStretch(1);
    layout->addWidget(m_save, 0, Qt::AlignLeft);
    setContent(layout);
}

void CGphLastPage::initializePage() {
    // A template's own title is kept while its selection is; otherwise the page proposes one
    // from the choices.
    const std::string& title = settings().title;
    m_title->setText(sheet().templateTitleStands()
                         ? QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size()))
                         : defaultTitle());
}

void CGphLastPage::storeTitle() { settings().title = toCoreText(m_title->text()); }

QGroupBox* CGphLastPage::makeColourBox() {
    auto* colours = new QGroupBox(QStringLiteral("Colours"), this);
    m_text = new CColourButton(QStringLiteral("Text"), colours);
    m_text->setObjectName(QStringLiteral("textColour"));
    m_background = new CColourButton(QStringLiteral("Background"), colours);
    m_background->setObjectName(QStringLiteral("backgroundColour"));
    m_colourLayout = new QVBoxLayout(colours);
    m_colourLayout->addWidget(m_text);
    m_colourLayout->addWidget(m_background);
    return colours;
}

} // namespace orvelan
