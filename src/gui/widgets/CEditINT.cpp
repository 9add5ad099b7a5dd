#include "gui/widgets/CEditINT.h"

#include "core/data/EditFilters.h"

namespace orvelan {

CEditINT::CEditINT(QWidget* parent) : CFilteredEdit(&intAccepts, parent) {}

} // namespace orvelan
