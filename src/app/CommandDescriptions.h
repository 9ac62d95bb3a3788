#pragma once

namespace tarnell {

class CCommandRegistry;

// The description line of every registered command: the ribbon shows it under the name in
// its tooltips (when the user wants descriptions) and the status bar while a menu item is
// highlighted.
void ApplyCommandDescriptions(CCommandRegistry& commands);

} // namespace tarnell
