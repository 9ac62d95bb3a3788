#include "ListDifference.h"

#include "CSettingsFile.h"
#include "ChannelIdentity.h"
#include "ListDifferenceParts.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace tarnell {

void ListDifference::Add(DiffItem item) {
    ++counts[static_cast<size_t>(item.area)][static_cast<size_t>(item.kind)];
    items.push_back(std::move(item));
}

std::vector<bool> InOrder(const std::vector<int>& order) {
    // Patience sorting: tails[k] is the index ending the best run of length k + 1.
    std::vector<size_t> tails;
    std::vector<ptrdiff_t> previous(order.size(), -1);
    for (size_t i = 0; i < order.size(); ++i) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), order[i],
                                         [&order](size_t t, int v) { return order[t] < v; });
        if (at != tails.begin()) {
            previous[i] = static_cast<ptrdiff_t>(*(at - 1));
        }
        if (at == tails.end()) {
            tails.push_back(i);
        } else {
            *at = i;
        }
    }
    std::vector<bool> kept(order.size(), false);
    for (ptrdiff_t i = tails.empty() ? -1 : static_cast<ptrdiff_t>(tails.back()); i >= 0;
         i = previous[static_cast<size_t>(i)]) {
        kept[static_cast<size_t>(i)] = true;
    }
    return kept;
}

std::string HexText(uint32_t v, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, v);
    return text;
}

