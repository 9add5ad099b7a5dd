#include "gui/reports/CRptPage.h"

#include "gui/widgets/CBanner.h"
#include "gui/reports/CRptWizard.h"

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
