#include "ChannelEdits.h"

#include "CSettingsFile.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace tarnell::ChannelEdits {

namespace {

using Items = std::vector<std::unique_ptr<CChannelData>>;

// Takes the channels out of the table, in the order given; the rest keep theirs.
Items TakeOut(CSettingsFile& file, const std::vector<CChannelData*>& channels) {
    const std::unordered_set<const CChannelData*> wanted(channels.begin(), channels.end());
    Items& items = file.m_channels.Items();
    Items taken;
    taken.reserve(channels.size());
    Items rest;
    rest.reserve(items.size());
    std::unordered_map<const CChannelData*, std::unique_ptr<CChannelData>> byRecord;
    for (auto& item : items) {
        if (wanted.contains(item.get())) {
            const CChannelData* key = item.get();
            byRecord.emplace(key, std::move(item));
        } else {
            rest.push_back(std::move(item));
        }
    }
    for (const CChannelData* channel : channels) {
        auto it = byRecord.find(channel);
        if (it != byRecord.end()) {
            taken.push_back(std::move(it->second));
            byRecord.erase(it);
        }
    }
    items = std::move(rest);
    return taken;
}

void InsertAt(CSettingsFile& file, size_t index, Items moved) {
    Items& items = file.m_channels.Items();
    index = std::min(index, items.size());
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(index),
                 std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()));
}

void SetBit(uint8_t& byte, uint8_t bit, bool on) {
    byte = static_cast<uint8_t>(on ? byte | bit : byte & ~bit);
}

// Satellites are the same when they show the same position on the same side.
std::string PositionKey(const CSatelliteInfo& satellite) {
    std::string key(1, satellite.IsWest() ? 'W' : 'E');
    key += satellite.GetPositionText();
    return key;
}

// Satellite, frequency, polarisation and symbol rate: what makes a transponder the same.
uint64_t TransponderKey(const CTransponderData& t, uint16_t satellite) {
    return (uint64_t{satellite} << 48) | (uint64_t{t.GetFrequency()} << 32) |
           (uint64_t{static_cast<uint32_t>(t.GetPolarisation()) & 0xFFFFu} << 16) |
           t.GetSymbolRate();
}

} // namespace

void ChangeFlags(const std::vector<CChannelData*>& channels, FlagEdit edit) {
    for (CChannelData* channel : channels) {
        auto& record = channel->Record();
        uint8_t& options = record[35];
        switch (edit) {
        case FlagEdit::SetM1:
        case FlagEdit::ClearM1:
            SetBit(record[26], 0x10, edit == FlagEdit::SetM1);
            break;
        case FlagEdit::SetT1:
        case FlagEdit::ClearT1:
            SetBit(options, 0x01, edit == FlagEdit::SetT1);
            break;
        case FlagEdit::SetT2:
        case FlagEdit::ClearT2:
            SetBit(options, 0x02, edit == FlagEdit::SetT2);
            break;
        case FlagEdit::CopyT1ToT2:
            SetBit(options, 0x02, (options & 0x01) != 0);
            break;
        case FlagEdit::CopyT2ToT1:
            SetBit(options, 0x01, (options & 0x02) != 0);
            break;
        }
    }
}

void MoveToPosition(CSettingsFile& file, const std::vector<CChannelData*>& channels, bool tv,
                    int position) {
    Items moved = TakeOut(file, channels);
    const Items& rest = file.m_channels.Items();
    size_t index = rest.size();
    size_t afterLastOfKind = rest.size();
    int seen = 0;
    bool anyOfKind = false;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i]->IsTv() != tv) {
            continue;
        }
        anyOfKind = true;
        afterLastOfKind = i + 1;
        if (++seen == position) {
            index = i;
            break;
        }
    }
    if (seen < position && anyOfKind) {
        index = afterLastOfKind;
    }
    InsertAt(file, index, std::move(moved));
    file.m_channels.AssignRunningNumbers();
}

void NumberFrom(const std::vector<CChannelData*>& channels, int position) {
    int number = position;
    for (CChannelData* channel : channels) {
        channel->SetStoredNumber(static_cast<uint16_t>(number++));
    }
}

void AdoptOrder(CSettingsFile& file, const std::vector<CChannelData*>& rows) {
    Items moved = TakeOut(file, rows);
    InsertAt(file, 0, std::move(moved));
    file.m_channels.AssignRunningNumbers();
}

CChannelData* NewChannel(CSettingsFile& file, bool tv, uint16_t transponderIndex,
                         const CChannelData* after) {
    uint16_t highest = 0;
    for (const auto& channel : file.m_channels.Items()) {
        if (channel->IsTv() == tv) {
            highest = std::max(highest, channel->GetStoredNumber());
        }
    }
    const int anchor = after ? static_cast<int>(file.m_channels.IndexOf(after)) : -1;
    CChannelData* added = file.m_channels.AddChannel(
        tv, transponderIndex, 0, static_cast<uint16_t>(std::min<int>(highest + 1, 0xFFFF)));
    if (added && anchor >= 0) {
        auto record = file.m_channels.TakeAt(file.m_channels.Size() - 1);
        file.m_channels.InsertAt(static_cast<size_t>(anchor) + 1, std::move(record));
    }
    file.m_channels.AssignRunningNumbers();
    return added;
}