namespace {

// The fields of a channel record a user sets, each with its key.
void CompareChannelFields(const CChannelData& a, const CChannelData& b,
                          std::vector<DiffField>& fields) {
    const auto number = [&fields](const char* key, uint32_t x, uint32_t y) {
        if (x != y) {
            fields.push_back({key, std::to_string(x), std::to_string(y)});
        }
    };
    const auto hex = [&fields](const char* key, uint32_t x, uint32_t y, int digits) {
        if (x != y) {
            fields.push_back({key, HexText(x, digits), HexText(y, digits)});
        }
    };
    if (a.IsTv() != b.IsTv()) {
        fields.push_back({"kind", a.IsTv() ? "TV" : "radio", b.IsTv() ? "TV" : "radio"});
    }
    number("storedNumber", a.GetStoredNumber(), b.GetStoredNumber());
    number("pcrPid", a.GetPcrPid(), b.GetPcrPid());
    number("videoPid", a.GetVideoPid(), b.GetVideoPid());
    number("audioPid", a.GetAudioPid(), b.GetAudioPid());
    hex("flags", a.GetFlagByte(), b.GetFlagByte(), 2);
    hex("sound", a.GetSoundWord(), b.GetSoundWord(), 8);
    hex("options", a.GetOptionWord(), b.GetOptionWord(), 8);
    number("videoType", a.GetVideoType(), b.GetVideoType());
    number("audioType", a.GetAudioType(), b.GetAudioType());
    // Whatever else differs, outside the references and the favourite mask.
    const auto& ra = a.Record();
    const auto& rb = b.Record();
    for (const size_t at : {4u, 5u, 20u, 21u, 22u, 23u, 24u, 25u, 27u, 38u, 39u, 40u, 41u, 42u, 43u,
                            44u, 45u, 46u, 47u}) {
        if (ra[at] != rb[at]) {
            fields.push_back({"otherBytes", {}, {}});
            break;
        }
    }
    if ((ra[10] & 0x7) != (rb[10] & 0x7)) {
        fields.push_back({"audioBits", std::to_string(ra[10] & 0x7), std::to_string(rb[10] & 0x7)});
    }
}

// Pairs the channels of both lists by identity; the n-th of a key with the n-th of the same.
// matchOfA[i] is the index into `b` of a's i-th entry, or -1.
std::vector<ptrdiff_t> MatchChannels(const std::vector<ChannelEntry>& a,
                                     const std::vector<ChannelEntry>& b) {
    std::unordered_map<uint64_t, std::vector<size_t>> byKey;
    byKey.reserve(b.size());
    for (size_t j = b.size(); j-- > 0;) {
        byKey[b[j].key.Packed()].push_back(j); // reversed, so back() is the first
    }
    std::vector<ptrdiff_t> match(a.size(), -1);
    for (size_t i = 0; i < a.size(); ++i) {
        const auto it = byKey.find(a[i].key.Packed());
        if (it != byKey.end() && !it->second.empty()) {
            match[i] = static_cast<ptrdiff_t>(it->second.back());
            it->second.pop_back();
        }
    }
    return match;
}

DiffItem ChannelItem(DiffKind kind, const ChannelEntry& e) {
    DiffItem item;
    item.area = DiffArea::Channels;
    item.kind = kind;
    item.tv = e.channel->IsTv();
    item.name = e.name;
    item.identity = DescribeKey(e.key);
    return item;
}

void CompareChannels(const std::vector<ChannelEntry>& a, const std::vector<ChannelEntry>& b,
                     const std::vector<ptrdiff_t>& match, ListDifference& d) {
    std::vector<bool> matchedB(b.size(), false);
    for (size_t i = 0; i < a.size(); ++i) {
        if (match[i] < 0) {
            auto item = ChannelItem(DiffKind::Removed, a[i]);
            item.oldPosition = a[i].position;
            d.Add(std::move(item));
            continue;
        }
        const ChannelEntry& after = b[static_cast<size_t>(match[i])];
        matchedB[static_cast<size_t>(match[i])] = true;
        if (a[i].name != after.name) {
            auto item = ChannelItem(DiffKind::Renamed, after);
            item.oldName = a[i].name;
            d.Add(std::move(item));
        }
        std::vector<DiffField> fields;
        CompareChannelFields(*a[i].channel, *after.channel, fields);
        if (!fields.empty()) {
            auto item = ChannelItem(DiffKind::Changed, after);
            item.fields = std::move(fields);
            d.Add(std::move(item));
        }
    }
    for (size_t j = 0; j < b.size(); ++j) {
        if (!matchedB[j]) {
            auto item = ChannelItem(DiffKind::Added, b[j]);
            item.newPosition = b[j].position;
            d.Add(std::move(item));
        }
    }
    // Moves, per kind: positions are counted within a kind.
    for (const bool tv : {true, false}) {
        std::vector<int> order; // a's table index, in b's order
        std::vector<size_t> ofB;
        std::vector<ptrdiff_t> matchOfB(b.size(), -1);
        for (size_t i = 0; i < a.size(); ++i) {
            if (match[i] >= 0) {
                matchOfB[static_cast<size_t>(match[i])] = static_cast<ptrdiff_t>(i);
            }
        }
        for (size_t j = 0; j < b.size(); ++j) {
            if (matchOfB[j] >= 0 && b[j].channel->IsTv() == tv &&
                a[static_cast<size_t>(matchOfB[j])].channel->IsTv() == tv) {
                order.push_back(static_cast<int>(matchOfB[j]));
                ofB.push_back(j);
            }
        }
        const auto kept = InOrder(order);
        for (size_t k = 0; k < order.size(); ++k) {
            if (!kept[k]) {
                const ChannelEntry& before = a[static_cast<size_t>(order[k])];
                auto item = ChannelItem(DiffKind::Moved, b[ofB[k]]);
                item.oldPosition = before.position;
                item.newPosition = b[ofB[k]].position;
                d.Add(std::move(item));
            }
        }
    }
}

// Lists are matched by name, then the lists left over in both pair up in order as renames.
std::vector<ptrdiff_t> MatchFavouriteLists(const std::vector<std::string>& a,
                                           const std::vector<std::string>& b) {
    std::vector<ptrdiff_t> match(a.size(), -1);
    std::vector<bool> taken(b.size(), false);
    for (size_t i = 0; i < a.size(); ++i) {
        for (size_t j = 0; j < b.size(); ++j) {
            if (!taken[j] && a[i] == b[j]) {
                match[i] = static_cast<ptrdiff_t>(j);
                taken[j] = true;
                break;
            }
        }
    }
    size_t j = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (match[i] >= 0) {
            continue;
        }
        while (j < b.size() && taken[j]) {
            ++j;
        }
        if (j == b.size()) {
            break;
        }
        match[i] = static_cast<ptrdiff_t>(j);
        taken[j] = true;
    }
    return match;
}

