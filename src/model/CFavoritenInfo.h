#pragma once

#include "CRecordArray.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnell {

class CFDUPrepackaging;
struct LoadedSection;

// A favourite list is only its name; membership lives in the channels' favourite masks.
class CFavoritenInfo {
public:
    static constexpr size_t kRecordSize = 128;

    CFavoritenInfo() = default;
    explicit CFavoritenInfo(const std::array<uint8_t, kRecordSize>& record) : m_record(record) {}

    const std::array<uint8_t, kRecordSize>& Record() const { return m_record; }
    // Names carry no table byte: they use the one favourite code page (0 to 6).
    std::string GetName(int favCodepage) const;
    void SetName(std::string_view utf8, int favCodepage);

private:
    std::array<uint8_t, kRecordSize> m_record{};
};

class CFavoritenInfoArray : public CRecordArray<CFavoritenInfo> {
public:
    static constexpr size_t kMaxLists = 32;

    CFavoritenInfoArray() : CRecordArray(kIdFavourites) {}
    void LoadSection(const LoadedSection& section);
    // Written even when there is no list.
    void StoreSection(CFDUPrepackaging& assembler);

    // Appends a list unless 32 exist.
    CFavoritenInfo* AddFavouriteList(std::string_view utf8, int favCodepage);
};

} // namespace tarnell
