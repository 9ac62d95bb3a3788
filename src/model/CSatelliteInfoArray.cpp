#include "CSatelliteInfoArray.h"

#include "ByteReader.h"
#include "SectionIo.h"

namespace tarnell {

void CSatelliteInfoArray::LoadSection(const LoadedSection& section) {
    m_sectionHeader = section.header;
    ByteReader reader(section.payload);
    if (!reader.ReadExact(m_arrayHeader.data(), m_arrayHeader.size())) {
        return;
    }
    const size_t count = m_arrayHeader[0];
    for (size_t i = 0; i < count && m_items.size() < kMaxSatellites; ++i) {
        std::array<uint8_t, CSatelliteInfo::kRecordSize> record{};
        if (!reader.ReadExact(record.data(), record.size())) {
            break;
        }
        m_items.push_back(std::make_unique<CSatelliteInfo>(record, m_sequenceCounter++));
    }
}

void CSatelliteInfoArray::StoreSection(CFDUPrepackaging& assembler) {
    if (m_items.empty()) {
        return;
    }
    m_arrayHeader[0] = static_cast<uint8_t>(m_items.size());
    WriteLE16(m_arrayHeader.data() + 2, CSatelliteInfo::kRecordSize);
    std::vector<uint8_t> payload;
    Append(payload, m_arrayHeader);
    for (const auto& s : m_items) {
        Append(payload, s->Record());
    }
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

CSatelliteInfo*
CSatelliteInfoArray::AddSatellite(const std::array<uint8_t, CSatelliteInfo::kRecordSize>& record) {
    if (m_items.size() >= kMaxSatellites) {
        return nullptr;
    }
    return Add(std::make_unique<CSatelliteInfo>(record, m_sequenceCounter++));
}

} // namespace tarnell
