#pragma once

#include "ImportReport.h"
#include "KeyIndexMap.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

namespace tarnell {

class CChannelData;
class CChannelInfoArray;
class CSettingsFile;

// The satellite at a position (tenths of a degree east); cable and terrestrial ones are matched
// by name too. Appends one named "Cable", "Terrestrial", `name` or "Imp <position>" when there is
// none; at 255 satellites returns the last one.
int FindOrAddSatellite(CSettingsFile& file, int position, char kind, std::string_view name,
                       ImportReport& report);

// Appends a name record holding `utf8`. Names Windows-1252 holds are stored as such; others
// get the character-table byte of a code page that holds them.
void AddNameRecord(CChannelInfoArray& names, std::string_view utf8);

// Gives the channel a name record of its own. Names Windows-1252 holds are stored as such;
// others get the character-table byte of a code page that holds them.
void SetChannelNameFromText(CSettingsFile& file, CChannelData* channel, std::string_view utf8);

// The text of a fixed-size field up to its first zero byte.
std::string ZeroTerminated(const uint8_t* field, size_t size);

// Fast look-ups for readers that add thousands of services.
class ImportIndex {
public:
    explicit ImportIndex(CSettingsFile& file);

    // Like the transponder table's own AddTransponder, but finds free slots in one pass.
    int AddTransponder(uint16_t satellite, int frequency, int polarisation, int symbolRate,
                       uint32_t nameSpace, int tsid, int onid);
    int FindTransponder(int tsid, int onid, uint32_t nameSpace) const;
    // The first transponder of a satellite on a frequency (MHz), or -1.
    int FindOnSatellite(uint16_t satellite, int frequency) const;

private:
    CSettingsFile& m_file;
    size_t m_nextFree = 0;
    KeyIndexMap m_byKey;
    KeyIndexMap m_bySatelliteFrequency;
};

} // namespace tarnell
