#include "gui/widgets/CWizardPage.h"

#include "gui/widgets/CBanner.h"

#include <QLabel>
#include <QLayout>
#include <QPainter>

namespace orvelan {

CWizardPage::CWizardPage(const QString& role) { setObjectName(role); }

bool CWizardPage::validatePage() {
    clearReason();
    return store();
}

QString CWizardPage::reason() const { return m_reason != nullptr ? m_reason->text() : QString(); }

void CWizardPage::clearReason() {
    if (m_reason != nullptr) {
        m_reason->clear();
    }
}

QLabel* CWizardPage::createReasonLabel() {
    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("reason"));
    m_reason->setWordWrap(true);
    return m_reason;
}

QLabel* CWizardPage::createRedReasonLabel() {
    QLabel* reason = createReasonLabel();
    reason->setStyleSheet(QStringLiteral("color: #a00000"));
    return reason;
}

void CWizardPage::refuseQuietly(const QString& text) {
    if (m_reason != nullptr) {
        m_reason->setText(text);
    }
}

void CWizardPage::paintBanner(QPainter& painter) { CBanner::paint(painter, *this, bannerLabel()); }

void CWizardPage::setBannerMargins(QLayout* layout) const {
    layout->setContentsMargins(8, bannerTopMargin(), 8, CBanner::kBottomMargin);
}

void CWizardPage::paintEvent(QPaintEvent* event) {
    QWizardPage::paintEvent(event);
    QPainter painter(this);
    paintBanner(painter);
}

} // namespace orvelan
