#include "gui/widgets/CEditLIB.h"

#include "core/data/EditFilters.h"

namespace orvelan {

CEditLIB::CEditLIB(QWidget* parent) : CFilteredEdit(&libAccepts, parent) {}

} // namespace orvelan
