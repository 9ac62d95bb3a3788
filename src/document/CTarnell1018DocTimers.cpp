// The timer dialog's edits of the document.
#include "CTarnell1018Doc.h"

#include <algorithm>
#include <functional>
#include <string>

namespace tarnell {

namespace {

// The dialog never lists the receiver's last two records; they must not change through it.
bool IsListed(const CSettingsFile& file, size_t index) {
    const size_t count = file.m_timers.Size();
    return count > 2 && index < count - 2 && file.m_timers.At(index)->IsInUse();
}

} // namespace

void CTarnell1018Doc::PrepareTimers() {
    m_timerLinks.Apply(*m_file);
    m_timerLinks.Rebuild(*m_file);
}

std::vector<size_t> CTarnell1018Doc::ListedTimers() const {
    std::vector<size_t> listed;
    for (size_t i = 0; i < m_file->m_timers.Size(); ++i) {
        if (IsListed(*m_file, i)) {
            listed.push_back(i);
        }
    }
    return listed;
}

void CTarnell1018Doc::DeleteTimers(std::vector<size_t> indices) {
    // Collected first and cleared from the last to the first: clearing while walking a
    // selection forward skipped or cleared the wrong rows.
    std::erase_if(indices, [this](size_t i) { return !IsListed(*m_file, i); });
    std::sort(indices.begin(), indices.end(), std::greater<>());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    if (indices.empty()) {
        return;
    }
    Edit(
        "Delete " + std::to_string(indices.size()) + (indices.size() == 1 ? " timer" : " timers"),
        [this, &indices](CSettingsFile& f) {
            for (const size_t i : indices) {
                f.m_timers.At(i)->Clear();
            }
            // A cleared timer must not take a link's channel at the next store.
            m_timerLinks.Rebuild(f);
        },
        kHintRenumberChannels);
}

void CTarnell1018Doc::DeleteAllTimers() {
    const auto listed = ListedTimers();
    if (listed.empty()) {
        return;
    }
    Edit(
        "Delete all timers",
        [this, &listed](CSettingsFile& f) {
            for (const size_t i : listed) {
                f.m_timers.At(i)->Clear();
                if (i < f.m_timerInfos.Size()) {
                    f.m_timerInfos.At(i)->Clear();
                }
            }
            m_timerLinks.Rebuild(f);
        },
        kHintRenumberChannels);
}

void CTarnell1018Doc::SetTimerFlag(size_t index, TimerFlag flag, bool on) {
    if (!IsListed(*m_file, index)) {
        return;
    }
    CAlarmData* timer = m_file->m_timers.At(index);
    if ((flag == TimerFlag::Flag10 ? timer->GetFlag10() : timer->GetFlag0C()) == on) {
        return;
    }
    Edit(
        "Change timer",
        [index, flag, on](CSettingsFile& f) {
            CAlarmData* t = f.m_timers.At(index);
            flag == TimerFlag::Flag10 ? t->SetFlag10(on) : t->SetFlag0C(on);
        },
        kHintRenumberChannels);
}

bool CTarnell1018Doc::SetTimerText(size_t index, std::string_view utf8) {
    if (!IsListed(*m_file, index) || index >= m_file->m_timerInfos.Size()) {
        return false;
    }
    CAlarmInfo trial = *m_file->m_timerInfos.At(index);
    if (!trial.SetText(utf8)) {
        return false;
    }
    if (trial.Record() == m_file->m_timerInfos.At(index)->Record()) {
        return true;
    }
    Edit(
        "Change timer text",
        [index, &trial](CSettingsFile& f) { *f.m_timerInfos.At(index) = trial; },
        kHintRenumberChannels);
    return true;
}

void CTarnell1018Doc::SetTimerCodePage(size_t index, uint8_t code) {
    if (!IsListed(*m_file, index) || index >= m_file->m_timerInfos.Size() ||
        m_file->m_timerInfos.At(index)->GetCodePageCode() == code) {
        return;
    }
    Edit(
        "Change timer text",
        [index, code](CSettingsFile& f) { f.m_timerInfos.At(index)->SetCodePageCode(code); },
        kHintRenumberChannels);
}

const CChannelData* CTarnell1018Doc::TimerChannel(size_t index) const {
    if (index >= m_file->m_timers.Size()) {
        return nullptr;
    }
    const CAlarmData* timer = m_file->m_timers.At(index);
    size_t seen = 0;
    for (const auto& c : m_file->m_channels.Items()) {
        if (c->IsTv() == timer->IsTv() && seen++ == timer->GetChannelPosition()) {
            return c.get();
        }
    }
    return nullptr;
}

} // namespace tarnell
