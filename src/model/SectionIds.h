#pragma once

#include <cstddef>
#include <cstdint>

namespace tarnell {

// Section ids as the big-endian words they are in the file.
inline constexpr uint32_t kIdFduInfo = 0x000102FD;
inline constexpr uint32_t kIdSatelliteData = 0x000403FD;
inline constexpr uint32_t kIdSatelliteInfo = 0x000203FD;
inline constexpr uint32_t kIdTransponders = 0x000303FD;
inline constexpr uint32_t kIdTvChannels = 0x000103FD;
inline constexpr uint32_t kIdRadioChannels = 0x010103FD;
inline constexpr uint32_t kIdChannelNames = 0x000004FD;
inline constexpr uint32_t kIdProviderNames = 0x010004FD;
inline constexpr uint32_t kIdTimers = 0x000205FD;
inline constexpr uint32_t kIdFavourites = 0x000503FD;
inline constexpr uint32_t kIdEtcStrings = 0x000505FD;
inline constexpr uint32_t kIdSaTCR = 0x000405FD;
inline constexpr uint32_t kIdTimerInfo = 0x000605FD;
inline constexpr uint32_t kIdConfiguration = 0x000105FD;

// Layout of the service part.
inline constexpr size_t kServicePartSize = 0x30000;
inline constexpr size_t kDirectoryBlockSize = 1048;
inline constexpr size_t kDirectoryEntrySize = 92;
inline constexpr size_t kDirectoryEntries = 64;
inline constexpr size_t kDirectorySize =
    kDirectoryBlockSize + kDirectoryEntries * kDirectoryEntrySize;
inline constexpr size_t kDataAreaCapacity = kServicePartSize - kDirectorySize;
inline constexpr uint32_t kDataOffsetBias = 0x1708; // data-area position -> directory data offset
inline constexpr uint32_t kFileOffsetBias = 0x410;  // directory data offset -> file offset
inline constexpr size_t kSectionHeaderSize = 16;

// Configuration part in file layout.
inline constexpr size_t kConfigGap = 32;
inline constexpr size_t kConfigSectionOffset = kServicePartSize + kConfigGap;
inline constexpr size_t kConfigStreamRoom = 0x410;
inline constexpr size_t kConfigFileLayoutSize = kConfigGap + kSectionHeaderSize + kConfigStreamRoom;

} // namespace tarnell
