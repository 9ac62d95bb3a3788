#include "ChannelIdentity.h"

#include "CSettingsFile.h"

#include <cstdio>

namespace tarnell {

std::vector<ChannelEntry> ChannelEntries(const CSettingsFile& file) {
    std::vector<ChannelEntry> entries;
    entries.reserve(file.m_channels.Size());
    int tvPosition = 0;
    int radioPosition = 0;
    for (size_t i = 0; i < file.m_channels.Size(); ++i) {
        const CChannelData& c = *file.m_channels.At(i);
        ChannelEntry e;
        e.channel = &c;
        e.tableIndex = i;
        e.position = c.IsTv() ? ++tvPosition : ++radioPosition;
        e.key.serviceId = c.GetServiceId();
        e.service.serviceId = c.GetServiceId();
        const uint16_t t = c.GetTransponderIndex();
        if (t < file.m_transponders.Size()) {
            const CTransponderData& tp = *file.m_transponders.At(t);
            e.key.frequency = tp.GetFrequency();
            e.key.polarisation = static_cast<uint8_t>(tp.GetPolarisation());
            e.service.transportStreamId = tp.GetTransportStreamId();
            e.service.originalNetworkId = tp.GetOriginalNetworkId();
            const uint16_t s = tp.GetSatelliteIndex();
            if (s < file.m_satellites.Size()) {
                e.key.position = file.m_satellites.At(s)->GetPosition();
            }
        }
        e.service.position = e.key.position;
        const uint16_t n = c.GetNameIndex();
        if (n < file.m_channelNames.Size()) {
            e.name = file.m_channelNames.At(n)->GetDisplayName(NameMarks::Remove);
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

std::string FoldedName(std::string_view name) {
    std::string folded;
    folded.reserve(name.size());
    bool blank = false;
    for (const char ch : name) {
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') {
            blank = !folded.empty();
            continue;
        }
        if (blank) {
            folded += ' ';
            blank = false;
        }
        folded += (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
    }
    return folded;
}

std::string NameWithoutQuality(std::string_view name) {
    std::string folded = FoldedName(name);
    for (const std::string_view mark : {"uhd", "fhd", "hd", "sd"}) {
        if (folded.size() > mark.size() && folded.ends_with(mark)) {
            std::string rest = folded.substr(0, folded.size() - mark.size());
            // Only a separate mark: "Kabel eins HD", "ZDF-HD", not "Shd" or "TVSD".
            if (rest.back() == ' ' || rest.back() == '-' || rest.back() == '_' ||
                rest.back() == '.') {
                while (!rest.empty() && (rest.back() == ' ' || rest.back() == '-' ||
                                         rest.back() == '_' || rest.back() == '.')) {
                    rest.pop_back();
                }
                if (!rest.empty()) {
                    return rest;
                }
            }
            break;
        }
    }
    return folded;
}

std::string DescribeKey(const ChannelKey& key) {
    char text[64];
    // As the transponder labels write it: 0 V, 1 H, 2 A, 5 C.
    const char letter = key.polarisation == 0   ? 'V'
                        : key.polarisation == 1 ? 'H'
                        : key.polarisation == 2 ? 'A'
                        : key.polarisation == 5 ? 'C'
                                                : '?';
    if (key.position == 0xFFFF) {
        std::snprintf(text, sizeof text, "no satellite, %u %c, sid %u", key.frequency, letter,
                      key.serviceId);
    } else {
        const bool west = key.position > 1800;
        const int tenths = west ? 3600 - key.position : key.position;
        std::snprintf(text, sizeof text, "%d.%d%c %u %c, sid %u", tenths / 10, tenths % 10,
                      west ? 'W' : 'E', key.frequency, letter, key.serviceId);
    }
    return text;
}

} // namespace tarnell
