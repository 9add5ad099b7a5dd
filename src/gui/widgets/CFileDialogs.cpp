#include "gui/widgets/CFileDialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace orvelan {

namespace {

CFileDialogs::Provider& provider() {
    static CFileDialogs::Provider instance;
    return instance;
}

} // namespace

QString suffixOfFilter(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString CFileDialogs::getOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    FileDialogRequest open = request;
    open.save = false;
    return run(parent, open);
}

QString CFileDialogs::getSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    FileDialogRequest save = request;
    save.save = true;
    return run(parent, save);
}

void CFileDialogs::setProvider(Provider function) { provider() = std::move(function); }

QString CFileDialogs::run(QWidget* parent, const FileDialogRequest& request) {
    if (provider()) {
        return provider()(request);
    }
    QFileDialog dialog(parent, request.caption, request.directory, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A name typed without an ending takes the ending of the type chosen, not always the first.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         const QString suffix = suffixOfFilter(filter);
                         if (!suffix.isEmpty()) {
                             dialog.setDefaultSuffix(suffix);
                         }
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace orvelan
