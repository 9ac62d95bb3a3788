#pragma once

#include "CRecordArray.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnell {

class CFDUPrepackaging;
struct LoadedSection;

// The short text of a timer: a character-table code and up to 22 bytes.
class CAlarmInfo {
public:
    static constexpr size_t kRecordSize = 24;
    static constexpr size_t kMaxText = 22;

    CAlarmInfo() = default;
    explicit CAlarmInfo(const std::array<uint8_t, kRecordSize>& record) : m_record(record) {}

    const std::array<uint8_t, kRecordSize>& Record() const { return m_record; }
    uint8_t GetCodePageCode() const { return m_record[0]; }
    void SetCodePageCode(uint8_t code) { m_record[0] = code; }
    std::string GetText() const;
    // Refuses (returns false) a text of more than 22 characters.
    bool SetText(std::string_view utf8);
    void Clear() { m_record.fill(0); }

private:
    std::array<uint8_t, kRecordSize> m_record{};
};

class CAlarmInfoArray : public CRecordArray<CAlarmInfo> {
public:
    CAlarmInfoArray() : CRecordArray(kIdTimerInfo) {}
    void LoadSection(const LoadedSection& section);
    void StoreSection(CFDUPrepackaging& assembler);
};

} // namespace tarnell
