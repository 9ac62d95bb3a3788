#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace tarnell {

// Reads a whole file of at most maxSize bytes. Throws FileError with a message naming the file.
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path, size_t maxSize = 16u << 20);

// Writes through a temporary file in the same folder, flushed and renamed into place, so that
// a failed write leaves the old file exactly as it was. Throws FileError.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

} // namespace tarnell
