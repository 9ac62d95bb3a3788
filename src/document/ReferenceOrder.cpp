#include "ReferenceOrder.h"

#include "CSettingsFile.h"
#include "CodePage.h"
#include "FileError.h"

#include <algorithm>
#include <unordered_map>

namespace tarnell {

ReferenceList ReferenceFromSettings(const CSettingsFile& file, int favCodepage) {
    ReferenceList reference;
    const auto entries = ChannelEntries(file);
    reference.entries.reserve(entries.size());
    for (const auto& e : entries) {
        reference.entries.push_back({e.key, std::nullopt, e.name});
    }
    for (size_t list = 0; list < file.m_favourites.Size(); ++list) {
        ReferenceFavourite favourite;
        favourite.name = file.m_favourites.At(list)->GetName(favCodepage);
        for (const auto& e : entries) {
            if (e.channel->IsInFavourite(static_cast<int>(list))) {
                favourite.entries.push_back(e.tableIndex);
            }
        }
        reference.favourites.push_back(std::move(favourite));
    }
    return reference;
}

ReferenceList ReferenceFromNames(std::string_view text, const std::string& sourceName) {
    if (text.find('\0') != std::string_view::npos) {
        throw FileError(sourceName + " is not a settings file, an Enigma2 bouquet or a text of "
                                     "channel names. Nothing was changed.");
    }
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()),
                                         text.size());
    std::string utf8 = DecodeText(bytes, CodePage::Utf8);
    if (utf8 != text) {
        utf8 = DecodeText(bytes, CodePage::Windows1252);
    }
    ReferenceList reference;
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find('\n', start);
        if (end == std::string::npos) {
            end = utf8.size();
        }
        std::string line = utf8.substr(start, end - start);
        start = end + 1;
        while (!line.empty() &&
               (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.pop_back();
        }
        const size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos) {
            reference.entries.push_back({std::nullopt, std::nullopt, line.substr(first)});
        }
    }
    if (reference.entries.empty()) {
        throw FileError(sourceName + " holds no channel names. Nothing was changed.");
    }
    return reference;
}

namespace {

// Channels under one key, taken from the front; taken ones are skipped.
class Candidates {
public:
    void Add(const std::string& key, size_t index) { m_map[key].push_back(index); }
    void Add(uint64_t key, size_t index) { m_numbers[key].push_back(index); }
    template <class Key> std::optional<size_t> Take(const Key& key, std::vector<bool>& taken) {
        auto& list = Lists(key);
        const auto it = list.find(key);
        if (it == list.end()) {
            return std::nullopt;
        }
        auto& [indices, next] = it->second;
        while (next < indices.size() && taken[indices[next]]) {
            ++next;
        }
        if (next == indices.size()) {
            return std::nullopt;
        }
        taken[indices[next]] = true;
        return indices[next++];
    }

private:
    struct Queue {
        std::vector<size_t> indices;
        size_t next = 0;
        void push_back(size_t i) { indices.push_back(i); }
    };
    std::unordered_map<std::string, Queue>& Lists(const std::string&) { return m_map; }
    std::unordered_map<uint64_t, Queue>& Lists(uint64_t) { return m_numbers; }
    std::unordered_map<std::string, Queue> m_map;
    std::unordered_map<uint64_t, Queue> m_numbers;
};

} // namespace

namespace {

void NoteWhetherTheOrderChanges(ReferenceOrderPlan& plan) {
    plan.report.orderChanged = false;
    for (size_t i = 0; i < plan.order.size(); ++i) {
        plan.report.orderChanged = plan.report.orderChanged || plan.order[i] != i;
    }
}

} // namespace

void PutUnmatchedFirst(ReferenceOrderPlan& plan) {
    if (!plan.options.unmatchedFirst) {
        // The unmatched channels are the plan's tail, in table order.
        const auto tail = static_cast<std::ptrdiff_t>(plan.report.notInReference.size());
        std::rotate(plan.order.begin(), plan.order.end() - tail, plan.order.end());
        plan.options.unmatchedFirst = true;
    }
    NoteWhetherTheOrderChanges(plan);
}

