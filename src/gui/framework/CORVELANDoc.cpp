#include "gui/framework/CORVELANDoc.h"

// Only the meta-object code of the class lives here.
