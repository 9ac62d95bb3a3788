#include "CSatelliteInfo.h"

#include "CodePage.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace tarnell {

CSatelliteInfo::CSatelliteInfo(const std::array<uint8_t, kRecordSize>& record, int sequenceNumber)
    : m_record(record), m_sequenceNumber(sequenceNumber) {
    m_codePageCode = m_record[0] < 0x28 ? m_record[0] : 0;
}

std::string CSatelliteInfo::GetDisplayName(bool withNumber) const {
    const auto* begin = m_record.data();
    const auto* end = std::find(begin, begin + kNameBytes - 1, uint8_t{0});
    std::span<const uint8_t> bytes(begin, end);
    if (!bytes.empty() && bytes[0] < 0x28) {
        bytes = bytes.subspan(1);
    }
    std::string name = DecodeText(bytes, CodePageForTableCode(m_codePageCode));
    if (!withNumber) {
        return name;
    }
    char prefix[16];
    std::snprintf(prefix, sizeof(prefix), "(%.2i) ", m_sequenceNumber);
    return prefix + name;
}

void CSatelliteInfo::SetName(std::string_view utf8) {
    std::vector<uint8_t> bytes;
    const bool tableByte = !utf8.empty() && static_cast<uint8_t>(utf8[0]) < 0x28;
    if (tableByte) {
        m_codePageCode = static_cast<uint8_t>(utf8[0]);
        bytes.push_back(static_cast<uint8_t>(utf8[0]));
        utf8.remove_prefix(1);
    }
    const auto text = EncodeText(utf8, CodePageForTableCode(m_codePageCode));
    bytes.insert(bytes.end(), text.begin(), text.end());
    std::replace(bytes.begin() + (tableByte ? 1 : 0), bytes.end(), uint8_t{0}, uint8_t{'?'});
    bytes.resize(std::min(bytes.size(), kNameBytes - 1));
    std::fill_n(m_record.begin(), kNameBytes, 0);
    std::copy(bytes.begin(), bytes.end(), m_record.begin());
}

std::string CSatelliteInfo::GetPositionText() const {
    const int position = GetPosition();
    const int value = position <= 1800 ? position : 3600 - position;
    const char letter = position <= 1800 ? 'E' : 'W';
    const float degrees = static_cast<float>(value) / 10.0f;
    const char* format = degrees < 10.0f    ? "%7.1f \xC2\xB0%c "
                         : degrees < 100.0f ? "%6.1f \xC2\xB0%c "
                                            : "%1.1f \xC2\xB0%c ";
    char text[32];
    std::snprintf(text, sizeof(text), format, static_cast<double>(degrees), letter);
    return text;
}

int CSatelliteInfo::ResolveLnb(int input, size_t lnbCount) const {
    const uint8_t index = GetLnbIndex(input);
    return index >= 0xFE || index >= lnbCount ? -1 : index;
}

} // namespace tarnell
