#pragma once

#include "ByteOrder.h"
#include "CRecordArray.h"

#include <array>
#include <cstdint>

namespace tarnell {

class CFDUPrepackaging;
struct LoadedSection;

// Antenna (LNB) settings of one satellite input; satellites share them by index.
class CSatelliteData {
public:
    static constexpr size_t kRecordSize = 28;

    CSatelliteData() = default;
    explicit CSatelliteData(const std::array<uint8_t, kRecordSize>& record) : m_record(record) {}

    const std::array<uint8_t, kRecordSize>& Record() const { return m_record; }
    std::array<uint8_t, kRecordSize>& Record() { return m_record; }

    uint8_t GetLnbType() const { return m_record[0]; }
    void SetLnbType(uint8_t v) { m_record[0] = v; }
    uint16_t GetSingleLof() const { return ReadLE16(m_record.data() + 2); }
    void SetSingleLof(uint16_t v) { WriteLE16(m_record.data() + 2, v); }
    uint16_t GetLofLow() const { return ReadLE16(m_record.data() + 4); }
    void SetLofLow(uint16_t v) { WriteLE16(m_record.data() + 4, v); }
    uint16_t GetLofHigh() const { return ReadLE16(m_record.data() + 6); }
    void SetLofHigh(uint16_t v) { WriteLE16(m_record.data() + 6, v); }
    uint8_t GetDiseqc10() const { return m_record[8]; }
    void SetDiseqc10(uint8_t v) { m_record[8] = v; }
    uint8_t GetDiseqc11() const { return m_record[9]; }
    void SetDiseqc11(uint8_t v) { m_record[9] = v; }
    uint8_t GetFlags() const { return m_record[13]; }
    void SetFlags(uint8_t v) { m_record[13] = v; }
    bool GetOption() const { return m_record[13] & 0x01; }
    bool Get12Volt() const { return m_record[13] & 0x02; }
    bool Get22kHz() const { return m_record[13] & 0x04; }
    int GetPositionerMode() const { return (m_record[13] >> 3) & 0x3; }
    bool IsInUse() const { return m_record[13] & 0x20; }
    uint8_t GetPositionerIndex() const { return m_record[14]; }
    void SetPositionerIndex(uint8_t v) { m_record[14] = v; }
    uint8_t GetUserBand() const { return m_record[16] >> 4; }
    uint8_t GetUserBandPosition() const { return m_record[16] & 0x0F; }
    void SetUserBand(uint8_t band) {
        m_record[16] = static_cast<uint8_t>((band << 4) | (m_record[16] & 0x0F));
    }
    void SetUserBandPosition(uint8_t position) {
        m_record[16] = static_cast<uint8_t>((m_record[16] & 0xF0) | (position & 0x0F));
    }

private:
    std::array<uint8_t, kRecordSize> m_record{};
};

class CSatelliteDataArray : public CRecordArray<CSatelliteData> {
public:
    CSatelliteDataArray() : CRecordArray(kIdSatelliteData) {}
    void LoadSection(const LoadedSection& section);
    void StoreSection(CFDUPrepackaging& assembler);
};

} // namespace tarnell
