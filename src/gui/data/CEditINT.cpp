#include "data/CEditINT.h"

#include "data/EditFilters.h"

namespace orvelan {

CEditINT::CEditINT(QWidget* parent) : CFilteredEdit(&intAccepts, parent) {}

} // namespace orvelan
