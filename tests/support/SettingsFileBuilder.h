#pragma once

#include "CSettingsFile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarnell::test {

// What a model built in code holds.
struct SampleOptions {
    int satellites = 3;
    int lnbs = 2;
    int transponderSlots = 40;
    int usedTransponders = 12;
    int tvChannels = 20;
    int radioChannels = 8;
    int providers = 4;
    int favourites = 4;
    int timers = 0; // records of the timer table (the last two are the receiver's own)
    bool fduInfo = true;
    int configLength = 0; // 0: no configuration
    int channelRecordSize = 48;
    int transponderRecordSize = 16;
};

// A model with every list filled with distinct, recognisable values.
std::unique_ptr<CSettingsFile> MakeSample(const SampleOptions& options = {});

// A list shaped like a real scan, with `channels` channels, 8,000 slots and 255 satellites.
std::unique_ptr<CSettingsFile> MakeRealistic(int channels);
// The largest file the data area holds: MakeRealistic(10000).
std::unique_ptr<CSettingsFile> MakeLargest();

std::unique_ptr<CSettingsFile> LoadBytes(std::span<const uint8_t> bytes,
                                         std::vector<std::string>* messages = nullptr);

// A configuration section (header and level-9 stream) holding `length` structure bytes.
std::vector<uint8_t> ConfigSection(int length, uint8_t fill = 0x5A);

// One section of a file crafted byte by byte.
struct RawSection {
    uint32_t id = 0;
    std::vector<uint8_t> payload;
    std::array<uint8_t, 4> spare{1, 0, 0, 0};
    bool garbageStream = false; // the stream bytes are not zlib
};

// Builds a service part from raw sections; the directory count may be overridden.
std::vector<uint8_t> BuildRawFile(const std::vector<RawSection>& sections,
                                  std::optional<uint16_t> count = std::nullopt);

// Section payload helpers.
std::vector<uint8_t> ArrayHeader16(uint16_t w0, uint16_t w1 = 0);
std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts);

// Offsets of the sections in a stored service part, in directory order.
struct StoredSection {
    uint32_t id;
    size_t fileOffset;
    uint32_t size;
};
std::vector<StoredSection> Directory(std::span<const uint8_t> image);

} // namespace tarnell::test
