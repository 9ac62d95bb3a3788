#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace tarnell {

class CSettingsFile;

// What part of a settings file a change is in.
enum class DiffArea {
    Channels,
    FavouriteLists,
    FavouriteMembers,
    Satellites,
    Lnbs,
    Transponders,
    Timers,
    Configuration,
};
inline constexpr size_t kDiffAreaCount = 8;

enum class DiffKind { Added, Removed, Renamed, Moved, Changed };
inline constexpr size_t kDiffKindCount = 5;

// One field that differs. `field` is a fixed key ("videoPid", "symbolRate", "word 616"...) that
// front ends turn into their own words; the values are ready to show.
struct DiffField {
    std::string field;
    std::string before;
    std::string after;
};

struct DiffItem {
    DiffArea area = DiffArea::Channels;
    DiffKind kind = DiffKind::Changed;
    bool tv = true;      // channels and favourite members
    std::string name;    // as the second list names it (the first for what was removed)
    std::string oldName; // what it was called before a rename
    std::string list;    // the favourite list of a member
    int oldPosition = 0; // from 1; 0 when it has none there
    int newPosition = 0;
    std::string identity; // "19.2E 11494 H, sid 61", for channels and transponders
    std::vector<DiffField> fields;
};

// The difference between two settings files, from the first ("before") to the second.
struct ListDifference {
    std::vector<DiffItem> items;

    bool Empty() const { return items.empty(); }
    size_t Count(DiffArea area, DiffKind kind) const {
        return counts[static_cast<size_t>(area)][static_cast<size_t>(kind)];
    }
    void Add(DiffItem item);

    std::array<std::array<size_t, kDiffKindCount>, kDiffAreaCount> counts{};
};

// Channels are matched by what they are (satellite position, transponder frequency and
// polarisation, service ID), not by their index, so a re-sorted list shows moves, not a new
// list. Moves are the fewest channels whose taking out leaves the rest in the same order.
// Linear in the lists apart from the n log n of finding the moves.
ListDifference CompareLists(const CSettingsFile& before, const CSettingsFile& after,
                            int favCodepage);

// "channels: 12 removed, 340 moved; favourite lists: 2 moved"; empty when equal.
std::string DifferenceSummary(const ListDifference& difference);
const char* AreaName(DiffArea area);
const char* KindName(DiffKind kind);

// Positions (indices into `order`) of the elements that are not moved: the longest increasing
// run of `order`. Everything else counts as moved.
std::vector<bool> InOrder(const std::vector<int>& order);

} // namespace tarnell
