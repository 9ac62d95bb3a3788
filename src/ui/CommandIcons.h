#pragma once

#include <QIcon>

namespace tarnell {

// The icon of a command: the desktop's icon theme where it has one, so the program looks at
// home there, otherwise the style's own picture or a drawn badge.
QIcon CommandIcon(int id);
// A rounded badge with one or two letters, for commands no theme has a picture for.
QIcon BadgeIcon(const QString& text, QRgb colour);

} // namespace tarnell
