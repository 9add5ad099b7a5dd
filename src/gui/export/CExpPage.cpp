#include "gui/export/CExpPage.h"

#include "gui/export/CExpWizard.h"
#include "gui/widgets/CBanner.h"

#include <QLayout>
#include <QPainter>

namespace orvelan {

CExpPage::CExpPage(CExpWizard& wizard, const QString& role) : m_wizard(wizard) {
    setObjectName(role);
}

ExportSettings& CExpPage::settings() const { return m_wizard.settings(); }

void CExpPage::paintEvent(QPaintEvent* event) {
    QWizardPage::paintEvent(event);
    QPainter painter(this);
    CBanner::paint(painter, *this, QString());
}

void CExpPage::setBannerMargins(QLayout* layout) const {
    layout->setContentsMargins(8, 8, 8, CBanner::kBottomMargin);
}

} // namespace orvelan