PasteResult Paste(CSettingsFile& file, const std::vector<ClipboardChannel>& channels, bool listTv,
                  const CChannelData* before, bool clearFavourites) {
    PasteResult result;
    const ptrdiff_t beforeIndex = before ? file.m_channels.IndexOf(before) : -1;
    const size_t insertAt =
        beforeIndex >= 0 ? static_cast<size_t>(beforeIndex) : file.m_channels.Size();
    Items made; // last clipboard channel first
    // Looked up once: thousands of channels each searching 8,000 slots would take seconds.
    std::unordered_map<std::string, int> satelliteAt;
    for (size_t s = 0; s < file.m_satellites.Size(); ++s) {
        satelliteAt.emplace(PositionKey(*file.m_satellites.At(s)), static_cast<int>(s));
    }
    std::unordered_map<uint64_t, int> transponderAt;
    const auto& table = file.m_transponders.Items();
    for (size_t t = 0; t < table.size(); ++t) {
        if (!table[t]->IsFree()) {
            transponderAt.emplace(TransponderKey(*table[t], table[t]->GetSatelliteIndex()),
                                  static_cast<int>(t));
        }
    }
    // Slots below it are in use; a paste only ever fills slots.
    size_t freeFrom = 0;
    auto firstFree = [&table, &freeFrom]() {
        while (freeFrom < table.size() && !table[freeFrom]->IsFree()) {
            ++freeFrom;
        }
        return freeFrom;
    };
    for (auto it = channels.rbegin(); it != channels.rend(); ++it) {
        const ClipboardChannel& clip = *it;
        // Every limit is checked before anything is added for this channel.
        if (clip.tv.value_or(listTv) != listTv) {
            result.stop = PasteResult::Stop::WrongKind;
            break;
        }
        if (file.m_channels.Size() + made.size() >= CChannelDataArray::kMaxChannels ||
            file.m_channelNames.Size() >= CChannelData::kNone) {
            result.stop = PasteResult::Stop::ChannelsFull;
            break;
        }
        const CTransponderData wanted(clip.transponder);
        // A channel that had no transponder gets none here either.
        const bool placed = !wanted.IsFree();
        const std::string position = PositionKey(CSatelliteInfo(clip.satellite, 0));
        const auto knownSatellite = satelliteAt.find(position);
        int satellite = knownSatellite == satelliteAt.end() ? -1 : knownSatellite->second;
        if (placed && satellite < 0 &&
            file.m_satellites.Size() >= CSatelliteInfoArray::kMaxSatellites) {
            result.stop = PasteResult::Stop::SatellitesFull;
            break;
        }
        int transponder = -1;
        if (satellite >= 0) {
            const auto known =
                transponderAt.find(TransponderKey(wanted, static_cast<uint16_t>(satellite)));
            transponder = known == transponderAt.end() ? -1 : known->second;
        }
        if (placed && transponder < 0 && firstFree() == table.size()) {
            result.stop = PasteResult::Stop::NoTransponderSlot;
            break;
        }

        if (placed && satellite < 0) {
            file.m_satellites.AddSatellite(clip.satellite);
            file.m_satellites.ArrayHeader()[0] = static_cast<uint8_t>(file.m_satellites.Size());
            satellite = static_cast<int>(file.m_satellites.Size() - 1);
            satelliteAt.emplace(position, satellite);
            result.structureChanged = true;
        }
        if (placed && transponder < 0) {
            // AddTransponder fills the first free slot.
            transponder = static_cast<int>(firstFree());
            CTransponderData* slot = file.m_transponders.AddTransponder(
                static_cast<uint16_t>(satellite), wanted.GetFrequency(), wanted.GetPolarisation(),
                wanted.GetSymbolRate(), 0, 0, 0);
            slot->SetProviderIndex(CChannelData::kNone);
            transponderAt.emplace(TransponderKey(*slot, static_cast<uint16_t>(satellite)),
                                  transponder);
            result.structureChanged = true;
        }

        auto name = std::make_unique<CChannelInfo>();
        name->SetCodePageCode(clip.codePageCode);
        name->SetDisplayName(clip.name);
        file.m_channelNames.Add(std::move(name));

        auto channel = std::make_unique<CChannelData>(clip.record, listTv);
        channel->SetNameIndex(static_cast<uint16_t>(file.m_channelNames.Size() - 1));
        channel->SetTransponderIndex(placed ? static_cast<uint16_t>(transponder)
                                            : CChannelData::kNone);
        if (clearFavourites) {
            channel->SetFavouriteMask(0);
        }
        made.push_back(std::move(channel));
    }
    std::reverse(made.begin(), made.end());
    for (const auto& channel : made) {
        result.inserted.push_back(channel.get());
    }
    InsertAt(file, insertAt, std::move(made));
    file.m_channels.AssignRunningNumbers();
    if (!result.inserted.empty()) {
        file.UpdateHasChannels();
    }
    return result;
}

} // namespace tarnell::ChannelEdits
