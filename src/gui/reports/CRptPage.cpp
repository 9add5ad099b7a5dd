#include "reports/CRptPage.h"

#include "data/CBanner.h"
#include "reports/CRptWizard.h"

#include <QLayout>
#include <QPainter>

namespace orvelan {

CRptPage::CRptPage(CRptWizard& wizard, const QString& role) : m_wizard(wizard) {
    setObjectName(role);
}

ReportChoices& CRptPage::choices() const { return m_wizard.choices(); }

void CRptPage::paintEvent(QPaintEvent* event) {
    QWizardPage::paintEvent(event);
    QPainter painter(this);
    CBanner::paint(painter, *this, bannerLabel());
}

void CRptPage::setBannerMargins(QLayout* layout) const {
    layout->setContentsMargins(8, CBanner::kTopMargin, 8, CBanner::kBottomMargin);
}

} // namespace orvelan
