#include "CSettingsFile.h"

#include "CFDUPrepackaging.h"
#include "FileError.h"
#include "SectionIo.h"

#include <algorithm>

namespace tarnell {

namespace {
constexpr const char* kBeyondEnd = "beyond the end of the file";
constexpr const char* kCutOff = "cut off by the end of the file";
constexpr const char* kBrokenStream = "damaged compressed data";
constexpr const char* kWrongLength = "a length other than its header gives";
constexpr const char* kNoSection = "no section where the directory points";
} // namespace

std::vector<std::string> CSettingsFile::Load(std::span<const uint8_t> file) {
    m_lost.clear();
    m_headers.Load(file);
    const size_t count = m_headers.SectionCount();
    if (file.empty()) {
        throw FileError("The file is empty, so it holds no channel list.");
    }
    if (!m_headers.HasBlock() || count < kMinSections) {
        throw FileError("This is not a settings file of the receiver: " +
                        (m_headers.HasBlock() ? "its directory lists " + std::to_string(count) +
                                                    " sections, at least 6 are needed."
                                              : "it is too short (" + std::to_string(file.size()) +
                                                    " bytes) to hold a directory."));
    }
    size_t known = 0;
    for (size_t i = 0; i < m_headers.UsableEntries(); ++i) {
        const CHeaderInfo& entry = m_headers.Entries()[i];
        const int64_t offset = entry.FileOffset();
        if (offset < 0 || static_cast<uint64_t>(offset) + kSectionHeaderSize > file.size()) {
            m_lost.push_back({SectionName(entry.Id()), kBeyondEnd});
            continue;
        }
        known += LoadSection(entry.Id(), static_cast<size_t>(offset), file) ? 1 : 0;
    }
    // A directory cut short by the end of the file: the sections it would name are gone too.
    if (m_headers.SectionCount() > m_headers.UsableEntries() &&
        m_headers.UsableEntries() < kDirectoryEntries) {
        m_lost.push_back({"the rest of the directory", kCutOff});
    }
    // A foreign file would otherwise open as an empty list, which a save then writes over.
    if (known == 0) {
        throw FileError("This is not a settings file of the receiver: none of its sections "
                        "could be read.");
    }
    UpdateHasChannels();
    m_channels.AssignRunningNumbers();

    std::vector<std::string> messages;
    // An upload image holds the configuration right behind the service part, without the gap.
    const bool uploadImage = file.size() > kServicePartSize + kSectionHeaderSize &&
                             ReadBE32(file.data() + kServicePartSize) == kIdConfiguration;
    if (uploadImage) {
        if (auto message = m_configuration.ReadConfiguration(file.subspan(kServicePartSize))) {
            messages.push_back(*message);
        }
    } else if (file.size() > kConfigSectionOffset) {
        if (auto message = m_configuration.ReadConfiguration(file.subspan(kConfigSectionOffset))) {
            messages.push_back(*message);
        }
    }
    // A .sys file cut inside its configuration part.
    if (file.size() > kServicePartSize && !m_configuration.IsValid() && !uploadImage) {
        const auto tail = file.subspan(std::min(file.size(), kConfigSectionOffset));
        const bool cut = tail.size() >= 4 && ReadBE32(tail.data()) == kIdConfiguration &&
                         (tail.size() < kSectionHeaderSize ||
                          kSectionHeaderSize + uint64_t{ReadLE32(tail.data() + 4)} > tail.size());
        if (cut) {
            m_lost.push_back({SectionName(kIdConfiguration), kCutOff});
        }
    }
    return messages;
}

bool CSettingsFile::LoadSection(uint32_t listedId, size_t fileOffset,
                                std::span<const uint8_t> file) {
    const auto rest = file.subspan(fileOffset);
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
        // A section this program knows, whose place holds something else: the file is damaged.
        if (SectionName(listedId).rfind("section ", 0) != 0) {
            m_lost.push_back({SectionName(listedId), kNoSection});
        }
        return false;
    }
    LoadedSection section;
    if (!ReadSection(rest, section)) {
        return false;
    }
    if (section.zlibResult != 0) {
        const bool cut =
            kSectionHeaderSize + uint64_t{section.header.CompressedLength()} > rest.size();
        m_lost.push_back({SectionName(id), cut ? kCutOff : kBrokenStream});
    } else if (section.payload.size() != section.header.PayloadLength()) {
        m_lost.push_back({SectionName(id), kWrongLength});
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
