#include "gui/reports/CTemplateSaveDialog.h"

#include <QFileDialog>

namespace orvelan {

namespace {

CTemplateSaveDialog::Provider& provider() {
    static CTemplateSaveDialog::Provider function;
    return function;
}

} // namespace

QString CTemplateSaveDialog::ask(QWidget* parent, const QString& folder, bool userReport) {
    const QString proposed = folder + QStringLiteral("/.RPT");
    const QString filter = userReport ? QStringLiteral("TBL (ORVELAN report template file)(*.RPT)")
                                      : QStringLiteral("RPT (ORVELAN report template file)(*.RPT)");
    if (provider()) {
        return provider()(proposed, filter);
    }
    QFileDialog dialog(parent, QString(), proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("RPT"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

void CTemplateSaveDialog::setProvider(Provider function) { provider() = std::move(function); }

} // namespace orvelan