std::vector<std::string> FavouriteNames(const CSettingsFile& file, int favCodepage) {
    std::vector<std::string> names;
    for (const auto& f : file.m_favourites.Items()) {
        names.push_back(f->GetName(favCodepage));
    }
    return names;
}

void CompareFavourites(const CSettingsFile& fa, const CSettingsFile& fb,
                       const std::vector<ChannelEntry>& a, const std::vector<ChannelEntry>& b,
                       const std::vector<ptrdiff_t>& match, int favCodepage, ListDifference& d) {
    const auto namesA = FavouriteNames(fa, favCodepage);
    const auto namesB = FavouriteNames(fb, favCodepage);
    const auto lists = MatchFavouriteLists(namesA, namesB);
    std::vector<bool> present(namesB.size(), false);
    std::vector<int> listOrder;
    std::vector<size_t> listOfOrder;
    for (size_t i = 0; i < namesA.size(); ++i) {
        DiffItem item;
        item.area = DiffArea::FavouriteLists;
        if (lists[i] < 0) {
            item.kind = DiffKind::Removed;
            item.name = namesA[i];
            item.oldPosition = static_cast<int>(i) + 1;
            d.Add(std::move(item));
            continue;
        }
        const auto j = static_cast<size_t>(lists[i]);
        present[j] = true;
        if (namesA[i] != namesB[j]) {
            item.kind = DiffKind::Renamed;
            item.name = namesB[j];
            item.oldName = namesA[i];
            d.Add(item);
        }
    }
    for (size_t j = 0; j < namesB.size(); ++j) {
        if (!present[j]) {
            DiffItem item;
            item.area = DiffArea::FavouriteLists;
            item.kind = DiffKind::Added;
            item.name = namesB[j];
            item.newPosition = static_cast<int>(j) + 1;
            d.Add(std::move(item));
        }
    }
    // The lists' own order.
    std::vector<ptrdiff_t> listOfB(namesB.size(), -1);
    for (size_t i = 0; i < namesA.size(); ++i) {
        if (lists[i] >= 0) {
            listOfB[static_cast<size_t>(lists[i])] = static_cast<ptrdiff_t>(i);
        }
    }
    for (size_t j = 0; j < namesB.size(); ++j) {
        if (listOfB[j] >= 0) {
            listOrder.push_back(static_cast<int>(listOfB[j]));
            listOfOrder.push_back(j);
        }
    }
    const auto keptLists = InOrder(listOrder);
    for (size_t k = 0; k < listOrder.size(); ++k) {
        if (!keptLists[k]) {
            DiffItem item;
            item.area = DiffArea::FavouriteLists;
            item.kind = DiffKind::Moved;
            item.name = namesB[listOfOrder[k]];
            item.oldPosition = listOrder[k] + 1;
            item.newPosition = static_cast<int>(listOfOrder[k]) + 1;
            d.Add(std::move(item));
        }
    }
    // Members of each list both files have.
    std::vector<ptrdiff_t> matchOfB(b.size(), -1);
    for (size_t i = 0; i < a.size(); ++i) {
        if (match[i] >= 0) {
            matchOfB[static_cast<size_t>(match[i])] = static_cast<ptrdiff_t>(i);
        }
    }
    for (size_t i = 0; i < namesA.size(); ++i) {
        if (lists[i] < 0) {
            continue;
        }
        const int bitA = static_cast<int>(i);
        const int bitB = static_cast<int>(lists[i]);
        const std::string& listName = namesB[static_cast<size_t>(bitB)];
        const auto member = [&listName](DiffKind kind, const ChannelEntry& e) {
            DiffItem item;
            item.area = DiffArea::FavouriteMembers;
            item.kind = kind;
            item.tv = e.channel->IsTv();
            item.name = e.name;
            item.list = listName;
            item.identity = DescribeKey(e.key);
            return item;
        };
        // Position of each member among the list's members of its kind, before and after.
        std::vector<int> positionInA(a.size(), 0);
        int tvCount = 0;
        int radioCount = 0;
        for (size_t k = 0; k < a.size(); ++k) {
            if (a[k].channel->IsInFavourite(bitA)) {
                positionInA[k] = a[k].channel->IsTv() ? ++tvCount : ++radioCount;
                const ptrdiff_t m = match[k];
                if (m < 0 || !b[static_cast<size_t>(m)].channel->IsInFavourite(bitB)) {
                    auto item = member(DiffKind::Removed, a[k]);
                    item.oldPosition = positionInA[k];
                    d.Add(std::move(item));
                }
            }
        }
        std::array<std::vector<int>, 2> order;
        std::array<std::vector<std::pair<size_t, int>>, 2> ofB;
        tvCount = 0;
        radioCount = 0;
        for (size_t j = 0; j < b.size(); ++j) {
            if (!b[j].channel->IsInFavourite(bitB)) {
                continue;
            }
            const int position = b[j].channel->IsTv() ? ++tvCount : ++radioCount;
            const ptrdiff_t m = matchOfB[j];
            if (m < 0 || !a[static_cast<size_t>(m)].channel->IsInFavourite(bitA)) {
                auto item = member(DiffKind::Added, b[j]);
                item.newPosition = position;
                d.Add(std::move(item));
            } else if (a[static_cast<size_t>(m)].channel->IsTv() == b[j].channel->IsTv()) {
                const size_t kind = b[j].channel->IsTv() ? 0 : 1;
                order[kind].push_back(static_cast<int>(m));
                ofB[kind].push_back({j, position});
            }
        }
        for (size_t kind = 0; kind < 2; ++kind) {
            const auto kept = InOrder(order[kind]);
            for (size_t k = 0; k < kept.size(); ++k) {
                if (!kept[k]) {
                    auto item = member(DiffKind::Moved, b[ofB[kind][k].first]);
                    item.oldPosition = positionInA[static_cast<size_t>(order[kind][k])];
                    item.newPosition = ofB[kind][k].second;
                    d.Add(std::move(item));
                }
            }
        }
    }
}

} // namespace

