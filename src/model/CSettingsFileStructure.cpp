// Reordering and creating satellites and favourite lists: the indices that point at them move
// with them.
#include "CSettingsFile.h"

namespace tarnell {

namespace {

// The mask with bit `index` taken out and the bits above it moved down by one.
uint32_t WithoutBit(uint32_t mask, size_t index) {
    const uint64_t wide = mask;
    const uint64_t below = wide & ((uint64_t{1} << index) - 1);
    const uint64_t above = (wide >> (index + 1)) << index;
    return static_cast<uint32_t>(below | above);
}

uint32_t WithBitMoved(uint32_t mask, size_t from, size_t to) {
    uint32_t moved = 0;
    for (size_t bit = 0; bit < 32; ++bit) {
        if ((mask >> bit) & 1u) {
            moved |= 1u << CSettingsFile::MovedPosition(bit, from, to);
        }
    }
    return moved;
}

template <class Array> void MoveRecord(Array& array, size_t from, size_t to) {
    auto record = array.TakeAt(from);
    array.InsertAt(to, std::move(record));
}

} // namespace

size_t CSettingsFile::MovedPosition(size_t index, size_t from, size_t to) {
    if (index == from) {
        return to;
    }
    if (from < to && index > from && index <= to) {
        return index - 1;
    }
    if (to < from && index >= to && index < from) {
        return index + 1;
    }
    return index;
}

CSatelliteInfo* CSettingsFile::NewSatellite() {
    CSatelliteInfo* added = m_satellites.AddSatellite({'N', 'e', 'w'});
    if (added != nullptr) {
        m_satellites.ArrayHeader()[0] = static_cast<uint8_t>(m_satellites.Size());
    }
    return added;
}

bool CSettingsFile::MoveSatellite(size_t from, size_t to) {
    const size_t count = m_satellites.Size();
    if (from >= count || to >= count) {
        return false;
    }
    MoveRecord(m_satellites, from, to);
    for (size_t i = 0; i < count; ++i) {
        m_satellites.At(i)->SetSequenceNumber(static_cast<int>(i));
    }
    for (const auto& t : m_transponders.Items()) {
        // Free slots stay all zero; an index beyond the list names no satellite either way.
        if (!t->IsFree() && t->GetSatelliteIndex() < count) {
            t->SetSatelliteIndex(
                static_cast<uint16_t>(MovedPosition(t->GetSatelliteIndex(), from, to)));
        }
    }
    return true;
}

bool CSettingsFile::MoveFavouriteList(size_t from, size_t to) {
    const size_t count = m_favourites.Size();
    if (from >= count || to >= count) {
        return false;
    }
    MoveRecord(m_favourites, from, to);
    if (from != to) {
        for (const auto& c : m_channels.Items()) {
            c->SetFavouriteMask(WithBitMoved(c->GetFavouriteMask(), from, to));
        }
    }
    return true;
}

bool CSettingsFile::DeleteFavouriteList(size_t index) {
    if (index >= m_favourites.Size()) {
        return false;
    }
    for (const auto& c : m_channels.Items()) {
        c->SetFavouriteMask(WithoutBit(c->GetFavouriteMask(), index));
    }
    m_favourites.TakeAt(index);
    return true;
}

int CSettingsFile::AddFavouriteListFromProvider(size_t providerIndex, int favCodepage) {
    if (providerIndex >= m_providerNames.Size()) {
        return -1;
    }
    const std::string name = m_providerNames.At(providerIndex)->GetDisplayName(NameMarks::Remove);
    if (m_favourites.AddFavouriteList(name, favCodepage) == nullptr) {
        return -1;
    }
    const int list = static_cast<int>(m_favourites.Size() - 1);
    for (const auto& c : m_channels.Items()) {
        const uint16_t t = c->GetTransponderIndex();
        if (t < m_transponders.Size() && !m_transponders.At(t)->IsFree() &&
            m_transponders.At(t)->GetProviderIndex() == providerIndex) {
            c->SetFavourite(list + 1, true);
        }
    }
    return list;
}

std::vector<const CChannelData*>
CSettingsFile::ChannelsOfTransponder(size_t transponderIndex) const {
    std::vector<const CChannelData*> channels;
    for (const auto& c : m_channels.Items()) {
        if (c->GetTransponderIndex() == transponderIndex) {
            channels.push_back(c.get());
        }
    }
    return channels;
}

} // namespace tarnell
