#pragma once

#include "ByteOrder.h"
#include "CRecordArray.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnell {

class CFDUPrepackaging;
struct LoadedSection;

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CalendarDate&) const = default;
};

// Modified Julian Date <-> calendar date.
CalendarDate DateFromMjd(int mjd);
int MjdFromDate(const CalendarDate& date);

// One timer. It names its channel by position among the channels of its kind.
class CAlarmData {
public:
    static constexpr size_t kRecordSize = 28;

    CAlarmData() = default;
    explicit CAlarmData(const std::array<uint8_t, kRecordSize>& record) : m_record(record) {}

    const std::array<uint8_t, kRecordSize>& Record() const { return m_record; }
    std::array<uint8_t, kRecordSize>& Record() { return m_record; }

    uint8_t GetStartMinute() const { return m_record[0]; }
    uint8_t GetStartHour() const { return m_record[1]; }
    uint16_t GetStartDay() const { return ReadLE16(m_record.data() + 2); }
    uint8_t GetEndMinute() const { return m_record[4]; }
    uint8_t GetEndHour() const { return m_record[5]; }
    uint16_t GetEndDay() const { return ReadLE16(m_record.data() + 6); }
    uint16_t GetChannelPosition() const { return ReadLE16(m_record.data() + 10); }
    void SetChannelPosition(uint16_t v) { WriteLE16(m_record.data() + 10, v); }
    uint8_t GetModeByte() const { return m_record[16]; }
    int GetServiceKind() const { return m_record[16] & 0x3; }
    // A timer of kind 0 records a TV channel.
    bool IsTv() const { return GetServiceKind() == 0; }
    int GetRepetitionKind() const { return m_record[16] >> 4; }
    uint8_t GetWeekdayMask() const { return m_record[18]; }
    int GetIconIndex() const { return m_record[17] & 0x0F; }
    // The yes/no property in bit 4 of byte 15.
    bool GetFlag10() const { return (m_record[15] & 0x10) != 0; }
    void SetFlag10(bool on) {
        m_record[15] = static_cast<uint8_t>((m_record[15] & ~0x10) | (on ? 0x10 : 0));
    }
    // The flag in bits 2-3 of the mode byte: set when either bit is, written as 0x04 or 0.
    bool GetFlag0C() const { return (m_record[16] & 0x0C) != 0; }
    void SetFlag0C(bool on) {
        m_record[16] = static_cast<uint8_t>((m_record[16] & ~0x0C) | (on ? 0x04 : 0));
    }
    bool IsInUse() const { return GetStartDay() != 0; }

    CalendarDate GetStartDate() const { return DateFromMjd(GetStartDay()); }
    CalendarDate GetEndDate() const { return DateFromMjd(GetEndDay()); }

    // Empties the timer the way the receiver expects an unused one.
    void Clear();

    bool IsRelinked() const { return m_relinked; }
    void SetRelinked(bool on) { m_relinked = on; }

private:
    std::array<uint8_t, kRecordSize> m_record{};
    bool m_relinked = false;
};

class CAlarmDataArray : public CRecordArray<CAlarmData> {
public:
    CAlarmDataArray() : CRecordArray(kIdTimers) {}
    void LoadSection(const LoadedSection& section);
    void StoreSection(CFDUPrepackaging& assembler);
    size_t CountActive() const;
};

} // namespace tarnell
