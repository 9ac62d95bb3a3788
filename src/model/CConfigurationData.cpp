#include "CConfigurationData.h"

#include "ByteReader.h"
#include "FileError.h"
#include "ZlibEngine.h"

#include <algorithm>
#include <cstdio>

namespace tarnell {

namespace {
std::string Format(const char* format, int a, int b) {
    char text[160];
    std::snprintf(text, sizeof(text), format, a, b);
    return text;
}
} // namespace

std::optional<std::string> CConfigurationData::ReadConfiguration(std::span<const uint8_t> data) {
    ByteReader reader(data);
    SectionHeader header;
    if (!reader.ReadExact(header.bytes.data(), header.bytes.size()) ||
        header.Id() != kIdConfiguration) {
        return std::nullopt;
    }
    const auto inflated = ZlibEngine::Decompress(data.subspan(kSectionHeaderSize));
    if (inflated.code != 0) {
        return std::string("Die Systemdaten sind fehlerhaft!");
    }
    ByteReader payload(inflated.bytes);
    std::array<uint8_t, 16> inner{};
    if (!payload.ReadExact(inner.data(), inner.size())) {
        return std::nullopt;
    }
    const int n = static_cast<int16_t>(ReadLE16(inner.data()));
    if (n < 0 || n > static_cast<int>(kMaxLength)) {
        return Format("(1) Wrong size of Buffer ( %i vs %i )", n, static_cast<int>(kMaxLength));
    }
    std::array<uint8_t, kMaxLength> structure{};
    if (!payload.ReadExact(structure.data(), static_cast<size_t>(n))) {
        return std::nullopt;
    }
    if (n < static_cast<int>(kMinLength)) {
        return Format("(B) Old style of ConfigurationStruct ( %i / %i )\n\nConfigurationData "
                      "will not be available.",
                      n, static_cast<int>(kMinLength));
    }
    m_sectionHeader = header;
    m_innerHeader = inner;
    m_structure = structure;
    m_length = static_cast<size_t>(n);
    m_valid = true;
    return std::nullopt;
}

std::vector<uint8_t> CConfigurationData::WriteConfiguration(ConfigLayout layout) const {
    if (!m_valid) {
        return {};
    }
    std::vector<uint8_t> payload(m_innerHeader.begin(), m_innerHeader.end());
    payload.insert(payload.end(), m_structure.begin(),
                   m_structure.begin() + static_cast<std::ptrdiff_t>(m_length));
    payload.insert(payload.end(), 3, 0);
    const auto stream = ZlibEngine::Compress(payload, 9);
    const size_t c = stream.bytes.size();
    if (c == 0) {
        return {};
    }
    if (layout == ConfigLayout::File && c > kConfigStreamRoom) {
        throw FileError("The receiver configuration does not fit the settings file (" +
                        std::to_string(c) + " of " + std::to_string(kConfigStreamRoom) +
                        " bytes). Nothing was written.");
    }
    SectionHeader header = m_sectionHeader;
    header.SetLengths(static_cast<uint32_t>(c), static_cast<uint32_t>(payload.size()));
    std::vector<uint8_t> out;
    if (layout == ConfigLayout::File) {
        out.assign(kConfigGap, 0);
    }
    out.insert(out.end(), header.bytes.begin(), header.bytes.end());
    out.insert(out.end(), stream.bytes.begin(), stream.bytes.end());
    if (layout == ConfigLayout::File) {
        out.insert(out.end(), kConfigStreamRoom - c, 0);
    }
    return out;
}

uint32_t CConfigurationData::GetWord(size_t offset) const {
    return offset + 4 <= m_length ? ReadBE32(m_structure.data() + offset) : 0;
}

void CConfigurationData::SetWord(size_t offset, uint32_t value) {
    if (m_valid && offset + 4 <= m_length) {
        WriteBE32(m_structure.data() + offset, value);
    }
}

uint8_t CConfigurationData::GetByte(size_t offset) const {
    return offset < m_length ? m_structure[offset] : 0;
}

void CConfigurationData::SetByte(size_t offset, uint8_t value) {
    if (m_valid && offset < m_length) {
        m_structure[offset] = value;
    }
}

} // namespace tarnell
