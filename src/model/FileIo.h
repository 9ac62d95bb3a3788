#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace tarnell {

// Reads a whole regular file of at most maxSize bytes; pipes, devices and folders are refused at
// once. Throws FileError with a message naming the file and what to do.
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path, size_t maxSize = 16u << 20,
                                   bool followLinks = true);

// Writes through a temporary file in the same folder, flushed and renamed into place, so that
// a failed write leaves the old file exactly as it was; a killed write leaves no temporary
// file behind where the file system allows unnamed files. A symbolic link is written through
// to its file (or refused when followLinks is false); a device, pipe or folder is refused.
// Throws FileError.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                         bool followLinks = true);

} // namespace tarnell
