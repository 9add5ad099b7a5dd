#include "gui/widgets/CTemplateSaveDialog.h"

#include "gui/widgets/CMessages.h"

#include <QFileDialog>
#include <QFileInfo>

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

QString CTemplateSaveDialog::ask(QWidget* parent, const QString& folder, const QString& extension,
                                 const QString& filter, bool confirmOverwrite) {
    const QString proposed = folder + QLatin1Char('/') + extension;
    QString path;
    if (provider()) {
        path = provider()(proposed, filter);
    } else {
        QFileDialog dialog(parent, QString(), proposed, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(extension.mid(1));
        // The question below is asked for dialogs and test providers alike.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        path = dialog.selectedFiles().first();
    }
    if (!path.isEmpty() && confirmOverwrite && QFileInfo::exists(path) &&
        !CMessages::askYesNo(parent,
                             QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                 .arg(QFileInfo(path).fileName()))) {
        return {};
    }
    return path;
}

void CTemplateSaveDialog::setProvider(Provider function) { provider() = std::move(function); }

} // namespace orvelan
