#pragma once

#include "SectionHeader.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnell {

class ModelSnapshot;

class CFDUPrepackaging;
struct LoadedSection;

// The file information text ("FDU v1.2"); written back only when one was read.
class CFDUInfo {
public:
    static constexpr size_t kTextBytes = 19;

    void LoadSection(const LoadedSection& section);
    void StoreSection(CFDUPrepackaging& assembler);

    bool IsPresent() const { return m_present; }
    // For lists built from scratch (the factory list); loaded files keep theirs.
    void SetText(std::string_view text);
    std::string GetText() const;
    const std::array<uint8_t, kTextBytes + 1>& Raw() const { return m_text; }

private:
    friend class ModelSnapshot;
    SectionHeader m_sectionHeader = SectionHeader::Fresh(kIdFduInfo);
    std::array<uint8_t, kTextBytes + 1> m_text{};
    bool m_present = false;
};

} // namespace tarnell
