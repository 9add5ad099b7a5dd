#include "gui/graphs/wizard/CGphPage.h"

#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CBanner.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace orvelan {

CGphPage::CGphPage(CGphWizard& wizard, const QString& role) : m_wizard(wizard) {
    setObjectName(role);
}

GraphSettings& CGphPage::settings() const { return m_wizard.settings(); }

bool CGphPage::validatePage() {
    clearReason();
    return store();
}

QString CGphPage::reason() const { return m_reason != nullptr ? m_reason->text() : QString(); }

void CGphPage::refuseQuietly(const QString& text) {
    if (m_reason != nullptr) {
        m_reason->setText(text);
    }
}

void CGphPage::clearReason() {
    if (m_reason != nullptr) {
        m_reason->clear();
    }
}

void CGphPage::setContent(QLayout* content, bool withHeading) {
    auto* layout = new QVBoxLayout(this);
    // Room for up to three heading lines above and the program's name below.
    const int top = withHeading ? 3 * QFontMetrics(font()).height() + 6 : 8;
    layout->setContentsMargins(8, top, 8, CBanner::kBottomMargin);
    layout->addLayout(content, 1);
    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("reason"));
    m_reason->setStyleSheet(QStringLiteral("color: #a00000"));
    m_reason->setWordWrap(true);
    layout->addWidget(m_reason);
}

void CGphPage::paintEvent(QPaintEvent* event) {
    QWizardPage::paintEvent(event);
    QPainter painter(this);
    const QStringList lines = headingLines();
    if (!lines.isEmpty()) {
        // The shadow colour of the headings is darker than the banner's so that two lines of
        // small text stay readable.
        CBanner::paintHeading(painter, *this, lines, palette().color(QPalette::WindowText));
    }
    CBanner::paintName(painter, *this, palette().color(QPalette::Highlight), QColor(255, 0, 0));
}

} // namespace orvelan
