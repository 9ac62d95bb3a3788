#pragma once

#include "CRecordArray.h"
#include "CSatelliteInfo.h"

namespace tarnell {

class ModelSnapshot;

class CFDUPrepackaging;
struct LoadedSection;

class CSatelliteInfoArray : public CRecordArray<CSatelliteInfo> {
public:
    static constexpr size_t kMaxSatellites = 255;

    CSatelliteInfoArray() : CRecordArray(kIdSatelliteInfo) {}

    void LoadSection(const LoadedSection& section);
    void StoreSection(CFDUPrepackaging& assembler);

    // Appends a satellite with the next sequence number; nullptr at 255 satellites.
    CSatelliteInfo* AddSatellite(const std::array<uint8_t, CSatelliteInfo::kRecordSize>& record);

private:
    friend class ModelSnapshot;
    int m_sequenceCounter = 0;
};

} // namespace tarnell
