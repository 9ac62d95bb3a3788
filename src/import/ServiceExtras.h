#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace tarnell {

class CChannelData;
class CSettingsFile;

// What an Enigma2 service line tells beyond its key and name: who broadcasts it and the PIDs
// the receiver last found ("p:ZDFvision,c:000064,c:010065,c:030064,f:40"). -1: not given.
struct ServiceExtras {
    std::string_view provider;
    int videoPid = -1;
    int audioPid = -1; // MPEG audio
    int ac3Pid = -1;
    int pcrPid = -1;
    int videoType = -1; // Enigma2's own numbering: 0 MPEG-2, 1 H.264

    // `fields` is the text after the name: comma-separated "p:", "c:" and other fields.
    static ServiceExtras Parse(std::string_view fields);
    // Writes the PIDs and stream types the cache gives; the rest of the record stays.
    void ApplyTo(CChannelData& channel) const;
};

// The providers the services of each transponder name. The one most of them name becomes the
// transponder's provider; the provider list takes each name once.
class ProviderTally {
public:
    void Count(int transponder, std::string_view provider);
    // Returns how many provider names were added to the list.
    int Apply(CSettingsFile& file) const;

private:
    // By transponder index, so that new names join the list in transponder order. Few
    // providers per transponder: a short list beats a map.
    std::vector<std::vector<std::pair<std::string_view, int>>> m_counts;
};

} // namespace tarnell
