#include "CFDUInfo.h"

#include "ByteReader.h"
#include "CodePage.h"
#include "SectionIo.h"

#include <algorithm>

namespace tarnell {

void CFDUInfo::LoadSection(const LoadedSection& section) {
    m_sectionHeader = section.header;
    ByteReader reader(section.payload);
    if (reader.ReadExact(m_text.data(), kTextBytes)) {
        m_text[kTextBytes] = 0;
        m_present = true;
    }
}

void CFDUInfo::StoreSection(CFDUPrepackaging& assembler) {
    if (!m_present) {
        return;
    }
    const std::vector<uint8_t> payload(m_text.begin(), m_text.begin() + kTextBytes);
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

void CFDUInfo::SetText(std::string_view text) {
    m_text.fill(0);
    std::copy_n(text.begin(), std::min(text.size(), kTextBytes), m_text.begin());
    m_present = true;
}

std::string CFDUInfo::GetText() const {
    const auto end = std::find(m_text.begin(), m_text.end(), uint8_t{0});
    return DecodeText(std::span<const uint8_t>(m_text.begin(), end), CodePage::Windows1252);
}

} // namespace tarnell
