#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnell {

class CChannelData;
class CSettingsFile;

// What makes a channel the same service in two lists, whatever its index or name: the orbital
// position of its satellite, its transponder's frequency and polarisation, and its service ID.
struct ChannelKey {
    uint16_t position = 0xFFFF; // tenths of a degree; 0xFFFF without satellite
    uint16_t frequency = 0;
    uint8_t polarisation = 0;
    uint16_t serviceId = 0;

    uint64_t Packed() const {
        return (uint64_t{position} << 40) | (uint64_t{frequency} << 24) |
               (uint64_t{polarisation} << 16) | serviceId;
    }
    bool operator==(const ChannelKey&) const = default;
};

// The same service as an Enigma2 bouquet names it: position, service, stream and network.
struct ServiceKey {
    uint16_t position = 0xFFFF;
    uint16_t serviceId = 0;
    uint16_t transportStreamId = 0;
    uint16_t originalNetworkId = 0;

    uint64_t Packed() const {
        return (uint64_t{position} << 48) | (uint64_t{serviceId} << 32) |
               (uint64_t{transportStreamId} << 16) | originalNetworkId;
    }
};

// One channel of a list as the comparisons see it.
struct ChannelEntry {
    const CChannelData* channel = nullptr;
    size_t tableIndex = 0;
    int position = 0; // among the channels of its kind, from 1
    ChannelKey key;
    ServiceKey service;
    std::string name; // as displayed, UTF-8
};

// Every channel in table order, with keys and names worked out once (linear in the list).
std::vector<ChannelEntry> ChannelEntries(const CSettingsFile& file);

// The name as comparisons take it: trimmed, inner blanks folded to one, ASCII letters in lower
// case. Names differing only so are the same channel to a user.
std::string FoldedName(std::string_view name);
// FoldedName without a trailing "HD", "SD", "FHD" or "UHD" mark ("Das Erste HD" -> "das erste").
std::string NameWithoutQuality(std::string_view name);

// "19.2E 11494 H sid 61" for messages.
std::string DescribeKey(const ChannelKey& key);

} // namespace tarnell
