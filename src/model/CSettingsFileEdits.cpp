// Deletions that keep every index of the model pointing at the same records as before.
#include "CSettingsFile.h"

#include <algorithm>
#include <unordered_set>

namespace tarnell {

namespace {

// For a sorted list of removed positions, the new index of a surviving old index.
uint16_t Shifted(uint16_t index, const std::vector<size_t>& removedSorted) {
    const auto below = std::lower_bound(removedSorted.begin(), removedSorted.end(), index);
    return static_cast<uint16_t>(index - (below - removedSorted.begin()));
}

// Removes the names at the given positions (sorted, unique).
void RemoveNames(CChannelInfoArray& names, const std::vector<size_t>& removedSorted) {
    auto& items = names.Items();
    size_t next = 0;
    size_t write = 0;
    for (size_t read = 0; read < items.size(); ++read) {
        if (next < removedSorted.size() && removedSorted[next] == read) {
            ++next;
            continue;
        }
        items[write++] = std::move(items[read]);
    }
    items.resize(write);
}

// Whether `records` are all the list's records in its order, as when an import empties it:
// then no look-up is needed.
template <class T, class Items>
bool IsEveryRecord(const std::vector<const T*>& records, const Items& items) {
    return records.size() == items.size() &&
           std::equal(records.begin(), records.end(), items.begin(),
                      [](const T* record, const auto& item) { return record == item.get(); });
}

} // namespace

void CSettingsFile::DeleteChannels(const std::vector<const CChannelData*>& channels) {
    auto& items = m_channels.Items();
    const bool everyChannel = IsEveryRecord(channels, items);
    std::unordered_set<const CChannelData*> doomed;
    if (!everyChannel) {
        doomed.insert(channels.begin(), channels.end());
    }
    std::vector<bool> candidate(m_channelNames.Size(), false);
    std::vector<bool> stillUsed(m_channelNames.Size(), false);
    size_t write = 0;
    for (size_t read = 0; read < items.size(); ++read) {
        const uint16_t name = items[read]->GetNameIndex();
        if (everyChannel || doomed.contains(items[read].get())) {
            if (name < candidate.size()) {
                candidate[name] = true;
            }
            continue;
        }
        if (name < stillUsed.size()) {
            stillUsed[name] = true;
        }
        items[write++] = std::move(items[read]);
    }
    items.resize(write);

    std::vector<size_t> removedNames;
    for (size_t n = 0; n < candidate.size(); ++n) {
        if (candidate[n] && !stillUsed[n]) {
            removedNames.push_back(n);
        }
    }
    if (removedNames.empty()) {
        return;
    }
    RemoveNames(m_channelNames, removedNames);
    for (auto& channel : items) {
        const uint16_t name = channel->GetNameIndex();
        if (name != CChannelData::kNone) {
            channel->SetNameIndex(Shifted(name, removedNames));
        }
    }
}

void CSettingsFile::FreeTransponderSlots(const std::vector<size_t>& removed) {
    auto& slots = m_transponders.Items();
    // 2. Each slot moves to the end of the table, cleared, so the slot count stays.
    std::vector<uint16_t> providers;
    std::vector<std::unique_ptr<CTransponderData>> freed;
    size_t write = 0;
    size_t next = 0;
    for (size_t read = 0; read < slots.size(); ++read) {
        if (next < removed.size() && removed[next] == read) {
            ++next;
            providers.push_back(slots[read]->GetProviderIndex());
            slots[read]->Record().fill(0);
            slots[read]->SetNamespace(0);
            freed.push_back(std::move(slots[read]));
            continue;
        }
        slots[write++] = std::move(slots[read]);
    }
    for (size_t i = 0; i < freed.size(); ++i) {
        slots[write + i] = std::move(freed[i]);
    }

    // 3. Provider names no remaining transponder uses. Free slots do not count: they hold
    // provider 0 only because they are cleared, and would keep the first name forever.
    std::vector<bool> providerUsed(m_providerNames.Size(), false);
    for (size_t i = 0; i < slots.size(); ++i) {
        if (slots[i]->IsFree()) {
            continue;
        }
        const uint16_t p = slots[i]->GetProviderIndex();
        if (p < providerUsed.size()) {
            providerUsed[p] = true;
        }
    }
    std::vector<size_t> removedProviders;
    for (uint16_t p : providers) {
        if (p < providerUsed.size() && !providerUsed[p]) {
            removedProviders.push_back(p);
        }
    }
    std::sort(removedProviders.begin(), removedProviders.end());
    removedProviders.erase(std::unique(removedProviders.begin(), removedProviders.end()),
                           removedProviders.end());
    if (!removedProviders.empty()) {
        RemoveNames(m_providerNames, removedProviders);
        for (size_t i = 0; i < slots.size(); ++i) {
            const uint16_t p = slots[i]->GetProviderIndex();
            if (p != CChannelData::kNone) {
                slots[i]->SetProviderIndex(Shifted(p, removedProviders));
            }
        }
    }
}

void CSettingsFile::DeleteTransponders(const std::vector<const CTransponderData*>& transponders) {
    auto& slots = m_transponders.Items();
    std::vector<size_t> removed;
    removed.reserve(transponders.size());
    const bool everySlot = IsEveryRecord(transponders, slots);
    if (everySlot) {
        for (size_t k = 0; k < slots.size(); ++k) {
            removed.push_back(k);
        }
    } else {
        const std::unordered_set<const CTransponderData*> doomed(transponders.begin(),
                                                                 transponders.end());
        for (size_t k = 0; k < slots.size(); ++k) {
            if (doomed.contains(slots[k].get())) {
                removed.push_back(k);
            }
        }
    }
    if (removed.empty()) {
        return;
    }

    // 1. Their channels go first.
    std::vector<const CChannelData*> channels;
    for (const auto& channel : m_channels.Items()) {
        if (std::binary_search(removed.begin(), removed.end(),
                               static_cast<size_t>(channel->GetTransponderIndex()))) {
            channels.push_back(channel.get());
        }
    }
    DeleteChannels(channels);

    if (everySlot) {
        // 2 and 3 in one pass: every slot is cleared where it stands, and every provider a
        // slot named goes, as no slot is left to use it.
        std::vector<bool> named(m_providerNames.Size(), false);
        for (auto& slot : slots) {
            const uint16_t p = slot->GetProviderIndex();
            if (p < named.size()) {
                named[p] = true;
            }
            slot->Record().fill(0);
            slot->SetNamespace(0);
        }
        std::vector<size_t> removedProviders;
        for (size_t p = 0; p < named.size(); ++p) {
            if (named[p]) {
                removedProviders.push_back(p);
            }
        }
        // The cleared slots name provider 0, which keeps its index.
        RemoveNames(m_providerNames, removedProviders);
    } else {
        FreeTransponderSlots(removed);
    }

    // 4. Channels behind a removed slot move forward with it.
    for (auto& channel : m_channels.Items()) {
        const uint16_t t = channel->GetTransponderIndex();
        if (t != CChannelData::kNone) {
            channel->SetTransponderIndex(Shifted(t, removed));
        }
    }
}

} // namespace tarnell
