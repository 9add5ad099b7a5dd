#pragma once

#include <QIcon>
#include <QString>

// The small pictures of toolbar buttons and menu entries, drawn rather than loaded.
namespace orvelan {

/// The picture of a command's icon key ("graph", "open", ...); a null icon for an unknown key.
QIcon toolIcon(const QString& key);

} // namespace orvelan
