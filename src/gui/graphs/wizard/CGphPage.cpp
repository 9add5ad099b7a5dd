#include "gui/graphs/wizard/CGphPage.h"

#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CBanner.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace orvelan {

CGphPage::CGphPage(CGphWizard& wizard, const QString& role) : CWizardPage(role), m_wizard(wizard) {}

GraphSettings& CGphPage::settings() const { return m_wizard.settings(); }

void CGphPage::setContent(QLayout* content, bool withHeading) {
    auto* layout = new QVBoxLayout(this);
    // Room for up to three heading lines above and the program's name below.
    const int top = withHeading ? 3 * QFontMetrics(font()).height() + 6 : 8;
    layout->setContentsMargins(8, top, 8, CBanner::kBottomMargin);
    layout->addLayout(content, 1);
    layout->addWidget(createRedReasonLabel());
}

void CGphPage::paintBanner(QPainter& painter) {
    const QStringList lines = headingLines();
    if (!lines.isEmpty()) {
        // The shadow colour of the headings is darker than the banner's so that two lines of
        // small text stay readable.
        CBanner::paintHeading(painter, *this, lines, palette().color(QPalette::WindowText));
    }
    CBanner::paintName(painter, *this, palette().color(QPalette::Highlight), QColor(255, 0, 0));
}

} // namespace orvelan
