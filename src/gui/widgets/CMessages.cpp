#include "gui/widgets/CMessages.h"

#include "core/data/Codes.h"

#include <QApplication>
#include <QMessageBox>

namespace orvelan {

QString CMessages::caption() {
    return QString::fromLatin1(kProgramName.data(), static_cast<qsizetype>(kProgramName.size()));
}

void CMessages::warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, caption(), text);
}

void CMessages::error(QWidget* parent, const QString& text) {
    QApplication::beep();
    QMessageBox::critical(parent, caption(), text);
}

void CMessages::information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, caption(), text);
}

bool CMessages::askYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, caption(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace orvelan
