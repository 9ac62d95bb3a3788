#include "LostSection.h"

#include "SectionIds.h"

#include <algorithm>
#include <cstdio>

namespace tarnell {

std::string SectionName(uint32_t id) {
    switch (id) {
    case kIdFduInfo:
        return "file information";
    case kIdSatelliteData:
        return "LNB settings";
    case kIdSatelliteInfo:
        return "satellites";
    case kIdTransponders:
        return "transponders";
    case kIdTvChannels:
        return "TV channels";
    case kIdRadioChannels:
        return "radio channels";
    case kIdChannelNames:
        return "channel names";
    case kIdProviderNames:
        return "provider names";
    case kIdTimers:
        return "timers";
    case kIdFavourites:
        return "favourite lists";
    case kIdEtcStrings:
        return "text block";
    case kIdSaTCR:
        return "single-cable user bands";
    case kIdTimerInfo:
        return "timer information";
    case kIdConfiguration:
        return "configuration";
    default:
        break;
    }
    char text[32];
    std::snprintf(text, sizeof(text), "section 0x%08X", id);
    return text;
}

std::string DescribeLostSections(const std::vector<LostSection>& lost) {
    std::vector<std::string> causes;
    for (const auto& section : lost) {
        if (std::find(causes.begin(), causes.end(), section.why) == causes.end()) {
            causes.push_back(section.why);
        }
    }
    std::string text;
    for (const auto& cause : causes) {
        std::vector<std::string> names;
        for (const auto& section : lost) {
            if (section.why == cause &&
                std::find(names.begin(), names.end(), section.name) == names.end()) {
                names.push_back(section.name);
            }
        }
        if (!text.empty()) {
            text += ", ";
        }
        for (size_t i = 0; i < names.size(); ++i) {
            text += i == 0 ? "" : i + 1 == names.size() ? " and " : ", ";
            text += names[i];
        }
        text += " (" + cause + ")";
    }
    return text;
}

} // namespace tarnell
