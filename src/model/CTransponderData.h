#pragma once

#include "ByteOrder.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarnell {

// One transponder slot; frequency 0 marks a free slot.
class CTransponderData {
public:
    static constexpr size_t kRecordSize = 18;

    CTransponderData() = default;
    explicit CTransponderData(const std::array<uint8_t, kRecordSize>& record) : m_record(record) {}

    const std::array<uint8_t, kRecordSize>& Record() const { return m_record; }
    std::array<uint8_t, kRecordSize>& Record() { return m_record; }

    uint16_t GetFrequency() const { return Get16(0); }
    void SetFrequency(int v) { Set16(0, static_cast<uint16_t>(v)); }
    uint16_t GetSymbolRate() const { return Get16(2); }
    void SetSymbolRate(int v) { Set16(2, static_cast<uint16_t>(v)); }
    uint16_t GetOriginalNetworkId() const { return Get16(4); }
    void SetOriginalNetworkId(int v) { Set16(4, static_cast<uint16_t>(v)); }
    uint16_t GetTransportStreamId() const { return Get16(6); }
    void SetTransportStreamId(int v) { Set16(6, static_cast<uint16_t>(v)); }
    uint16_t GetSatelliteIndex() const { return Get16(8); }
    void SetSatelliteIndex(uint16_t v) { Set16(8, v); }
    uint16_t GetProviderIndex() const { return Get16(10); }
    void SetProviderIndex(uint16_t v) { Set16(10, v); }
    uint32_t GetFlagWord() const { return ReadLE32(m_record.data() + 12); }
    int GetPolarisation() const { return static_cast<int>(GetFlagWord() & 0xF); }
    // Only the low four bits are the polarisation; the other flag bits stay.
    void SetPolarisation(int code) {
        WriteLE32(m_record.data() + 12,
                  (GetFlagWord() & ~0xFu) | (static_cast<uint32_t>(code) & 0xF));
    }
    bool IsFree() const { return GetFrequency() == 0; }

    uint32_t GetNamespace() const { return m_namespace; }
    void SetNamespace(uint32_t ns) { m_namespace = ns; }

    // "V", "H", "A", "C" or empty.
    std::string GetPolarisationLetter() const;
    // "%i %s %i": frequency, letter, symbol rate.
    std::string GetLabel() const;

private:
    uint16_t Get16(size_t o) const { return ReadLE16(m_record.data() + o); }
    void Set16(size_t o, uint16_t v) { WriteLE16(m_record.data() + o, v); }

    std::array<uint8_t, kRecordSize> m_record{};
    uint32_t m_namespace = 0; // only for matching Enigma2 services on import
};

} // namespace tarnell
