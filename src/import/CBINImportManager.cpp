#include "CBINImportManager.h"

#include "ByteOrder.h"
#include "CSettingsFile.h"
#include "CodePage.h"
#include "FileIo.h"
#include "ImportModelOperations.h"

#include <algorithm>

namespace tarnell {

namespace {

constexpr size_t kTransponderRecords = 1365;
constexpr size_t kSatellitesAt = 32768;
constexpr size_t kSatelliteRecords = 128;
constexpr size_t kFavouritesAt = 40960;
constexpr size_t kFavouriteRecords = 32;
constexpr size_t kChannelsAt = 65536;
constexpr size_t kChannelRecord = 40;

uint16_t ReadBE16(const uint8_t* p) {
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

std::string Latin1(const std::string& bytes) {
    return DecodeText(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
                      CodePage::Iso8859_1);
}

} // namespace

int CBINImportManager::CSatelliteInfo::FiledPosition() const {
    const bool west = position >= 1800;
    const double magnitude = west ? 360.0 - position / 10.0 : position / 10.0;
    int p = static_cast<int>(magnitude) * 10;
    if (west) {
        p = 3600 - p;
    }
    return p < 0 ? p + 3600 : p;
}

bool CBINImportManager::Import(const std::filesystem::path& path, CSettingsFile& file,
                               ImportReport& report, int favCodepage) {
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadWholeFile(path, kFileLength + 1);
    } catch (const std::exception& e) {
        report.messages.emplace_back(e.what());
        return false;
    }
    return ImportBytes(bytes, file, report, favCodepage);
}

void CBINImportManager::Read(std::span<const uint8_t> bytes) {
    // The file starts with the first transponder's frequency, whose top byte is 0 big-endian.
    m_bigEndian = bytes[0] == 0;
    const bool be = m_bigEndian;
    auto u16 = [be](const uint8_t* p) { return be ? ReadBE16(p) : ReadLE16(p); };

    for (size_t i = 0; i < kTransponderRecords; ++i) {
        const uint8_t* t = bytes.data() + i * 24;
        CTransponderInfo info;
        info.frequencyKhz =
            be ? (static_cast<uint32_t>(t[1]) << 16) | (t[2] << 8) | t[3] : ReadLE32(t);
        info.symbolRate = u16(t + 4);
        info.satelliteIndex = t[6];
        info.horizontal = be ? (t[7] & 0x10) != 0 : (t[7] & 0x08) != 0;
        info.transportStreamId = u16(t + 16);
        info.originalNetworkId = u16(t + 18);
        m_transponders.push_back(info);
    }
    for (size_t i = 0; i < kSatelliteRecords; ++i) {
        const uint8_t* s = bytes.data() + kSatellitesAt + i * 32;
        CSatelliteInfo info;
        if (!be) {
            info.name = ZeroTerminated(s, 11);
            if (info.name == "SMATV") {
                info.name = "Cable";
            }
        }
        info.position = u16(s + 12);
        m_satellites.push_back(info);
    }
    for (size_t i = 0; i < kFavouriteRecords; ++i) {
        m_favouriteNames.push_back(ZeroTerminated(bytes.data() + kFavouritesAt + i * 512, 14));
    }
    for (size_t at = kChannelsAt; at + kChannelRecord <= bytes.size(); at += kChannelRecord) {
        const uint8_t* c = bytes.data() + at;
        AChannelInfoSD info;
        info.name = ZeroTerminated(c, 19);
        if (be) {
            info.transponderIndex = static_cast<uint16_t>(((c[24] & 0x0F) << 8) | c[25]);
            info.videoPid = static_cast<uint16_t>(ReadBE16(c + 26) >> 3);
            info.audioPid = static_cast<uint16_t>(ReadBE16(c + 28) >> 3);
            info.pcrPid = static_cast<uint16_t>(ReadBE16(c + 30) >> 3);
            info.serviceId = ReadBE16(c + 34);
            info.tv = (c[20] & 0x40) != 0;
            info.valid = (c[20] & 0x20) != 0;
            info.markA = (c[21] & 0x01) != 0;
            info.markB = (c[20] & 0x10) != 0;
            info.markC = (c[20] & 0x08) != 0;
        } else {
            info.transponderIndex = static_cast<uint16_t>(ReadLE16(c + 24) >> 4);
            info.videoPid = ReadLE16(c + 26) & 0x1FFF;
            info.audioPid = ReadLE16(c + 28) & 0x1FFF;
            info.pcrPid = ReadLE16(c + 30) & 0x1FFF;
            info.serviceId = ReadLE16(c + 34);
            info.tv = (c[20] & 0x02) != 0;
            info.valid = (c[20] & 0x04) != 0;
            info.markA = (c[21] & 0x80) != 0;
            info.markB = (c[20] & 0x08) != 0;
            info.markC = (c[20] & 0x10) != 0;
        }
        info.favourites = c[22];
        m_channels.push_back(info);
    }
}

bool CBINImportManager::ImportBytes(std::span<const uint8_t> bytes, CSettingsFile& file,
                                    ImportReport& report, int favCodepage) {
    // Any other length is not this receiver's file; reading none of it and calling that a
    // success would leave the user an empty list.
    if (bytes.size() != kFileLength) {
        report.messages.push_back("This is not an Octagon SD x18 channel file: it has " +
                                  std::to_string(bytes.size()) + " bytes instead of " +
                                  std::to_string(kFileLength) + ".");
        return false;
    }
    Read(bytes);

    // Records 8 to 23 are the user's lists: 1 to 8 for TV, 9 to 16 for radio.
    for (size_t i = 8; i + 8 < m_favouriteNames.size(); ++i) {
        if (file.m_favourites.AddFavouriteList(Latin1(m_favouriteNames[i]), favCodepage) !=
            nullptr) {
            ++report.favouriteLists;
        }
    }
    ImportIndex index(file);
    auto satelliteOf = [&](const CTransponderInfo& t) -> int {
        if (t.satelliteIndex >= m_satellites.size()) {
            return -1;
        }
        const auto& s = m_satellites[t.satelliteIndex];
        return FindOrAddSatellite(file, s.FiledPosition(), 's', Latin1(s.name), report);
    };
    for (const auto& t : m_transponders) {
        if (t.satelliteIndex >= m_satellites.size()) {
            continue;
        }
        const int frequency = static_cast<int>(t.frequencyKhz / 1000);
        if ((frequency & 0xFFFF) == 0) {
            continue; // an empty record
        }
        const int satellite = satelliteOf(t);
        if (satellite < 0) {
            continue;
        }
        if (index.AddTransponder(static_cast<uint16_t>(satellite), frequency, t.horizontal ? 1 : 0,
                                 t.symbolRate, 0, t.transportStreamId, t.originalNetworkId) < 0) {
            ++report.droppedNoFreeSlot;
        } else {
            ++report.transponders;
        }
    }
    for (const auto& c : m_channels) {
        if (!c.valid || c.transponderIndex >= m_transponders.size()) {
            continue;
        }
        const auto& t = m_transponders[c.transponderIndex];
        const int satellite = satelliteOf(t);
        const int transponder =
            satellite < 0 ? -1
                          : index.FindOnSatellite(static_cast<uint16_t>(satellite),
                                                  static_cast<int>(t.frequencyKhz / 1000));
        CChannelData* channel = file.m_channels.AddChannel(
            c.tv, transponder < 0 ? CChannelData::kNone : static_cast<uint16_t>(transponder),
            c.serviceId, 0);
        if (channel == nullptr) {
            ++report.droppedChannelLimit;
            continue;
        }
        report.channelsWithoutTransponder += transponder < 0 ? 1 : 0;
        (c.tv ? report.tvChannels : report.radioChannels)++;
        SetChannelNameFromText(file, channel, Latin1(c.name));
        channel->SetAudioPid(c.audioPid);
        channel->SetVideoPid(c.videoPid);
        channel->SetPcrPid(c.pcrPid);
        channel->SetFlagByte(static_cast<uint8_t>((channel->GetFlagByte() & ~0x1Cu) |
                                                  (c.markA ? 0x08 : 0) | (c.markB ? 0x10 : 0) |
                                                  (c.markC ? 0x04 : 0)));
        for (int k = 0; k < 8; ++k) {
            if (c.favourites & (1u << k)) {
                channel->SetFavourite(c.tv ? k + 1 : k + 9, true);
            }
        }
    }
    return true;
}

} // namespace tarnell
