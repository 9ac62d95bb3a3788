#pragma once

#include "CChannelInfo.h"
#include "CRecordArray.h"

namespace tarnell {

class CFDUPrepackaging;
struct LoadedSection;

// A name list: the channel names or the provider names.
class CChannelInfoArray : public CRecordArray<CChannelInfo> {
public:
    explicit CChannelInfoArray(uint32_t sectionId) : CRecordArray(sectionId) {}

    void LoadSection(const LoadedSection& section);
    void StoreSection(CFDUPrepackaging& assembler);

    CChannelInfo* AddName(std::span<const uint8_t> record);
};

} // namespace tarnell
