#pragma once

#include "CChannelData.h"
#include "CRecordArray.h"

namespace tarnell {

class CFDUPrepackaging;
struct LoadedSection;

// All channels, TV and radio mixed in list order. Feeds two sections on store.
class CChannelDataArray : public CRecordArray<CChannelData> {
public:
    static constexpr size_t kMaxChannels = 10000;

    CChannelDataArray() : CRecordArray(kIdTvChannels) {}

    void LoadSection(const LoadedSection& section);
    // Writes nothing for an empty list unless `evenWhenEmpty`.
    void StoreSections(CFDUPrepackaging& assembler, bool evenWhenEmpty = false);

    // Bytes each record takes in the file.
    size_t RecordSize() const;

    // Appends an empty channel; nullptr when the list is full.
    CChannelData* AddChannel(bool tv, uint16_t transponderIndex, uint16_t serviceId,
                             uint16_t storedNumber);
    int FindChannel(uint16_t transponderIndex, uint16_t serviceId) const;
    int IndexWithinKind(uint16_t storedNumber, bool tv) const;
    void RemoveChannel(const CChannelData* record);
    void AssignRunningNumbers();
    size_t CountKind(bool tv) const;
};

} // namespace tarnell
