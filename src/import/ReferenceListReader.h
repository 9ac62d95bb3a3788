#pragma once

#include "ReferenceOrder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tarnell {

// The channels of an Enigma2 bouquet file (and the bouquets it names beside it), each bouquet
// as a favourite list. Bouquets know services by reference, not by name.
ReferenceList ReferenceFromBouquet(const std::filesystem::path& path);

// Reads a reference list of whatever kind the file is: a settings file, an Enigma2 bouquet or a
// text of channel names. Throws FileError with a message that names the file.
ReferenceList ReadReferenceList(const std::filesystem::path& path, int favCodepage);

} // namespace tarnell
