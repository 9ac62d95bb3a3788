#include "CUDBImportManager.h"

#include "ByteOrder.h"
#include "CSettingsFile.h"
#include "CodePage.h"
#include "FileIo.h"
#include "ImportModelOperations.h"
#include "ZlibEngine.h"

#include <algorithm>

namespace tarnell {

namespace {

constexpr size_t kInfoSize = 272;
constexpr size_t kChannelHeaderAt = 272;
constexpr size_t kChannelBlocksAt = 308;
constexpr size_t kChannelRecord = 76;
constexpr size_t kTransponderSection = 65536;
constexpr size_t kTransponderRecords = 3000;
constexpr size_t kSatelliteRecords = 254;
constexpr size_t kSettingsSize = 1024;

CodePage NameCodePage(int languageCode) {
    switch (languageCode) {
    case 2:
    case 15:
        return CodePage::Iso8859_5;
    case 3:
    case 4:
        return CodePage::Iso8859_6;
    case 12:
        return CodePage::Iso8859_7;
    default:
        return CodePage::Iso8859_1;
    }
}

} // namespace

int CUDBImportManager::ASatelliteInfo::Position() const {
    // Whole degrees only: the receiver keeps tenths, the other list does not.
    int p = static_cast<int>((positionWord >> 18) & 0x7FF) / 10 * 10;
    if (positionWord & 1u) {
        p = 3600 - p;
    }
    return p < 0 ? p + 3600 : p;
}

bool CUDBImportManager::Import(const std::filesystem::path& path, CSettingsFile& file,
                               ImportReport& report) {
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadWholeFile(path, kFileLength918 + 1);
    } catch (const std::exception& e) {
        report.messages.emplace_back(e.what());
        return false;
    }
    return ImportBytes(bytes, file, report);
}

bool CUDBImportManager::Read(std::span<const uint8_t> bytes, ImportReport& report) {
    size_t channelAreaEnd = 0;
    size_t satelliteSection = 0;
    Model model;
    switch (bytes.size()) {
    case kFileLength818:
        model = Model::M818;
        break;
    case kFileLength908:
        model = Model::M908;
        break;
    case kFileLength918:
        model = Model::M918;
        break;
    default:
        report.messages.push_back("This is not an Octagon 818/908/918 database: its length of " +
                                  std::to_string(bytes.size()) + " bytes matches none of them.");
        return false;
    }
    channelAreaEnd = model == Model::M818 ? 327952 : 655632;
    satelliteSection = model == Model::M918 ? 65536 : 8192;

    const uint8_t* header = bytes.data() + kChannelHeaderAt;
    const size_t lengths[2] = {ReadLE32(header + 16), ReadLE32(header + 20)};
    size_t at = kChannelBlocksAt;
    for (int block = 0; block < 2; ++block) {
        const size_t length = lengths[block];
        // A block must lie inside the channel area; one that does not is damaged.
        if (length > 0 && at < channelAreaEnd && length <= channelAreaEnd - at) {
            const auto inflated = ZlibEngine::Decompress(bytes.subspan(at, length));
            const auto& raw = inflated.bytes;
            for (size_t r = 0; r + kChannelRecord <= raw.size(); r += kChannelRecord) {
                const uint8_t* c = raw.data() + r;
                AChannelInfo info;
                info.name = ZeroTerminated(c, 24);
                info.tv = block == 0;
                info.storedNumber = ReadLE16(c + 24);
                info.transponderIndex = ReadLE16(c + 26);
                info.serviceId = ReadLE16(c + 28);
                info.serviceValue = ReadLE16(c + 30);
                info.videoPid = ReadLE16(c + 32);
                info.audioPid = ReadLE16(c + 34);
                info.pcrPid = ReadLE16(c + 36);
                info.flagWord = ReadLE16(c + 42);
                info.hd = (c[47] & 1) != 0;
                m_channels.push_back(info);
            }
        }
        at = kChannelBlocksAt + lengths[0] <= channelAreaEnd ? kChannelBlocksAt + lengths[0]
                                                             : channelAreaEnd;
    }

    const uint8_t* transponders = bytes.data() + channelAreaEnd + 28;
    for (size_t i = 0; i < kTransponderRecords; ++i) {
        const uint8_t* t = transponders + i * 20;
        m_transponders.push_back({ReadLE16(t + 2), ReadLE16(t + 4), ReadLE16(t + 8),
                                  ReadLE16(t + 10), static_cast<uint8_t>(t[13] & 0x3), t[15]});
    }
    const uint8_t* satellites = bytes.data() + channelAreaEnd + kTransponderSection + 28;
    for (size_t i = 0; i < kSatelliteRecords; ++i) {
        const uint8_t* s = satellites + i * 32;
        m_satellites.push_back({ZeroTerminated(s, 20), ReadLE32(s + 20)});
    }
    const uint8_t* settings =
        bytes.data() + channelAreaEnd + kTransponderSection + satelliteSection;
    m_languageCode = settings[172];
    if (settings[148] & 1) {
        for (size_t i = 0; i < 8; ++i) {
            m_favouriteNames.push_back(ZeroTerminated(settings + 48 + 12 * i, 12));
        }
    } else {
        m_favouriteNames = {"Movie",    "News",  "Sports", "Music",
                            "Children", "Drama", "Family", "Misc."};
    }
    static_assert(kInfoSize == kChannelHeaderAt);
    (void)kSettingsSize;
    return true;
}

