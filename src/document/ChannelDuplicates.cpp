#include "ChannelDuplicates.h"

#include "CSettingsFile.h"
#include "ChannelIdentity.h"

#include <unordered_map>
#include <unordered_set>

namespace tarnell {

std::vector<DuplicateGroup> FindDuplicates(const CSettingsFile& file) {
    const auto entries = ChannelEntries(file);
    std::vector<DuplicateGroup> groups;
    std::unordered_map<uint64_t, size_t> sameService; // key -> its group
    std::unordered_map<uint64_t, size_t> firstOfKey;
    firstOfKey.reserve(entries.size());
    for (const auto& e : entries) {
        const uint64_t key = e.key.Packed();
        const auto [first, fresh] = firstOfKey.try_emplace(key, e.tableIndex);
        if (fresh) {
            continue;
        }
        auto group = sameService.find(key);
        if (group == sameService.end()) {
            DuplicateGroup g;
            g.kind = DuplicateGroup::Kind::SameService;
            g.name = entries[first->second].name;
            g.tv = entries[first->second].channel->IsTv();
            g.channels.push_back(first->second);
            groups.push_back(std::move(g));
            group = sameService.emplace(key, groups.size() - 1).first;
        }
        groups[group->second].channels.push_back(e.tableIndex);
    }
    // One name, transponders of its own: a channel that moved to another transponder and was
    // scanned again, or two different channels a user cannot tell apart.
    struct NameGroup {
        std::vector<size_t> channels;
        std::unordered_set<uint64_t> transponders;
    };
    std::unordered_map<std::string, NameGroup> byName;
    std::vector<std::string> nameOrder;
    for (const auto& e : entries) {
        if (e.name.empty()) {
            continue;
        }
        // Built by appending: GCC 12 warns falsely about "x" + std::string&& (-Wrestrict).
        std::string key(1, e.channel->IsTv() ? 't' : 'r');
        key += FoldedName(e.name);
        auto [it, fresh] = byName.try_emplace(key);
        if (fresh) {
            nameOrder.push_back(key);
        }
        it->second.channels.push_back(e.tableIndex);
        ChannelKey transponder = e.key;
        transponder.serviceId = 0;
        it->second.transponders.insert(transponder.Packed());
    }
    for (const auto& key : nameOrder) {
        const NameGroup& g = byName[key];
        if (g.transponders.size() > 1) {
            DuplicateGroup group;
            group.kind = DuplicateGroup::Kind::SameName;
            group.name = entries[g.channels.front()].name;
            group.tv = key.front() == 't';
            group.channels = g.channels;
            groups.push_back(std::move(group));
        }
    }
    return groups;
}

std::vector<size_t> SurplusChannels(const std::vector<DuplicateGroup>& groups) {
    std::vector<size_t> surplus;
    for (const auto& g : groups) {
        if (g.kind == DuplicateGroup::Kind::SameService) {
            surplus.insert(surplus.end(), g.channels.begin() + 1, g.channels.end());
        }
    }
    return surplus;
}

} // namespace tarnell
