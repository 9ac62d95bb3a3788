#pragma once

#include <cstdint>
#include <vector>

namespace tarnell {

class CSettingsFile;

// Timers name their channel by position within its kind, which every move or delete breaks.
// The links remember, from one rebuild to the next store, which channel each timer meant.
class CTimerLinks {
public:
    struct Link {
        uint16_t position = 0; // the timer's channel position at rebuild time
        bool tv = true;
        uint16_t storedNumber = 0; // of the channel at that position
        bool hasChannel = false;   // a position past the list names no channel
    };

    void Rebuild(const CSettingsFile& file);
    // Re-targets timers whose channel moved and clears those whose channel is gone.
    void Apply(CSettingsFile& file) const;

    const std::vector<Link>& Links() const { return m_links; }
    std::vector<Link>& Links() { return m_links; }

private:
    std::vector<Link> m_links;
};

} // namespace tarnell
