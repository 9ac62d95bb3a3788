// The channel list's editing commands, each one step of the history.
#include "CTarnell1018Doc.h"

namespace tarnell {

std::string CTarnell1018Doc::CountedName(std::string_view verb, size_t count,
                                         std::string_view tail) {
    std::string name(verb);
    name += ' ' + std::to_string(count) + (count == 1 ? " channel" : " channels");
    if (!tail.empty()) {
        name += ' ';
        name += tail;
    }
    return name;
}

void CTarnell1018Doc::RemoveFromFavouriteList(const ChannelSelection& channels, int list) {
    if (channels.empty()) {
        return;
    }
    Edit(
        CountedName("Remove", channels.size(), "from the favourite list"),
        [&channels, list](CSettingsFile&) {
            for (CChannelData* channel : channels) {
                channel->SetFavourite(list + 1, false); // lists count from 1 there
            }
        },
        kHintRefillFromTree);
}

void CTarnell1018Doc::RemoveFromAllFavouriteLists(const ChannelSelection& channels) {
    if (channels.empty()) {
        return;
    }
    Edit(
        CountedName("Remove", channels.size(), "from all favourite lists"),
        [&channels](CSettingsFile&) {
            for (CChannelData* channel : channels) {
                channel->SetFavouriteMask(0);
            }
        },
        kHintRefillFromTree);
}

void CTarnell1018Doc::SetFavourites(const ChannelSelection& channels, int list, bool on) {
    if (channels.empty() || list < 0 || list >= kMaxFavouriteLists) {
        return;
    }
    Edit(
        CountedName(on ? "Add" : "Remove", channels.size(),
                    on ? "to a favourite list" : "from a favourite list"),
        [&channels, list, on](CSettingsFile&) {
            for (CChannelData* channel : channels) {
                channel->SetFavourite(list + 1, on);
            }
        },
        kHintRefillFromTree);
}

void CTarnell1018Doc::ChangeChannelFlags(const ChannelSelection& channels,
                                         ChannelEdits::FlagEdit edit) {
    if (channels.empty()) {
        return;
    }
    Edit(
        CountedName("Mark", channels.size()),
        [&channels, edit](CSettingsFile&) { ChannelEdits::ChangeFlags(channels, edit); },
        kHintRefillFromTree);
}

void CTarnell1018Doc::MoveChannelsToPosition(const ChannelSelection& channels, bool tv,
                                             int position) {
    if (channels.empty() || position < 1) {
        return;
    }
    const bool number = m_configOptionFlag == 1;
    Edit(
        CountedName(number ? "Number" : "Move", channels.size()),
        [&channels, tv, position, number](CSettingsFile& f) {
            if (number) {
                ChannelEdits::NumberFrom(channels, position);
            } else {
                ChannelEdits::MoveToPosition(f, channels, tv, position);
            }
        },
        kHintRefillFromTree);
}

void CTarnell1018Doc::MoveChannelsInTable(const ChannelSelection& channels, bool tv, int position) {
    if (channels.empty() || position < 1) {
        return;
    }
    Edit(
        CountedName("Move", channels.size()),
        [&channels, tv, position](CSettingsFile& f) {
            ChannelEdits::MoveToPosition(f, channels, tv, position);
        },
        kHintRefillFromTree);
}

void CTarnell1018Doc::AdoptListOrder(const ChannelSelection& rows) {
    if (rows.empty()) {
        return;
    }
    Edit(
        "Adopt the list order", [&rows](CSettingsFile& f) { ChannelEdits::AdoptOrder(f, rows); },
        kHintRefillFromTree);
}

CChannelData* CTarnell1018Doc::NewChannel(bool tv, uint16_t transponderIndex,
                                          const CChannelData* after) {
    if (m_file->m_channels.Size() >= CChannelDataArray::kMaxChannels) {
        return nullptr;
    }
    CChannelData* added = nullptr;
    Edit(
        tv ? "New TV channel" : "New radio channel",
        [&](CSettingsFile& f) {
            added = ChannelEdits::NewChannel(f, tv, transponderIndex, after);
            f.UpdateHasChannels();
        },
        kHintRefillFromTree);
    return added;
}

ChannelEdits::PasteResult
CTarnell1018Doc::PasteChannels(const std::vector<ClipboardChannel>& channels, bool listTv,
                               const CChannelData* before, bool clearFavourites) {
    // Like Edit, but the step is named after what went in, and a paste refused at its first
    // channel leaves the model untouched and so makes no step.
    auto stateBefore = TakeState();
    auto result = ChannelEdits::Paste(*m_file, channels, listTv, before, clearFavourites);
    if (result.inserted.empty()) {
        return result;
    }
    DropStaleCurrentRecords();
    m_history.Push(CountedName("Paste", result.inserted.size()), std::move(stateBefore));
    if (result.structureChanged) {
        UpdateAllViews(kHintRebuildTree);
    }
    UpdateAllViews(kHintRefillFromTree);
    return result;
}

} // namespace tarnell
