#pragma once

#include "CRecordArray.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnell {

class CFDUPrepackaging;
struct LoadedSection;

// The miscellaneous text block: 4,096 bytes, four 128-byte text fields at its start.
class CEtcStringData {
public:
    static constexpr size_t kBlockSize = 4096;
    static constexpr size_t kFieldSize = 128;

    std::array<uint8_t, kBlockSize>& Block() { return m_block; }
    const std::array<uint8_t, kBlockSize>& Block() const { return m_block; }
    std::string GetText(int field) const;
    void SetText(int field, std::string_view utf8);

private:
    std::array<uint8_t, kBlockSize> m_block{};
};

class CEtcStringDataArray : public CRecordArray<CEtcStringData> {
public:
    CEtcStringDataArray() : CRecordArray(kIdEtcStrings) {}
    void LoadSection(const LoadedSection& section);
    void StoreSection(CFDUPrepackaging& assembler);
    // The block length L of the array header.
    size_t BlockLength() const;
};

} // namespace tarnell
