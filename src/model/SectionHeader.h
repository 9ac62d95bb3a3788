#pragma once

#include "ByteOrder.h"
#include "SectionIds.h"

#include <array>
#include <cstdint>

namespace tarnell {

// The 16 bytes in front of every section's stream: id (big-endian), compressed length,
// payload length and four spare bytes that are written back as they were read.
struct SectionHeader {
    std::array<uint8_t, kSectionHeaderSize> bytes{};

    // The header of a list whose section was absent from the loaded file.
    static SectionHeader Fresh(uint32_t id) {
        SectionHeader h;
        h.SetId(id);
        h.bytes[12] = 1;
        return h;
    }

    uint32_t Id() const { return ReadBE32(bytes.data()); }
    void SetId(uint32_t id) { WriteBE32(bytes.data(), id); }
    uint32_t CompressedLength() const { return ReadLE32(bytes.data() + 4); }
    uint32_t PayloadLength() const { return ReadLE32(bytes.data() + 8); }
    void SetLengths(uint32_t compressed, uint32_t payload) {
        WriteLE32(bytes.data() + 4, compressed);
        WriteLE32(bytes.data() + 8, payload);
    }
};

} // namespace tarnell
