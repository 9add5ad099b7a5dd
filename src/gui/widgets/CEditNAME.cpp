#include "gui/widgets/CEditNAME.h"

#include "core/data/EditFilters.h"

namespace orvelan {

CEditNAME::CEditNAME(QWidget* parent) : CFilteredEdit(&nameAccepts, parent) {}

} // namespace orvelan
