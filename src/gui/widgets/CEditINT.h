#pragma once

#include "gui/widgets/CFilteredEdit.h"

namespace orvelan {

/// Whole numbers: backspace and the digits 0-9.
class CEditINT : public CFilteredEdit {
    Q_OBJECT
  public:
    explicit CEditINT(QWidget* parent = nullptr);
};

} // namespace orvelan
