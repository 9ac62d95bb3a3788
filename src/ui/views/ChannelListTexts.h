#pragma once

#include "ListFill.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace tarnell {

class CChannelData;
class CSettingsFile;
class CTransponderData;

// What the channel list shows of a channel, column by column, and which channels a fill takes.
namespace ChannelList {

enum Column : int {
    kColName,
    kColNumber,
    kColKind,
    kColSatellite,
    kColFrequency,
    kColPolarisation,
    kColSymbolRate,
    kColServiceId,
    kColVideoPid,
    kColAudioPid,
    kColPcrPid,
    kColValue4,
    kColHd,
    kColT1,
    kColT2,
    kColScrambled,
    kColMark10,
    kColMark04,
    kColProvider,
    kColumnCount
};

enum class Comparison { Text, Padded };

struct ColumnInfo {
    Qt::Alignment alignment;
    int defaultWidth;
    // How a click on the header sorts the column.
    Comparison comparison;
};

const ColumnInfo& Info(int column);
QString Title(int column);

// The name without "<" and ">", or "SVC_<service ID> Service" when there is none.
QString ChannelName(const CSettingsFile& file, const CChannelData& channel);
// The channel's transponder, or nullptr when its index is outside the table or names a free
// slot.
const CTransponderData* UsableTransponder(const CSettingsFile& file, const CChannelData& channel);
// Empty when the transponder's satellite or provider index is outside its table.
QString SatelliteName(const CSettingsFile& file, const CTransponderData& transponder);
QString ProviderName(const CSettingsFile& file, const CTransponderData& transponder);
// The cell text of the details style; column 0 of the compact style is CompactText.
QString CellText(const CSettingsFile& file, const CChannelData& channel, int column, int number);
QString CompactText(int number, const QString& name);

// The number a row shows: its position in a favourite list numbered in sequence, else the
// stored number when the configuration asks for it, else the running number.
int ChannelNumber(const CChannelData& channel, int row, bool favouriteSequence,
                  uint32_t configOptionFlag);

// Sort keys: compared as plain strings they give the list's order. Padded keys put the text
// behind zeros up to 20 characters, so that "%5i" numbers sort by value.
QString PaddedKey(const QString& text);
QString TextKey(const QString& text);
// For the columns that show a number (or nothing where the transponder is missing), the value
// whose order is that of the padded texts; -1 for the other columns.
int64_t NumericKey(const CSettingsFile& file, const CChannelData& channel, int column, int number);

// The channels of a fill, in table order. A service kind other than 0, 1 and 2 in an
// all-channels fill adds nothing and sets badKind.
std::vector<CChannelData*> SelectChannels(const CSettingsFile& file, const ListFill& fill,
                                          bool satelliteRestrictShow, bool* badKind = nullptr);

} // namespace ChannelList

} // namespace tarnell
