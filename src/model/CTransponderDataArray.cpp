#include "CTransponderDataArray.h"

#include "ByteReader.h"
#include "SectionIo.h"

#include <algorithm>
#include <cstdlib>

namespace tarnell {

void CTransponderDataArray::LoadSection(const LoadedSection& section) {
    // A damaged stream leaves the table as it was.
    if (section.zlibResult != 0) {
        return;
    }
    m_sectionHeader = section.header;
    ByteReader reader(section.payload);
    if (!reader.ReadExact(m_arrayHeader.data(), m_arrayHeader.size())) {
        return;
    }
    const size_t count = ReadLE16(m_arrayHeader.data());
    if (count == 0) {
        return;
    }
    const size_t recordSize = std::min((section.payload.size() - m_arrayHeader.size()) / count,
                                       CTransponderData::kRecordSize);
    WriteLE16(m_arrayHeader.data() + 2, static_cast<uint16_t>(recordSize));
    if (recordSize == 0) {
        return;
    }
    m_items.reserve(m_items.size() + count);
    for (size_t i = 0; i < count && m_items.size() < 0xFFFF; ++i) {
        std::array<uint8_t, CTransponderData::kRecordSize> record{};
        if (!reader.ReadExact(record.data(), recordSize)) {
            break;
        }
        m_items.push_back(std::make_unique<CTransponderData>(record));
    }
}

size_t CTransponderDataArray::RecordSize() const {
    const size_t size = ReadLE16(m_arrayHeader.data() + 2);
    return size == 0 || size > CTransponderData::kRecordSize ? 16 : size;
}

void CTransponderDataArray::StoreSection(CFDUPrepackaging& assembler) {
    if (m_items.empty()) {
        return;
    }
    const size_t recordSize = RecordSize();
    WriteLE16(m_arrayHeader.data(), static_cast<uint16_t>(m_items.size()));
    WriteLE16(m_arrayHeader.data() + 2, static_cast<uint16_t>(recordSize));
    std::vector<uint8_t> payload;
    payload.reserve(m_arrayHeader.size() + m_items.size() * recordSize);
    Append(payload, m_arrayHeader);
    for (const auto& t : m_items) {
        Append(payload, t->Record().data(), recordSize);
    }
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

CTransponderData* CTransponderDataArray::FindFreeTransponder() const {
    for (const auto& t : m_items) {
        if (t->IsFree()) {
            return t.get();
        }
    }
    return nullptr;
}

CTransponderData* CTransponderDataArray::AddTransponder(uint16_t satelliteIndex, int frequency,
                                                        int polarisation, int symbolRate,
                                                        uint32_t nameSpace, int transportStreamId,
                                                        int originalNetworkId) {
    CTransponderData* t = FindFreeTransponder();
    if (t == nullptr) {
        return nullptr;
    }
    t->SetSatelliteIndex(satelliteIndex);
    t->SetFrequency(frequency);
    t->SetPolarisation(polarisation);
    t->SetSymbolRate(symbolRate);
    t->SetTransportStreamId(transportStreamId);
    t->SetOriginalNetworkId(originalNetworkId);
    t->SetNamespace(nameSpace);
    return t;
}

int CTransponderDataArray::FindTransponder(int transportStreamId, int originalNetworkId,
                                           uint32_t nameSpace) const {
    for (size_t i = 0; i < m_items.size(); ++i) {
        const auto& t = *m_items[i];
        if (t.GetTransportStreamId() == static_cast<uint16_t>(transportStreamId) &&
            t.GetOriginalNetworkId() == static_cast<uint16_t>(originalNetworkId) &&
            t.GetNamespace() == nameSpace) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CTransponderDataArray::FindTransponderNear(uint16_t satelliteIndex, int frequency,
                                               int polarisation, int symbolRate,
                                               int tolerance) const {
    for (size_t i = 0; i < m_items.size(); ++i) {
        const auto& t = *m_items[i];
        if (t.GetSatelliteIndex() == satelliteIndex && t.GetPolarisation() == polarisation &&
            std::abs(t.GetFrequency() - frequency) <= tolerance &&
            std::abs(t.GetSymbolRate() - symbolRate) <= tolerance) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

size_t CTransponderDataArray::CountUsed() const {
    return static_cast<size_t>(
        std::count_if(m_items.begin(), m_items.end(), [](const auto& t) { return !t->IsFree(); }));
}

const std::vector<std::string>& CTransponderDataArray::PolarisationNames() {
    static const std::vector<std::string> names{"Vertikal", "Horizontal"};
    return names;
}

} // namespace tarnell
