#include "gui/graphs/CGraphDoc.h"

// Only the meta-object code of the class lives here.
