#pragma once

#include "ChannelIdentity.h"
#include "ListDifference.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarnell {

// "0x0000ABCD" with `digits` digits.
std::string HexText(uint32_t v, int digits);

// The parts of CompareLists beyond the channels and favourite lists.
void CompareSatellites(const CSettingsFile& a, const CSettingsFile& b, ListDifference& d);
void CompareLnbs(const CSettingsFile& a, const CSettingsFile& b, ListDifference& d);
void CompareTransponders(const CSettingsFile& a, const CSettingsFile& b, ListDifference& d);
// Timers name their channel by position, so they are compared by the channel they record.
void CompareTimers(const CSettingsFile& a, const CSettingsFile& b,
                   const std::vector<ChannelEntry>& channelsA,
                   const std::vector<ChannelEntry>& channelsB, ListDifference& d);
void CompareConfiguration(const CSettingsFile& a, const CSettingsFile& b, ListDifference& d);

} // namespace tarnell
