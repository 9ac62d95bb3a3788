#pragma once

#include "ByteOrder.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnell {

// One channel: the 48-byte record as read, plus what the program derives for it.
class CChannelData {
public:
    static constexpr size_t kRecordSize = 48;
    static constexpr uint16_t kNone = 0xFFFF;

    CChannelData() = default;
    CChannelData(const std::array<uint8_t, kRecordSize>& record, bool tv)
        : m_record(record), m_tv(tv) {}

    const std::array<uint8_t, kRecordSize>& Record() const { return m_record; }
    std::array<uint8_t, kRecordSize>& Record() { return m_record; }

    bool IsTv() const { return m_tv; }
    void SetTv(bool tv) { m_tv = tv; }
    int GetRunningNumber() const { return m_runningNumber; }
    void SetRunningNumber(int n) { m_runningNumber = n; }

    uint16_t GetServiceId() const { return Get16(0); }
    void SetServiceId(uint16_t v) { Set16(0, v); }
    uint16_t GetStoredNumber() const { return Get16(2); }
    void SetStoredNumber(uint16_t v) { Set16(2, v); }
    uint16_t GetServiceValue4() const { return Get16(4); }
    void SetServiceValue4(uint16_t v) { Set16(4, v); }
    uint16_t GetPcrPid() const { return Get16(6); }
    void SetPcrPid(uint16_t v) { Set16(6, v); }
    uint16_t GetVideoPid() const { return Get16(8); }
    void SetVideoPid(uint16_t v) { Set16(8, v); }
    uint16_t GetAudioWord() const { return Get16(10); }
    uint16_t GetAudioPid() const { return static_cast<uint16_t>(Get16(10) >> 3); }
    // Bits 0 to 2 of the audio word are not part of the PID and stay as they are.
    void SetAudioPid(uint16_t pid) {
        Set16(10, static_cast<uint16_t>((pid << 3) | (Get16(10) & 0x7)));
    }
    uint16_t GetNameIndex() const { return Get16(12); }
    void SetNameIndex(uint16_t v) { Set16(12, v); }
    uint16_t GetTransponderIndex() const { return Get16(14); }
    void SetTransponderIndex(uint16_t v) { Set16(14, v); }

    uint32_t GetFavouriteMask() const { return ReadLE32(m_record.data() + 16); }
    void SetFavouriteMask(uint32_t mask) { WriteLE32(m_record.data() + 16, mask); }
    bool IsInFavourite(int bit) const {
        return bit >= 0 && bit < 32 && (GetFavouriteMask() >> bit) & 1u;
    }
    std::vector<int> GetFavourites() const;
    // List numbers count from 1: list n is bit n - 1.
    void SetFavourite(int listNumber, bool on);

    uint8_t GetFlagByte() const { return m_record[26]; }
    void SetFlagByte(uint8_t v) { m_record[26] = v; }
    bool IsHd() const { return (m_record[26] & 0x80) != 0; }

    uint32_t GetSoundWord() const { return ReadLE32(m_record.data() + 28); }
    void SetSoundWord(uint32_t v) { WriteLE32(m_record.data() + 28, v); }
    int GetAudioMode() const { return static_cast<int>(GetSoundWord() & 0x7); }
    int GetVolume() const { return static_cast<int>((GetSoundWord() >> 3) & 0x3); }
    uint32_t GetOptionWord() const { return ReadLE32(m_record.data() + 32); }
    void SetOptionWord(uint32_t v) { WriteLE32(m_record.data() + 32, v); }
    bool GetFlagT1() const { return (m_record[35] & 0x01) != 0; }
    bool GetFlagT2() const { return (m_record[35] & 0x02) != 0; }
    uint8_t GetVideoType() const { return m_record[36]; }
    void SetVideoType(uint8_t v) { m_record[36] = v; }
    uint8_t GetAudioType() const { return m_record[37]; }
    void SetAudioType(uint8_t v) { m_record[37] = v; }

    // "%5i" of the service ID.
    std::string GetServiceIdText() const;

private:
    uint16_t Get16(size_t o) const { return ReadLE16(m_record.data() + o); }
    void Set16(size_t o, uint16_t v) { WriteLE16(m_record.data() + o, v); }

    std::array<uint8_t, kRecordSize> m_record{};
    int m_runningNumber = 0;
    bool m_tv = true;
};

} // namespace tarnell
