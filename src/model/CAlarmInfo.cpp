#include "CAlarmInfo.h"

#include "ByteReader.h"
#include "CodePage.h"
#include "SectionIo.h"

#include <algorithm>

namespace tarnell {

std::string CAlarmInfo::GetText() const {
    const auto* begin = m_record.data() + 1;
    const auto* end = std::find(begin, m_record.data() + kRecordSize, uint8_t{0});
    return DecodeText(std::span<const uint8_t>(begin, end), CodePageForTimerText(m_record[0]));
}

bool CAlarmInfo::SetText(std::string_view utf8) {
    auto bytes = EncodeText(utf8, CodePage::Windows1252);
    if (bytes.size() > kMaxText) {
        return false;
    }
    std::replace(bytes.begin(), bytes.end(), uint8_t{0}, uint8_t{'?'});
    std::fill(m_record.begin() + 1, m_record.end(), 0);
    std::copy(bytes.begin(), bytes.end(), m_record.begin() + 1);
    return true;
}

void CAlarmInfoArray::LoadSection(const LoadedSection& section) {
    m_sectionHeader = section.header;
    ByteReader reader(section.payload);
    if (!reader.ReadExact(m_arrayHeader.data(), m_arrayHeader.size())) {
        return;
    }
    const size_t count = ReadLE16(m_arrayHeader.data()) / CAlarmInfo::kRecordSize;
    // The header holds the byte length in 16 bits.
    for (size_t i = 0; i < count && m_items.size() < 0xFFFF / CAlarmInfo::kRecordSize; ++i) {
        std::array<uint8_t, CAlarmInfo::kRecordSize> record{};
        if (!reader.ReadExact(record.data(), record.size())) {
            break;
        }
        m_items.push_back(std::make_unique<CAlarmInfo>(record));
    }
}

void CAlarmInfoArray::StoreSection(CFDUPrepackaging& assembler) {
    if (m_items.empty()) {
        return;
    }
    // The table never changes length; the header goes back as read but for a count that
    // agrees with the records actually held.
    WriteLE16(m_arrayHeader.data(),
              static_cast<uint16_t>(CAlarmInfo::kRecordSize * m_items.size()));
    std::vector<uint8_t> payload;
    Append(payload, m_arrayHeader);
    for (const auto& r : m_items) {
        Append(payload, r->Record());
    }
    AppendZeros(payload, 3);
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

} // namespace tarnell
