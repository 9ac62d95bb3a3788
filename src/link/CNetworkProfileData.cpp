#include "CNetworkProfileData.h"

#include <charconv>
#include <cstdio>

namespace tarnell {

std::string CNetworkProfileData::ServerText() const {
    char text[16];
    std::snprintf(text, sizeof(text), "%i.%i.%i.%i", static_cast<int>(m_address >> 24),
                  static_cast<int>((m_address >> 16) & 0xFF),
                  static_cast<int>((m_address >> 8) & 0xFF), static_cast<int>(m_address & 0xFF));
    return text;
}

std::optional<uint32_t> ParseIpv4(std::string_view text) {
    uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (text.empty() || text.front() != '.') {
                return std::nullopt;
            }
            text.remove_prefix(1);
        }
        unsigned value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        const auto digits = static_cast<size_t>(end - text.data());
        if (error != std::errc() || digits == 0 || digits > 3 || value > 255) {
            return std::nullopt;
        }
        text.remove_prefix(digits);
        address = (address << 8) | value;
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return address;
}

} // namespace tarnell