ReferenceOrderPlan PlanReferenceOrder(const CSettingsFile& file, const ReferenceList& reference,
                                      const ReferenceOrderOptions& options) {
    if (reference.entries.empty()) {
        throw FileError("The reference holds no channels. Nothing was changed.");
    }
    const auto entries = ChannelEntries(file);
    Candidates byKey;
    Candidates byService;
    Candidates byName;
    Candidates byBareName;
    for (const auto& e : entries) {
        byKey.Add(e.key.Packed(), e.tableIndex);
        byService.Add(e.service.Packed(), e.tableIndex);
        byName.Add(FoldedName(e.name), e.tableIndex);
        byBareName.Add(NameWithoutQuality(e.name), e.tableIndex);
    }
    ReferenceOrderPlan plan;
    plan.options = options;
    auto& report = plan.report;
    std::vector<bool> taken(entries.size(), false);
    std::vector<std::optional<size_t>> matchOf(reference.entries.size());
    for (size_t r = 0; r < reference.entries.size(); ++r) {
        const auto& ref = reference.entries[r];
        if (ref.key) {
            matchOf[r] = byKey.Take(ref.key->Packed(), taken);
        }
        if (!matchOf[r] && ref.service) {
            matchOf[r] = byService.Take(ref.service->Packed(), taken);
        }
        report.byIdentity += matchOf[r] ? 1 : 0;
    }
    // Names only for what the identities left, so that a name never takes a channel another
    // entry names exactly.
    for (const bool bare : {false, true}) {
        for (size_t r = 0; r < reference.entries.size(); ++r) {
            const auto& ref = reference.entries[r];
            if (matchOf[r] || ref.name.empty()) {
                continue;
            }
            matchOf[r] = bare ? byBareName.Take(NameWithoutQuality(ref.name), taken)
                              : byName.Take(FoldedName(ref.name), taken);
            report.byName += matchOf[r] ? 1 : 0;
        }
    }
    if (report.byIdentity + report.byName == 0) {
        throw FileError("None of the " + std::to_string(reference.entries.size()) +
                        " channels of the reference is in the list. Nothing was changed.");
    }
    std::vector<size_t> matched;
    for (size_t r = 0; r < reference.entries.size(); ++r) {
        if (matchOf[r]) {
            matched.push_back(*matchOf[r]);
        } else {
            report.notInList.push_back(reference.entries[r].name);
        }
    }
    std::vector<size_t> rest;
    for (const auto& e : entries) {
        if (!taken[e.tableIndex]) {
            rest.push_back(e.tableIndex);
            report.notInReference.push_back(e.name);
        }
    }
    plan.order = matched;
    plan.order.insert(plan.order.end(), rest.begin(), rest.end());
    plan.options.unmatchedFirst = false;
    if (options.unmatchedFirst) {
        PutUnmatchedFirst(plan);
    } else {
        NoteWhetherTheOrderChanges(plan);
    }
    if (options.rebuildFavourites) {
        for (const auto& list : reference.favourites) {
            ReferenceOrderPlan::Favourite favourite;
            favourite.name = list.name;
            for (const size_t r : list.entries) {
                if (r < matchOf.size() && matchOf[r]) {
                    favourite.members.push_back(*matchOf[r]);
                }
            }
            plan.favourites.push_back(std::move(favourite));
        }
    }
    return plan;
}

void ApplyReferenceOrder(CSettingsFile& file, ReferenceOrderPlan& plan) {
    auto& report = plan.report;
    std::vector<CChannelData*> channels;
    channels.reserve(file.m_channels.Size());
    for (const auto& c : file.m_channels.Items()) {
        channels.push_back(c.get());
    }
    for (const auto& favourite : plan.favourites) {
        int bit = -1;
        for (size_t i = 0; i < file.m_favourites.Size() && bit < 0; ++i) {
            if (file.m_favourites.At(i)->GetName(plan.options.favCodepage) == favourite.name) {
                bit = static_cast<int>(i);
            }
        }
        if (bit < 0) {
            if (file.m_favourites.AddFavouriteList(favourite.name, plan.options.favCodepage) ==
                nullptr) {
                report.favouriteListsSkipped.push_back(favourite.name);
                continue;
            }
            bit = static_cast<int>(file.m_favourites.Size()) - 1;
            ++report.favouriteListsAdded;
        } else {
            ++report.favouriteListsRebuilt;
        }
        for (CChannelData* c : channels) {
            c->SetFavourite(bit + 1, false);
        }
        for (const size_t m : favourite.members) {
            channels[m]->SetFavourite(bit + 1, true);
        }
    }
    auto& items = file.m_channels.Items();
    std::vector<std::unique_ptr<CChannelData>> reordered;
    reordered.reserve(items.size());
    for (const size_t i : plan.order) {
        reordered.push_back(std::move(items[i]));
    }
    items = std::move(reordered);
    file.m_channels.AssignRunningNumbers();
}

} // namespace tarnell
