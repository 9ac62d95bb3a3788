#pragma once

#include <cstdint>
#include <span>

namespace tarnell {

// The built-in factory service list: a complete 196,608-byte service part.
std::span<const uint8_t> FactoryImage();

} // namespace tarnell
