#include "data/CEditLIB.h"

#include "data/EditFilters.h"

namespace orvelan {

CEditLIB::CEditLIB(QWidget* parent) : CFilteredEdit(&libAccepts, parent) {}

} // namespace orvelan
