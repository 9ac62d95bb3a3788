#include "ServiceExtras.h"

#include "CSettingsFile.h"
#include "HexDigits.h"
#include "ImportModelOperations.h"

#include <cstring>

#include <string>
#include <unordered_map>

namespace tarnell {

namespace {

// Stream types as the receiver's records keep them.
constexpr uint8_t kStreamMpeg2Video = 0x02;
constexpr uint8_t kStreamH264 = 0x1B;
constexpr uint8_t kStreamMpegAudio = 0x03;
constexpr uint8_t kStreamAc3 = 0x81;
constexpr int kNoPid = 0x1FFF;

enum CacheId { kVideoPid = 0, kMpegAudioPid = 1, kPcrPid = 3, kAc3Pid = 4, kVideoType = 5 };

bool IsPid(int value) {
    return value > 0 && value < kNoPid;
}

} // namespace

ServiceExtras ServiceExtras::Parse(std::string_view fields) {
    ServiceExtras extras;
    const char* p = fields.data();
    const char* const end = p + fields.size();
    while (p < end) {
        // Cache entries (c:) and CA systems (C:) have fixed widths; only the others are searched.
        const auto left = end - p;
        const char* fieldEnd = nullptr;
        if (left >= 8 && p[0] == 'c' && p[1] == ':' && (left == 8 || p[8] == ',')) {
            fieldEnd = p + 8;
        } else if (left >= 6 && p[0] == 'C' && p[1] == ':' && (left == 6 || p[6] == ',')) {
            fieldEnd = p + 6;
        } else {
            const auto* comma =
                static_cast<const char*>(std::memchr(p, ',', static_cast<size_t>(left)));
            fieldEnd = comma == nullptr ? end : comma;
        }
        const auto size = static_cast<size_t>(fieldEnd - p);
        if (size >= 2 && p[1] == ':') {
            uint32_t id = 0;
            uint32_t value = 0;
            if (p[0] == 'p') {
                extras.provider = std::string_view(p + 2, size - 2);
            } else if (p[0] == 'c' && size == 8 && FixedHex<2>(p + 2, id) &&
                       FixedHex<4>(p + 4, value)) {
                // Two hex digits name the value, four give it.
                const int v = static_cast<int>(value);
                switch (id) {
                case kVideoPid:
                    extras.videoPid = v;
                    break;
                case kMpegAudioPid:
                    extras.audioPid = v;
                    break;
                case kPcrPid:
                    extras.pcrPid = v;
                    break;
                case kAc3Pid:
                    extras.ac3Pid = v;
                    break;
                case kVideoType:
                    extras.videoType = v;
                    break;
                default:
                    break;
                }
            }
        }
        p = fieldEnd + 1;
    }
    return extras;
}

void ServiceExtras::ApplyTo(CChannelData& channel) const {
    if (IsPid(videoPid)) {
        channel.SetVideoPid(static_cast<uint16_t>(videoPid));
        if (videoType == 0 || videoType == 1) {
            channel.SetVideoType(videoType == 1 ? kStreamH264 : kStreamMpeg2Video);
        }
    }
    if (IsPid(audioPid)) {
        channel.SetAudioPid(static_cast<uint16_t>(audioPid));
        channel.SetAudioType(kStreamMpegAudio);
    } else if (IsPid(ac3Pid)) {
        channel.SetAudioPid(static_cast<uint16_t>(ac3Pid));
        channel.SetAudioType(kStreamAc3);
    }
    if (IsPid(pcrPid)) {
        channel.SetPcrPid(static_cast<uint16_t>(pcrPid));
    }
}

void ProviderTally::Count(int transponder, std::string_view provider) {
    if (transponder < 0 || provider.empty()) {
        return;
    }
    if (static_cast<size_t>(transponder) >= m_counts.size()) {
        m_counts.resize(static_cast<size_t>(transponder) + 1);
    }
    auto& counts = m_counts[static_cast<size_t>(transponder)];
    for (auto& [name, count] : counts) {
        if (name == provider) {
            ++count;
            return;
        }
    }
    counts.emplace_back(provider, 1);
}

int ProviderTally::Apply(CSettingsFile& file) const {
    std::unordered_map<std::string, uint16_t> known;
    for (size_t i = 0; i < file.m_providerNames.Size(); ++i) {
        known.emplace(file.m_providerNames.At(i)->GetDisplayName(), static_cast<uint16_t>(i));
    }
    int added = 0;
    for (size_t transponder = 0; transponder < m_counts.size(); ++transponder) {
        const auto& counts = m_counts[transponder];
        CTransponderData* t = file.m_transponders.At(transponder);
        if (counts.empty() || t == nullptr) {
            continue;
        }
        // The most named; among equals the first named.
        const auto* best = &counts.front();
        for (const auto& entry : counts) {
            best = entry.second > best->second ? &entry : best;
        }
        const std::string name(best->first);
        auto found = known.find(name);
        if (found == known.end()) {
            if (file.m_providerNames.Size() >= CChannelData::kNone) {
                continue; // the index could not name another one
            }
            AddNameRecord(file.m_providerNames, name);
            found =
                known.emplace(name, static_cast<uint16_t>(file.m_providerNames.Size() - 1)).first;
            ++added;
        }
        t->SetProviderIndex(found->second);
    }
    return added;
}

} // namespace tarnell
