#pragma once

#include "CAlarmData.h"
#include "CAlarmInfo.h"
#include "CChannelDataArray.h"
#include "CChannelInfoArray.h"
#include "CConfigurationData.h"
#include "CEtcStringData.h"
#include "CFDUInfo.h"
#include "CFDUPrepackaging.h"
#include "CFavoritenInfo.h"
#include "CHeaderArray.h"
#include "CSaTCRData.h"
#include "CSatelliteData.h"
#include "CSatelliteInfoArray.h"
#include "CTransponderDataArray.h"
#include "LostSection.h"

#include <span>
#include <string>
#include <vector>

namespace tarnell {

// Everything one settings file holds: the service part's lists and the configuration.
class CSettingsFile {
public:
    CSettingsFile() = default;
    CSettingsFile(const CSettingsFile&) = delete;
    CSettingsFile& operator=(const CSettingsFile&) = delete;

    // Loads a whole file into this (empty) model. Throws FileError when the directory is not
    // one of a settings file; damaged sections are loaded as far as they go and listed in
    // LostSections(). Returns the messages the user should see (a damaged configuration, for
    // instance).
    std::vector<std::string> Load(std::span<const uint8_t> file);

    // The service part (exactly 196,608 bytes), followed by the configuration in the given
    // layout when the file holds a valid one. Throws FileError when the lists do not fit; the
    // model is unchanged either way.
    std::vector<uint8_t> Store(ConfigLayout layout = ConfigLayout::File);

    // What the last Load could not read whole; empty for an intact file.
    const std::vector<LostSection>& LostSections() const { return m_lost; }

    // Recomputes every satellite's has-channels mark.
    void UpdateHasChannels();

    // Deletes channels; a name no remaining channel uses goes with them. Linear in the lists.
    void DeleteChannels(const std::vector<const CChannelData*>& channels);
    void DeleteChannel(const CChannelData* channel) { DeleteChannels({channel}); }
    // Deletes transponders with their channels; each slot becomes a free slot at the end of the
    // table, and a provider name no remaining transponder uses goes too.
    void DeleteTransponders(const std::vector<const CTransponderData*>& transponders);
    void DeleteTransponder(const CTransponderData* t) { DeleteTransponders({t}); }

    // Structure edits of the navigation tree; every index keeps pointing at the same records.
    // Appends a satellite named "New" at position 0; nullptr when 255 exist.
    CSatelliteInfo* NewSatellite();
    // Satellite `from` takes position `to`; transponders follow it, and every satellite's
    // sequence number becomes its new position. False for a position out of range.
    bool MoveSatellite(size_t from, size_t to);
    // List `from` takes position `to`, its bit in every channel's mask with it.
    bool MoveFavouriteList(size_t from, size_t to);
    // Removes list `index` and its bit; the higher bits move down by one.
    bool DeleteFavouriteList(size_t index);
    // A list named after the provider, holding every channel on its transponders. The new
    // list's index, or -1 when 32 lists exist or there is no such provider.
    int AddFavouriteListFromProvider(size_t providerIndex, int favCodepage);
    std::vector<const CChannelData*> ChannelsOfTransponder(size_t transponderIndex) const;

    // Where an element at `index` ends up when the one at `from` moves to `to`.
    static size_t MovedPosition(size_t index, size_t from, size_t to);

    CHeaderArray m_headers;
    CFDUInfo m_fduInfo;
    CSatelliteInfoArray m_satellites;
    CSatelliteDataArray m_lnbs;
    CTransponderDataArray m_transponders;
    CChannelInfoArray m_providerNames{kIdProviderNames};
    CChannelDataArray m_channels;
    CChannelInfoArray m_channelNames{kIdChannelNames};
    CFavoritenInfoArray m_favourites;
    CAlarmDataArray m_timers;
    CAlarmInfoArray m_timerInfos;
    CEtcStringDataArray m_etcStrings;
    CSaTCRDataArray m_saTCR;
    CConfigurationData m_configuration;

private:
    static constexpr size_t kMinSections = 6;
    void AssembleSections(CFDUPrepackaging& assembler, bool emptyChannelSections);
    // False when no section of a known id starts there. Damage goes to m_lost.
    bool LoadSection(uint32_t listedId, size_t fileOffset, std::span<const uint8_t> file);
    // Clears the slots at `removed` (sorted), moves them to the end of the table and drops the
    // provider names no remaining transponder uses.
    void FreeTransponderSlots(const std::vector<size_t>& removed);
    std::vector<LostSection> m_lost;
};

} // namespace tarnell
