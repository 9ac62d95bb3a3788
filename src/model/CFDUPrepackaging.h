#pragma once

#include "SectionHeader.h"
#include "ZlibEngine.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tarnell {

// Assembles the 196,608-byte service part: directory, sections one after the other on 4-byte
// boundaries, 0xFF fill. One instance per store.
class CFDUPrepackaging {
public:
    CFDUPrepackaging() : m_compressor(1) { m_data.reserve(kDataAreaCapacity); }

    CFDUPrepackaging(const CFDUPrepackaging&) = delete;
    CFDUPrepackaging& operator=(const CFDUPrepackaging&) = delete;

    // Forgets the sections added so far.
    void Reset() {
        m_entries.clear();
        m_data.clear();
    }

    // Sections are stored at level 1.
    ZlibCompressor& Compressor() { return m_compressor; }

    void AddSection(const SectionHeader& header, std::span<const uint8_t> stream);

    size_t SectionCount() const { return m_entries.size(); }
    size_t DataLength() const { return m_data.size(); }

    // The finished service part. Throws FileError when the sections do not fit.
    std::vector<uint8_t> WriteServicePart() const;

private:
    struct Entry {
        uint32_t id;
        uint32_t dataOffset;
        uint32_t size;
    };
    std::vector<Entry> m_entries;
    std::vector<uint8_t> m_data;
    ZlibCompressor m_compressor;
};

} // namespace tarnell
