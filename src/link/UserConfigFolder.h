#pragma once

#include <filesystem>

namespace tarnell {

// Where the program keeps the user's own files (the program's folder is not writable):
// $TARNELL_CONFIG_DIR when set, else $XDG_CONFIG_HOME/Brixholm, else ~/.config/Brixholm.
std::filesystem::path UserConfigFolder();

// The network profile file in that folder.
std::filesystem::path NetworkProfilePath();

// Where copies of the receiver's files are kept before a send overwrites them.
std::filesystem::path ReceiverBackupFolder();

} // namespace tarnell
