#pragma once

#include "CRecordArray.h"

#include <cstdint>

namespace tarnell {

class CFDUPrepackaging;
struct LoadedSection;

// One single-cable user band frequency in MHz.
struct CSaTCRData {
    uint32_t frequency = 0;
};

class CSaTCRDataArray : public CRecordArray<CSaTCRData, 12> {
public:
    CSaTCRDataArray() : CRecordArray(kIdSaTCR) {}
    void LoadSection(const LoadedSection& section);
    void StoreSection(CFDUPrepackaging& assembler);
};

} // namespace tarnell