bool CUDBImportManager::ImportBytes(std::span<const uint8_t> bytes, CSettingsFile& file,
                                    ImportReport& report, int favCodepage) {
    if (!Read(bytes, report)) {
        return false;
    }
    for (const auto& name : m_favouriteNames) {
        if (file.m_favourites.AddFavouriteList(
                DecodeText(std::span(reinterpret_cast<const uint8_t*>(name.data()), name.size()),
                           CodePage::Windows1252),
                favCodepage) != nullptr) {
            ++report.favouriteLists;
        }
    }
    ImportIndex index(file);
    auto satelliteOf = [&](const ATransponderInfo& t) -> int {
        if (t.satelliteIndex >= m_satellites.size()) {
            return -1;
        }
        const auto& s = m_satellites[t.satelliteIndex];
        const auto name =
            DecodeText(std::span(reinterpret_cast<const uint8_t*>(s.name.data()), s.name.size()),
                       CodePage::Iso8859_1);
        return FindOrAddSatellite(file, s.Position(), 's', name, report);
    };
    for (const auto& t : m_transponders) {
        if (t.satelliteIndex >= m_satellites.size()) {
            continue; // 255 marks an unused record
        }
        if (t.frequency == 0) {
            ++report.droppedBadTransponder;
            continue;
        }
        const int satellite = satelliteOf(t);
        if (satellite < 0) {
            continue;
        }
        if (index.AddTransponder(static_cast<uint16_t>(satellite), t.frequency, t.polarisation,
                                 t.symbolRate, 0, t.transportStreamId, t.originalNetworkId) < 0) {
            ++report.droppedNoFreeSlot;
        } else {
            ++report.transponders;
        }
    }
    const CodePage names = NameCodePage(m_languageCode);
    for (const auto& c : m_channels) {
        int transponder = -1;
        if (c.transponderIndex < m_transponders.size()) {
            const auto& t = m_transponders[c.transponderIndex];
            const int satellite = satelliteOf(t);
            if (satellite >= 0) {
                transponder = index.FindOnSatellite(static_cast<uint16_t>(satellite), t.frequency);
            }
        }
        // No matching transponder is no transponder, not the first one of the table.
        CChannelData* channel = file.m_channels.AddChannel(
            c.tv, transponder < 0 ? CChannelData::kNone : static_cast<uint16_t>(transponder),
            c.serviceId, c.storedNumber);
        if (channel == nullptr) {
            ++report.droppedChannelLimit;
            continue;
        }
        report.channelsWithoutTransponder += transponder < 0 ? 1 : 0;
        (c.tv ? report.tvChannels : report.radioChannels)++;
        // The names are in the code page of the receiver's menu language.
        SetChannelNameFromText(
            file, channel,
            DecodeText(std::span(reinterpret_cast<const uint8_t*>(c.name.data()), c.name.size()),
                       names));
        channel->SetPcrPid(c.pcrPid);
        channel->SetVideoPid(c.videoPid);
        channel->SetServiceValue4(c.serviceValue);
        channel->SetAudioPid(c.audioPid);
        uint8_t flags = channel->GetFlagByte();
        flags = static_cast<uint8_t>((flags & ~0x9Cu) | ((c.flagWord & 0x0001) ? 0x08 : 0) |
                                     ((c.flagWord & 0x1000) ? 0x10 : 0) |
                                     ((c.flagWord & 0x2000) ? 0x04 : 0) | (c.hd ? 0x80 : 0));
        channel->SetFlagByte(flags);
        for (int n = 1; n <= 8; ++n) {
            if (c.flagWord & (1u << n)) {
                channel->SetFavourite(n, true);
            }
        }
    }
    return true;
}

} // namespace tarnell
