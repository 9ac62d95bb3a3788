#pragma once

#include <array>
#include <cstdint>

namespace tarnell {

// The value of each character as a hex digit; kNotHex for every other character. A table:
// the readers look up every character of keys and PIDs of lists with tens of thousands of lines.
inline constexpr uint8_t kNotHex = 0x10;
inline constexpr std::array<uint8_t, 256> kHexDigit = [] {
    std::array<uint8_t, 256> table{};
    table.fill(kNotHex);
    for (int c = 0; c < 10; ++c) {
        table['0' + c] = static_cast<uint8_t>(c);
    }
    for (int c = 0; c < 6; ++c) {
        table['a' + c] = static_cast<uint8_t>(10 + c);
        table['A' + c] = static_cast<uint8_t>(10 + c);
    }
    return table;
}();

// Exactly N hex digits at `text`; false when any of them is not one.
template <int N> bool FixedHex(const char* text, uint32_t& value) {
    uint32_t v = 0;
    uint8_t notHex = 0;
    for (int i = 0; i < N; ++i) {
        const uint8_t digit = kHexDigit[static_cast<uint8_t>(text[i])];
        notHex |= digit;
        v = (v << 4) | (digit & 0x0F);
    }
    value = v;
    return notHex < kNotHex;
}

} // namespace tarnell
