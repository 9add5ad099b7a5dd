#include "gui/app/FontSetup.h"

#include "graphics/FontFaces.h"

namespace orvelan {

void installFontSubstitutions() { installFaceSubstitutions(); }

} // namespace orvelan
