#pragma once

#include "ByteOrder.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnell {

class ModelSnapshot;

// One satellite: the 48-byte record plus what the program derives for it.
class CSatelliteInfo {
public:
    static constexpr size_t kRecordSize = 48;
    static constexpr size_t kNameBytes = 32;
    static constexpr uint8_t kNoLnb = 0xFF;

    CSatelliteInfo() = default;
    CSatelliteInfo(const std::array<uint8_t, kRecordSize>& record, int sequenceNumber);

    const std::array<uint8_t, kRecordSize>& Record() const { return m_record; }
    std::array<uint8_t, kRecordSize>& Record() { return m_record; }

    uint32_t GetCodePageCode() const { return m_codePageCode; }
    int GetSequenceNumber() const { return m_sequenceNumber; }
    void SetSequenceNumber(int n) { m_sequenceNumber = n; }
    bool HasChannels() const { return m_hasChannels; }
    void SetHasChannels(bool on) { m_hasChannels = on; }

    std::string GetDisplayName(bool withNumber = false) const;
    // Takes a leading character below 0x28 as the table code; cuts to 31 bytes.
    void SetName(std::string_view utf8);

    uint16_t GetPosition() const { return ReadLE16(m_record.data() + 32); }
    void SetPosition(uint16_t tenths) { WriteLE16(m_record.data() + 32, tenths); }
    bool IsWest() const { return GetPosition() > 1800; }
    // "%6.1f °E " and its siblings, as the tree and list show it.
    std::string GetPositionText() const;

    uint8_t GetLnbIndex(int input) const { return m_record[input == 0 ? 36 : 37]; }
    void SetLnbIndex(int input, uint8_t index) { m_record[input == 0 ? 36 : 37] = index; }
    // The LNB record index of an input, or -1 when it names none of the list's records.
    int ResolveLnb(int input, size_t lnbCount) const;

private:
    friend class ModelSnapshot;
    std::array<uint8_t, kRecordSize> m_record{};
    uint32_t m_codePageCode = 0;
    int m_sequenceNumber = 0;
    bool m_hasChannels = false;
};

} // namespace tarnell
