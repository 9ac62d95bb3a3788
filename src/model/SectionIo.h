#pragma once

#include "SectionHeader.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tarnell {

class CFDUPrepackaging;

// One section as read from a file: its header and the payload its stream inflated to.
struct LoadedSection {
    SectionHeader header;
    std::vector<uint8_t> payload;
    int zlibResult = 0;
};

// Reads the section that starts at `data` (the rest of the file from the section's offset).
// Returns false when not even the 16-byte header is there.
bool ReadSection(std::span<const uint8_t> data, LoadedSection& out);

// Compresses a payload at level 1 and hands the section to the assembler, with the header's
// length fields updated.
void StoreSection(CFDUPrepackaging& assembler, SectionHeader& header,
                  const std::vector<uint8_t>& payload);

// Small append helpers for building payloads.
inline void Append(std::vector<uint8_t>& out, const uint8_t* p, size_t n) {
    out.insert(out.end(), p, p + n);
}
template <size_t N> void Append(std::vector<uint8_t>& out, const std::array<uint8_t, N>& a) {
    out.insert(out.end(), a.begin(), a.end());
}
inline void AppendZeros(std::vector<uint8_t>& out, size_t n) {
    out.insert(out.end(), n, 0);
}

} // namespace tarnell
