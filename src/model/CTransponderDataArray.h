#pragma once

#include "CRecordArray.h"
#include "CTransponderData.h"

#include <string>
#include <vector>

namespace tarnell {

class CFDUPrepackaging;
struct LoadedSection;

// The transponder table: a fixed number of slots, free ones with frequency 0.
class CTransponderDataArray : public CRecordArray<CTransponderData> {
public:
    CTransponderDataArray() : CRecordArray(kIdTransponders) {}

    void LoadSection(const LoadedSection& section);
    void StoreSection(CFDUPrepackaging& assembler);
    size_t RecordSize() const;

    CTransponderData* FindFreeTransponder() const;
    CTransponderData* AddTransponder(uint16_t satelliteIndex, int frequency, int polarisation,
                                     int symbolRate, uint32_t nameSpace, int transportStreamId,
                                     int originalNetworkId);
    int FindTransponder(int transportStreamId, int originalNetworkId, uint32_t nameSpace) const;
    int FindTransponderNear(uint16_t satelliteIndex, int frequency, int polarisation,
                            int symbolRate, int tolerance) const;
    int IndexOfTransponder(const CTransponderData* record) const {
        return static_cast<int>(IndexOf(record));
    }
    size_t CountUsed() const;

    // Names of the polarisation options by code.
    static const std::vector<std::string>& PolarisationNames();
};

} // namespace tarnell
