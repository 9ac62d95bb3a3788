#pragma once

#include "ChannelIdentity.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnell {

class CSettingsFile;

// A list whose order the open list should take: another settings file, an Enigma2 bouquet or a
// text of names. Entries carry what the source knows: an identity, a name, or both.
struct ReferenceEntry {
    std::optional<ChannelKey> key;
    std::optional<ServiceKey> service;
    std::string name;
};

struct ReferenceFavourite {
    std::string name;
    std::vector<size_t> entries; // into ReferenceList::entries
};

struct ReferenceList {
    std::vector<ReferenceEntry> entries;
    std::vector<ReferenceFavourite> favourites;
};

// Every channel of a settings file in table order, its favourite lists with their members.
ReferenceList ReferenceFromSettings(const CSettingsFile& file, int favCodepage);
// One channel name a line (UTF-8, or Windows-1252 when it is not UTF-8); blank lines are
// skipped. Throws FileError for text that is not a names list (binary bytes).
ReferenceList ReferenceFromNames(std::string_view text, const std::string& sourceName);

struct ReferenceOrderOptions {
    bool rebuildFavourites = false;
    bool unmatchedFirst = false; // the channels the reference lacks go before, not after
    int favCodepage = 6;
};

struct ReferenceOrderReport {
    size_t byIdentity = 0;
    size_t byName = 0;
    std::vector<std::string> notInReference; // channels of the list, in table order
    std::vector<std::string> notInList;      // names of reference entries nothing matched
    size_t favouriteListsRebuilt = 0;
    size_t favouriteListsAdded = 0;
    std::vector<std::string> favouriteListsSkipped; // no room for them (32 lists)
    bool orderChanged = false;
};

// Where every channel goes and which lists it belongs to, worked out without changing the file.
struct ReferenceOrderPlan {
    std::vector<size_t> order; // table indices in their new order
    struct Favourite {
        std::string name;
        std::vector<size_t> members; // table indices before the reordering
    };
    std::vector<Favourite> favourites;
    ReferenceOrderOptions options;
    ReferenceOrderReport report;
};

// Matches by identity first (position, frequency, polarisation and service ID, or a bouquet's
// service reference), then by name: as written apart from case and blanks, then without an
// "HD"/"SD" mark. Throws FileError, with nothing changed, for an empty reference or one that
// matches no channel. Linear in the lists.
ReferenceOrderPlan PlanReferenceOrder(const CSettingsFile& file, const ReferenceList& reference,
                                      const ReferenceOrderOptions& options);
// Puts the channels the reference lacks before the matched ones, as when planned with
// `unmatchedFirst`; for a choice made after the plan was shown.
void PutUnmatchedFirst(ReferenceOrderPlan& plan);
// Reorders the table, rebuilds the favourite lists as planned; fills the plan's report.
void ApplyReferenceOrder(CSettingsFile& file, ReferenceOrderPlan& plan);

} // namespace tarnell
