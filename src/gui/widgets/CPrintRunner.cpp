#include "gui/widgets/CPrintRunner.h"

#include "gui/widgets/CMessages.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace orvelan {

void CPrintRunner::print(QWidget* parent, const PrintFunction& printTo, const PageCount& pages) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (pages) {
        dialog.setMinMax(1, pages(printer));
    }
    if (dialog.exec() == QDialog::Accepted && !printTo(printer)) {
        reportFailure(parent);
    }
}

void CPrintRunner::printDirect(QWidget* parent, const PrintFunction& printTo) {
    QPrinter printer(QPrinter::HighResolution);
    if (!printTo(printer)) {
        reportFailure(parent);
    }
}

void CPrintRunner::preview(QWidget* parent, const PrintFunction& printTo) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&printTo](QPrinter* target) { printTo(*target); });
    dialog.exec();
}

void CPrintRunner::reportFailure(QWidget* parent) {
    CMessages::warning(parent, QStringLiteral("The printer could not be started."));
}

} // namespace orvelan
