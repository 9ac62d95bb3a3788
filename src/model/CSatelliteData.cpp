#include "CSatelliteData.h"

#include "ByteReader.h"
#include "SectionIo.h"

namespace tarnell {

void CSatelliteDataArray::LoadSection(const LoadedSection& section) {
    m_sectionHeader = section.header;
    ByteReader reader(section.payload);
    if (!reader.ReadExact(m_arrayHeader.data(), m_arrayHeader.size())) {
        return;
    }
    const size_t count = m_arrayHeader[0];
    // The count is one byte on store.
    for (size_t i = 0; i < count && m_items.size() < 0xFF; ++i) {
        std::array<uint8_t, CSatelliteData::kRecordSize> record{};
        if (!reader.ReadExact(record.data(), record.size())) {
            break;
        }
        m_items.push_back(std::make_unique<CSatelliteData>(record));
    }
}

void CSatelliteDataArray::StoreSection(CFDUPrepackaging& assembler) {
    if (m_items.empty()) {
        return;
    }
    m_arrayHeader[0] = static_cast<uint8_t>(m_items.size());
    WriteLE16(m_arrayHeader.data() + 2, CSatelliteData::kRecordSize);
    std::vector<uint8_t> payload;
    Append(payload, m_arrayHeader);
    for (const auto& r : m_items) {
        Append(payload, r->Record());
    }
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

} // namespace tarnell
