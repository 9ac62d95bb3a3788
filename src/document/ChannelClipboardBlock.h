#pragma once

#include "CChannelData.h"
#include "CSatelliteInfo.h"
#include "CTransponderData.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarnell {

class CSettingsFile;

// One channel as it travels through the clipboard, with copies of its transponder and
// satellite so that a paste into another file can find or create them.
struct ClipboardChannel {
    std::array<uint8_t, CChannelData::kRecordSize> record{};
    // Blocks written by other programs do not say; such a channel takes the kind of the list.
    std::optional<bool> tv;
    // The character table of the name record it came from, so that a paste encodes the name
    // with the same table again.
    uint8_t codePageCode = 0;
    std::string name; // UTF-8, without "<" and ">"
    std::array<uint8_t, CTransponderData::kRecordSize> transponder{};
    std::array<uint8_t, CSatelliteInfo::kRecordSize> satellite{};
};

// The "TarnellClipFDU" block: four parallel tables (channel records, satellite records,
// transponder records, names as length-prefixed UTF-16LE strings), then a table of our own with
// each channel's kind and character table, which older readers ignore.
class ChannelClipboardBlock {
public:
    static constexpr const char* kFormatName = "TarnellClipFDU";
    // A name longer than this is damage, not a channel name.
    static constexpr size_t kMaxNameChars = 4096;

    // The channels in the given order, each with its own transponder and satellite.
    static std::vector<ClipboardChannel> Collect(const CSettingsFile& file,
                                                 const std::vector<const CChannelData*>& channels);
    static std::vector<uint8_t> Encode(const std::vector<ClipboardChannel>& channels);

    struct Decoded {
        std::vector<ClipboardChannel> channels;
        // False when the tables hold no channel, satellite or transponder at all.
        bool usable = false;
    };
    // Reads bytes that come from outside; nullopt when they are not a whole, consistent block.
    // Never reads past the end.
    static std::optional<Decoded> Decode(std::span<const uint8_t> bytes);
};

} // namespace tarnell
