#include "gui/reports/CRPTwiz7.h"

#include "core/reports/ReportSummary.h"
#include "gui/reports/CRptWizard.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvelan {

CRPTwiz7::CRPTwiz7(CRptWizard& wizard) : CRptPage(wizard, QStringLiteral("reportStep5")) {
    setFinalPage(true);
    auto* intro = new QLabel(QStringLiteral("Your report is now well defined.\n"
                                            "Click on 'Finish' if you wish to generate this "
                                            "report.\n"
                                            "Click on 'Back' if you wish to modify your "
                                            "selection."),
                             this);
    m_summary = new QPlainTextEdit(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setReadOnly(true);
    m_summary->setTabStopDistance(24);
    QPushButton* save = CWizardBase::templateButton(this, QStringLiteral("report"));
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addWidget(intro);
    layout->addWidget(m_summary, 1);
    layout->addWidget(save);
    connect(save, &QPushButton::clicked, this, [this] { sheet().saveTemplate(*this, true); });
}

void CRPTwiz7::initializePage() {
    const std::string text = reportSummaryText(choices(), sheet().store());
    // The field shows lines; the text's "\r\n" line ends become plain line breaks.
    m_summary->setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
                                .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace orvelan
