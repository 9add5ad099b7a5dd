#pragma once

#include "gui/widgets/CFilteredEdit.h"

namespace orvelan {

/// Names: backspace, letters, digits, underscore and every character of code 45 ('-') or less.
class CEditNAME : public CFilteredEdit {
    Q_OBJECT
  public:
    explicit CEditNAME(QWidget* parent = nullptr);
};

} // namespace orvelan
