#include "gui/app/CGraphDoc.h"

// Only the meta-object code of the class lives here.
