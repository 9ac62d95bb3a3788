#pragma once

#include "SectionIds.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tarnell {

class ModelSnapshot;

// One 92-byte directory entry.
struct CHeaderInfo {
    std::array<uint8_t, kDirectoryEntrySize> bytes{};

    uint32_t Id() const;
    int32_t DataOffset() const;
    uint32_t Size() const;
    // File offset of the section, or -1 when the data offset cannot be one.
    int64_t FileOffset() const;
};

// The directory at the start of the service part: a 1,048-byte block and up to 64 entries.
class CHeaderArray {
public:
    // Reads the directory from the start of a file. A file shorter than the block leaves the
    // directory without entries; only complete entries are taken.
    void Load(std::span<const uint8_t> file);

    // The section count of the block (offset 0x410).
    uint16_t SectionCount() const;
    // The entries the loader should walk: the count, cut to the entries actually present.
    size_t UsableEntries() const;

    const std::array<uint8_t, kDirectoryBlockSize>& Block() const { return m_block; }
    const std::vector<CHeaderInfo>& Entries() const { return m_entries; }
    bool HasBlock() const { return m_hasBlock; }

private:
    friend class ModelSnapshot;
    std::array<uint8_t, kDirectoryBlockSize> m_block{};
    std::vector<CHeaderInfo> m_entries;
    bool m_hasBlock = false;
};

} // namespace tarnell
