#pragma once

#include "gui/widgets/CFilteredEdit.h"

namespace orvelan {

/// Group names: backspace and every character of code 32 or more.
class CEditLIB : public CFilteredEdit {
    Q_OBJECT
  public:
    explicit CEditLIB(QWidget* parent = nullptr);
};

} // namespace orvelan