ListDifference CompareLists(const CSettingsFile& before, const CSettingsFile& after,
                            int favCodepage) {
    ListDifference d;
    const auto a = ChannelEntries(before);
    const auto b = ChannelEntries(after);
    const auto match = MatchChannels(a, b);
    CompareChannels(a, b, match, d);
    CompareFavourites(before, after, a, b, match, favCodepage, d);
    CompareSatellites(before, after, d);
    CompareLnbs(before, after, d);
    CompareTransponders(before, after, d);
    CompareTimers(before, after, a, b, d);
    CompareConfiguration(before, after, d);
    return d;
}

const char* AreaName(DiffArea area) {
    switch (area) {
    case DiffArea::Channels:
        return "channels";
    case DiffArea::FavouriteLists:
        return "favourite lists";
    case DiffArea::FavouriteMembers:
        return "favourite list members";
    case DiffArea::Satellites:
        return "satellites";
    case DiffArea::Lnbs:
        return "LNB settings";
    case DiffArea::Transponders:
        return "transponders";
    case DiffArea::Timers:
        return "timers";
    case DiffArea::Configuration:
        return "configuration";
    }
    return "";
}

const char* KindName(DiffKind kind) {
    switch (kind) {
    case DiffKind::Added:
        return "added";
    case DiffKind::Removed:
        return "removed";
    case DiffKind::Renamed:
        return "renamed";
    case DiffKind::Moved:
        return "moved";
    case DiffKind::Changed:
        return "changed";
    }
    return "";
}

std::string DifferenceSummary(const ListDifference& difference) {
    std::string text;
    for (size_t area = 0; area < kDiffAreaCount; ++area) {
        std::string part;
        for (size_t kind = 0; kind < kDiffKindCount; ++kind) {
            const size_t n = difference.counts[area][kind];
            if (n == 0) {
                continue;
            }
            part += part.empty() ? std::string(AreaName(static_cast<DiffArea>(area))) + ": "
                                 : std::string(", ");
            part += std::to_string(n) + " " + KindName(static_cast<DiffKind>(kind));
        }
        if (!part.empty()) {
            text += (text.empty() ? "" : "; ") + part;
        }
    }
    return text;
}

} // namespace tarnell
