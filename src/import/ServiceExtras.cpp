#include "ServiceExtras.h"

#include "CSettingsFile.h"
#include "ImportModelOperations.h"

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

// `digits` hex digits; -1 when one is not. Runs for every cache entry of large lists.
int Hex(const char* text, int digits) {
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        const char c = text[i];
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return -1;
        }
        value = value * 16 + digit;
    }
    return value;
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
            const int id = Hex(field.data() + 2, 2);
            const int value = Hex(field.data() + 4, 4);
            if (id < 0 || value < 0) {
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
