#pragma once

#include "ChannelClipboardBlock.h"

#include <cstdint>
#include <vector>

namespace tarnell {

class CChannelData;
class CSettingsFile;

// The changes the channel list makes to the channel table, without undo: each runs inside one
// CTarnell1018Doc::Edit. All are linear in the table, so 10,000 channels stay instant.
namespace ChannelEdits {

enum class FlagEdit { SetM1, ClearM1, SetT1, ClearT1, SetT2, ClearT2, CopyT1ToT2, CopyT2ToT1 };

void ChangeFlags(const std::vector<CChannelData*>& channels, FlagEdit edit);

// Moves the channels, in the given order, so that the first becomes the `position`-th (from 1)
// channel of kind `tv`, the others right behind it; past the last of the kind they go after it.
void MoveToPosition(CSettingsFile& file, const std::vector<CChannelData*>& channels, bool tv,
                    int position);
// Gives the channels the stored numbers position, position + 1, ... in the given order.
void NumberFrom(const std::vector<CChannelData*>& channels, int position);
// The table takes the order of the rows: their channels first, the others behind in their order.
void AdoptOrder(CSettingsFile& file, const std::vector<CChannelData*>& rows);

// Appends a channel of the kind on that transponder and moves it right behind `after` (when
// given). Its stored number is one above the highest of its kind, so no timer takes it for
// another channel. nullptr when the table is full.
CChannelData* NewChannel(CSettingsFile& file, bool tv, uint16_t transponderIndex,
                         const CChannelData* after);

struct PasteResult {
    enum class Stop { None, WrongKind, NoTransponderSlot, SatellitesFull, ChannelsFull };
    Stop stop = Stop::None;
    // In clipboard order, as they stand in the table.
    std::vector<CChannelData*> inserted;
    // A satellite or transponder was added, so the tree needs building again.
    bool structureChanged = false;
};

// Inserts the clipboard's channels before `before` (at the end without one), in clipboard
// order. Works from the last to the first and stops at the first channel that is of another
// kind than the list or that finds no room; the channels behind it stay, nothing half-made
// stays behind. Satellites are found by position, transponders by satellite, frequency,
// polarisation and symbol rate, and made when missing.
PasteResult Paste(CSettingsFile& file, const std::vector<ClipboardChannel>& channels, bool listTv,
                  const CChannelData* before, bool clearFavourites);

} // namespace ChannelEdits

} // namespace tarnell
