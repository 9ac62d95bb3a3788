#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnell {

class CChannelData;
class CSatelliteData;
class CSatelliteInfo;
class CSettingsFile;

// The record changes of the property panes that need more than one field, without undo: each
// runs inside one CTarnell1018Doc::Edit.
namespace PropertyEdits {

// --- orbital position
// Degrees from 0 to 180.0 with at most one decimal, "." or "," as the separator, as tenths;
// nothing for any other text.
std::optional<uint16_t> ParseDegrees(std::string_view text);
// The stored position of an east or west magnitude in tenths (0 to 1800): 0 and 180.0 are the
// same place on both sides and store 0 and 1800.
uint16_t StoredPosition(uint16_t tenths, bool west);
// The magnitude of a stored position, east or west.
uint16_t Magnitude(uint16_t stored);

// --- LNB records, shared by satellites through their two one-byte indices
// How many tuner-input slots of all satellites name this record.
int LnbUseCount(const CSettingsFile& file, uint8_t index);
struct LnbForEdit {
    CSatelliteData* record = nullptr; // nullptr: every record is in use, none can be added
    bool taken = false;               // a record of its own was taken for the satellite
};
// False when an LNB edit of the satellite's input would need a record of its own and none is
// left: every record is named by a satellite and the list is full.
bool CanTakeLnbForEdit(const CSettingsFile& file, const CSatelliteInfo& satellite, int input);
// The record an LNB edit of the satellite's input may change. A record the satellite shares
// with another slot is left alone: the satellite gets a free record (one in no slot and not
// marked in use), or a new one at the end, holding a copy of the old record's fields.
LnbForEdit TakeLnbForEdit(CSettingsFile& file, CSatelliteInfo& satellite, int input);
// The most LNB records: the indices 0xFE and 0xFF mean "none".
inline constexpr size_t kMaxLnbRecords = 0xFE;

// --- channels
// The bytes the text takes in the channel's character table.
size_t NameTextBytes(const CSettingsFile& file, const CChannelData& channel, std::string_view utf8);
// A name record holds 100 bytes: the table bytes, at most 97 bytes of text, the terminator.
enum class NameProblem { None, NotEncodable, TooLong };
NameProblem CheckChannelName(const CSettingsFile& file, const CChannelData& channel,
                             std::string_view utf8);
// Sets the channel's name, making a name record of its own when it has none, and the mark that
// the name was edited (flag byte bit 5).
void SetChannelName(CSettingsFile& file, CChannelData& channel, std::string_view utf8);
// The first transponder in use on the satellite, or nothing.
std::optional<uint16_t> FirstTransponderOf(const CSettingsFile& file, size_t satellite);

} // namespace PropertyEdits

} // namespace tarnell
