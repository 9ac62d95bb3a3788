#pragma once

#include <string>

namespace tarnell {

// The editor keeps a few fixed German texts the receiver's users know; fdutool speaks English,
// and says what the user can do about it.
std::string InEnglish(std::string text);

} // namespace tarnell
