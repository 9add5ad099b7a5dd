#pragma once

#include "core/data/SelectionTree.h"

#include <QIcon>

// The state images of the selection trees (15 pixels wide) and the pictures of their buttons
// (20 by 20 pixels), drawn once per process.
namespace orvelan {

class CStateImages {
  public:
    /// The icon of a state image; a null icon for StateImage::None.
    static QIcon icon(StateImage image);

    enum class ButtonPicture { Clear, SelectAllRegistries, SelectAllCancers, Icd10Rubrics };
    static QIcon buttonIcon(ButtonPicture picture);
};

} // namespace orvelan
