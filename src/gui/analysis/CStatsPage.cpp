#include "gui/analysis/CStatsPage.h"

#include "gui/analysis/CStatsWizard.h"
#include "gui/widgets/CBanner.h"

#include <QLabel>
#include <QLayout>
#include <QPainter>

namespace orvelan {

CStatsPage::CStatsPage(CStatsWizard& wizard, const QString& role) : m_wizard(wizard) {
    setObjectName(role);
    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("reason"));
    m_reason->setWordWrap(true);
    QPalette palette = m_reason->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Disabled, QPalette::WindowText));
    m_reason->setPalette(palette);
}

AnalysisBlock& CStatsPage::block() const { return m_wizard.block(); }

bool CStatsPage::validatePage() {
    setReason({});
    return store();
}

QString CStatsPage::reason() const { return m_reason->text(); }

void CStatsPage::setReason(const QString& text) { m_reason->setText(text); }

void CStatsPage::paintEvent(QPaintEvent* event) {
    QWizardPage::paintEvent(event);
    QPainter painter(this);
    CBanner::paint(painter, *this, {});
}

void CStatsPage::setBannerMargins(QLayout* layout) const {
    layout->setContentsMargins(8, 8, 8, CBanner::kBottomMargin);
}

} // namespace orvelan
