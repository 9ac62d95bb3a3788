#include "ServiceExtras.h"

#include "CSettingsFile.h"
#include "ImportModelOperations.h"

#include <charconv>
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
    while (!fields.empty()) {
        const size_t comma = fields.find(',');
        const std::string_view field = fields.substr(0, comma);
        fields = comma == std::string_view::npos ? std::string_view() : fields.substr(comma + 1);
        if (field.starts_with("p:")) {
            extras.provider = field.substr(2);
        } else if (field.starts_with("c:") && field.size() == 8) {
            // Two hex digits name the value, four give it.
            int id = 0;
            int value = 0;
            const char* begin = field.data() + 2;
            if (std::from_chars(begin, begin + 2, id, 16).ptr != begin + 2 ||
                std::from_chars(begin + 2, begin + 6, value, 16).ptr != begin + 6) {
                continue;
            }
            switch (id) {
            case kVideoPid:
                extras.videoPid = value;
                break;
            case kMpegAudioPid:
                extras.audioPid = value;
                break;
            case kPcrPid:
                extras.pcrPid = value;
                break;
            case kAc3Pid:
                extras.ac3Pid = value;
                break;
            case kVideoType:
                extras.videoType = value;
                break;
            default:
                break;
            }
        }
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
    auto& counts = m_counts[transponder];
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
    for (const auto& [transponder, counts] : m_counts) {
        CTransponderData* t = file.m_transponders.At(static_cast<size_t>(transponder));
        if (t == nullptr) {
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
