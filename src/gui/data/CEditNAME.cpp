#include "data/CEditNAME.h"

#include "data/EditFilters.h"

namespace orvelan {

CEditNAME::CEditNAME(QWidget* parent) : CFilteredEdit(&nameAccepts, parent) {}

} // namespace orvelan
