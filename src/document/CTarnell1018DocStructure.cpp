// The navigation tree's edits of satellites, transponders, providers and favourite lists.
#include "CTarnell1018Doc.h"

namespace tarnell {

void CTarnell1018Doc::DropStaleCurrentRecords() {
    if (m_currentSatellite && m_file->m_satellites.IndexOf(m_currentSatellite) < 0) {
        m_currentSatellite = nullptr;
    }
    // A slot that became free is no transponder any more.
    if (m_currentTransponder && (m_file->m_transponders.IndexOf(m_currentTransponder) < 0 ||
                                 m_currentTransponder->IsFree())) {
        m_currentTransponder = nullptr;
    }
    if (m_currentChannel && m_file->m_channels.IndexOf(m_currentChannel) < 0) {
        m_currentChannel = nullptr;
    }
}

CSatelliteInfo* CTarnell1018Doc::NewSatellite() {
    if (m_file->m_satellites.Size() >= CSatelliteInfoArray::kMaxSatellites) {
        return nullptr;
    }
    CSatelliteInfo* added = nullptr;
    Edit(
        "New satellite", [&added](CSettingsFile& f) { added = f.NewSatellite(); },
        kHintRebuildTree);
    return added;
}

CTransponderData* CTarnell1018Doc::NewTransponder(size_t satelliteIndex) {
    if (satelliteIndex >= m_file->m_satellites.Size() ||
        m_file->m_transponders.FindFreeTransponder() == nullptr) {
        return nullptr;
    }
    CTransponderData* added = nullptr;
    Edit(
        "New transponder",
        [&added, satelliteIndex](CSettingsFile& f) {
            added = f.m_transponders.AddTransponder(static_cast<uint16_t>(satelliteIndex), 1, 1, 1,
                                                    0, 0, 0);
            // A reused slot may still name a provider; the new transponder has none yet.
            added->SetProviderIndex(CChannelData::kNone);
        },
        kHintRebuildTree);
    return added;
}

void CTarnell1018Doc::DeleteTransponderChannels(const CTransponderData* transponder) {
    const int index = m_file->m_transponders.IndexOfTransponder(transponder);
    if (index < 0) {
        return;
    }
    const auto channels = m_file->ChannelsOfTransponder(static_cast<size_t>(index));
    if (channels.empty()) {
        return;
    }
    Edit(
        "Delete channels",
        [&channels](CSettingsFile& f) {
            f.DeleteChannels(channels);
            f.m_channels.AssignRunningNumbers();
            f.UpdateHasChannels();
        },
        kHintRefillFromTree);
}

void CTarnell1018Doc::DeleteTransponders(const std::vector<const CTransponderData*>& transponders) {
    if (transponders.empty()) {
        return;
    }
    Edit(
        "Delete transponders",
        [&transponders](CSettingsFile& f) {
            f.DeleteTransponders(transponders);
            f.m_channels.AssignRunningNumbers();
            f.UpdateHasChannels();
        },
        kHintTranspondersRemoved);
}

void CTarnell1018Doc::RenameProvider(size_t index, std::string_view utf8) {
    if (index >= m_file->m_providerNames.Size()) {
        return;
    }
    Edit(
        "Rename provider",
        [index, utf8](CSettingsFile& f) { f.m_providerNames.At(index)->SetDisplayName(utf8); },
        kHintRefillFromTree);
}

void CTarnell1018Doc::RenameFavouriteList(size_t index, std::string_view utf8, int favCodepage) {
    if (index >= m_file->m_favourites.Size()) {
        return;
    }
    Edit(
        "Rename favourite list",
        [index, utf8, favCodepage](CSettingsFile& f) {
            f.m_favourites.At(index)->SetName(utf8, favCodepage);
        },
        kHintRelabelFavourites);
}

void CTarnell1018Doc::DeleteFavouriteList(size_t index) {
    if (index >= m_file->m_favourites.Size()) {
        return;
    }
    Edit(
        "Delete favourite list", [index](CSettingsFile& f) { f.DeleteFavouriteList(index); },
        kHintRelabelFavourites);
    UpdateAllViews(kHintRefillFromTree);
}

int CTarnell1018Doc::AddFavouriteListFromProvider(size_t providerIndex, int favCodepage) {
    if (!CanAddFavouriteList() || providerIndex >= m_file->m_providerNames.Size()) {
        return -1;
    }
    int list = -1;
    Edit(
        "Favourite list from provider",
        [&list, providerIndex, favCodepage](CSettingsFile& f) {
            list = f.AddFavouriteListFromProvider(providerIndex, favCodepage);
        },
        kHintRelabelFavourites);
    return list;
}

void CTarnell1018Doc::MoveFavouriteList(size_t from, size_t to) {
    const size_t count = m_file->m_favourites.Size();
    if (from == to || from >= count || to >= count) {
        return;
    }
    Edit(
        "Move favourite list", [from, to](CSettingsFile& f) { f.MoveFavouriteList(from, to); },
        kHintRelabelFavourites);
}

void CTarnell1018Doc::MoveSatellite(size_t from, size_t to) {
    const size_t count = m_file->m_satellites.Size();
    if (from == to || from >= count || to >= count) {
        return;
    }
    Edit(
        "Move satellite", [from, to](CSettingsFile& f) { f.MoveSatellite(from, to); },
        kHintRebuildTree);
}

} // namespace tarnell
