#include "CSaTCRData.h"

#include "ByteReader.h"
#include "SectionIo.h"

namespace tarnell {

void CSaTCRDataArray::LoadSection(const LoadedSection& section) {
    m_sectionHeader = section.header;
    ByteReader reader(section.payload);
    if (!reader.ReadExact(m_arrayHeader.data(), m_arrayHeader.size())) {
        return;
    }
    const size_t count = ReadLE16(m_arrayHeader.data());
    for (size_t i = 0; i < count && m_items.size() < 0xFFFF; ++i) {
        uint8_t raw[4];
        if (!reader.ReadExact(raw, 4)) {
            break;
        }
        m_items.push_back(std::make_unique<CSaTCRData>(CSaTCRData{ReadLE32(raw)}));
    }
}

void CSaTCRDataArray::StoreSection(CFDUPrepackaging& assembler) {
    if (m_items.empty()) {
        return;
    }
    WriteLE16(m_arrayHeader.data(), static_cast<uint16_t>(m_items.size()));
    std::vector<uint8_t> payload;
    Append(payload, m_arrayHeader);
    for (const auto& r : m_items) {
        uint8_t raw[4];
        WriteLE32(raw, r->frequency);
        Append(payload, raw, 4);
    }
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

} // namespace tarnell
