#pragma once

#include <QString>

class QWidget;

// The program's message boxes: fixed texts, captioned with the program's name.
namespace orvelan {

class CMessages {
  public:
    /// Exclamation icon: refused choices on wizard pages.
    static void warning(QWidget* parent, const QString& text);
    /// Error icon, with a beep.
    static void error(QWidget* parent, const QString& text);
    static void information(QWidget* parent, const QString& text);
    /// Yes/No question; true for Yes.
    static bool askYesNo(QWidget* parent, const QString& text);
    /// The program's name as a caption.
    static QString caption();
};

} // namespace orvelan
