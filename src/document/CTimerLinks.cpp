#include "CTimerLinks.h"

#include "CSettingsFile.h"

namespace tarnell {

namespace {

// The last two records of the timer table belong to the receiver, never to the user.
size_t ListedTimers(const CSettingsFile& file) {
    return file.m_timers.Size() > 2 ? file.m_timers.Size() - 2 : 0;
}

bool KindMatches(const CAlarmData& timer, bool tv) {
    return timer.IsTv() == tv;
}

} // namespace

void CTimerLinks::Rebuild(const CSettingsFile& file) {
    m_links.clear();
    for (size_t i = 0; i < ListedTimers(file); ++i) {
        const CAlarmData& timer = *file.m_timers.At(i);
        if (timer.IsInUse()) {
            m_links.push_back({timer.GetChannelPosition(), timer.IsTv(), 0, false});
        }
    }
    // Position -> channel, per kind, in one walk of the list.
    std::vector<const CChannelData*> byKind[2];
    for (const auto& c : file.m_channels.Items()) {
        byKind[c->IsTv() ? 1 : 0].push_back(c.get());
    }
    for (auto& link : m_links) {
        const auto& list = byKind[link.tv ? 1 : 0];
        if (link.position < list.size()) {
            link.storedNumber = list[link.position]->GetStoredNumber();
            link.hasChannel = true;
        }
    }
}

void CTimerLinks::Apply(CSettingsFile& file) const {
    auto& timers = file.m_timers;
    for (auto& t : timers.Items()) {
        t->SetRelinked(false);
    }
    for (const auto& link : m_links) {
        // A timer that named no channel keeps what it has.
        if (!link.hasChannel) {
            continue;
        }
        const int q = file.m_channels.IndexWithinKind(link.storedNumber, link.tv);
        if (q >= 0) {
            for (auto& t : timers.Items()) {
                if (t->GetChannelPosition() == link.position && KindMatches(*t, link.tv) &&
                    !t->IsRelinked()) {
                    t->SetChannelPosition(static_cast<uint16_t>(q));
                    t->SetRelinked(true);
                }
            }
            continue;
        }
        // The channel is gone: clear its timer. The first record counts like the others, and a
        // timer already moved onto this position belongs to another channel.
        for (size_t i = 0; i < ListedTimers(file); ++i) {
            CAlarmData& t = *timers.At(i);
            if (t.GetStartDay() > 0 && t.GetChannelPosition() == link.position &&
                KindMatches(t, link.tv) && !t.IsRelinked()) {
                t.Clear();
                if (i < file.m_timerInfos.Size()) {
                    file.m_timerInfos.At(i)->Clear();
                }
                break;
            }
        }
    }
}

} // namespace tarnell
