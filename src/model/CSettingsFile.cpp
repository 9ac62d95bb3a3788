#include "CSettingsFile.h"

#include "CFDUPrepackaging.h"
#include "FileError.h"
#include "SectionIo.h"

namespace tarnell {

std::vector<std::string> CSettingsFile::Load(std::span<const uint8_t> file) {
    m_headers.Load(file);
    const size_t count = m_headers.SectionCount();
    if (!m_headers.HasBlock() || count < kMinSections) {
        throw FileError("This is not a settings file of the receiver: its directory lists " +
                        std::to_string(m_headers.HasBlock() ? count : 0) +
                        " sections, at least 6 are needed.");
    }
    size_t known = 0;
    for (size_t i = 0; i < m_headers.UsableEntries(); ++i) {
        const CHeaderInfo& entry = m_headers.Entries()[i];
        const int64_t offset = entry.FileOffset();
        if (offset >= 0 && static_cast<uint64_t>(offset) < file.size()) {
            known += LoadSection(static_cast<size_t>(offset), file) ? 1 : 0;
        }
    }
    // A foreign file would otherwise open as an empty list, which a save then writes over.
    if (known == 0) {
        throw FileError("This is not a settings file of the receiver: none of its sections "
                        "could be read.");
    }
    UpdateHasChannels();
    m_channels.AssignRunningNumbers();

    std::vector<std::string> messages;
    if (file.size() > kConfigSectionOffset) {
        if (auto message = m_configuration.ReadConfiguration(file.subspan(kConfigSectionOffset))) {
            messages.push_back(*message);
        }
    }
    return messages;
}

bool CSettingsFile::LoadSection(size_t fileOffset, std::span<const uint8_t> file) {
    const auto rest = file.subspan(fileOffset);
    if (rest.size() < kSectionHeaderSize) {
        return false;
    }
    const uint32_t id = ReadBE32(rest.data());
    switch (id) {
    case kIdFduInfo:
    case kIdSatelliteData:
    case kIdSatelliteInfo:
    case kIdTransponders:
    case kIdTvChannels:
    case kIdRadioChannels:
    case kIdChannelNames:
    case kIdProviderNames:
    case kIdTimers:
    case kIdFavourites:
    case kIdEtcStrings:
    case kIdSaTCR:
    case kIdTimerInfo:
        break;
    default:
        return false; // not a section this program knows
    }
    LoadedSection section;
    if (!ReadSection(rest, section)) {
        return false;
    }
    switch (id) {
    case kIdFduInfo:
        m_fduInfo.LoadSection(section);
        break;
    case kIdSatelliteData:
        m_lnbs.LoadSection(section);
        break;
    case kIdSatelliteInfo:
        m_satellites.LoadSection(section);
        break;
    case kIdTransponders:
        m_transponders.LoadSection(section);
        break;
    case kIdTvChannels:
    case kIdRadioChannels:
        m_channels.LoadSection(section);
        break;
    case kIdChannelNames:
        m_channelNames.LoadSection(section);
        break;
    case kIdProviderNames:
        m_providerNames.LoadSection(section);
        break;
    case kIdTimers:
        m_timers.LoadSection(section);
        break;
    case kIdFavourites:
        m_favourites.LoadSection(section);
        break;
    case kIdEtcStrings:
        m_etcStrings.LoadSection(section);
        break;
    case kIdSaTCR:
        m_saTCR.LoadSection(section);
        break;
    case kIdTimerInfo:
        m_timerInfos.LoadSection(section);
        break;
    default:
        break;
    }
    return true;
}

std::vector<uint8_t> CSettingsFile::Store(ConfigLayout layout) {
    CFDUPrepackaging assembler;
    AssembleSections(assembler, false);
    // A directory of fewer than 6 sections is refused by every reader of these files. A list
    // without channels gets its two (empty) channel sections to stay loadable.
    if (assembler.SectionCount() < kMinSections) {
        assembler.Reset();
        AssembleSections(assembler, true);
    }
    if (assembler.SectionCount() < kMinSections) {
        throw FileError("The list is too incomplete to be stored: a settings file needs at least " +
                        std::to_string(kMinSections) + " sections, this one would have " +
                        std::to_string(assembler.SectionCount()) + ". Nothing was written.");
    }
    // Both parts are built before anything is handed out, so a refusal leaves nothing half
    // written.
    auto image = assembler.WriteServicePart();
    const auto config = m_configuration.WriteConfiguration(layout);
    image.insert(image.end(), config.begin(), config.end());
    return image;
}

void CSettingsFile::AssembleSections(CFDUPrepackaging& assembler, bool emptyChannelSections) {
    m_fduInfo.StoreSection(assembler);
    m_lnbs.StoreSection(assembler);
    m_satellites.StoreSection(assembler);
    m_transponders.StoreSection(assembler);
    m_channels.StoreSections(assembler, emptyChannelSections);
    m_channelNames.StoreSection(assembler);
    m_providerNames.StoreSection(assembler);
    m_timers.StoreSection(assembler);
    m_favourites.StoreSection(assembler);
    m_etcStrings.StoreSection(assembler);
    m_saTCR.StoreSection(assembler);
    m_timerInfos.StoreSection(assembler);
}

void CSettingsFile::UpdateHasChannels() {
    std::vector<bool> used(m_transponders.Size(), false);
    for (const auto& channel : m_channels.Items()) {
        if (channel->GetTransponderIndex() < used.size()) {
            used[channel->GetTransponderIndex()] = true;
        }
    }
    std::vector<bool> active(m_satellites.Size(), false);
    for (size_t t = 0; t < used.size(); ++t) {
        const size_t s = m_transponders.At(t)->GetSatelliteIndex();
        if (used[t] && s < active.size()) {
            active[s] = true;
        }
    }
    for (size_t s = 0; s < active.size(); ++s) {
        m_satellites.At(s)->SetHasChannels(active[s]);
    }
}

} // namespace tarnell
