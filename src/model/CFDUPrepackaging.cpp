#include "CFDUPrepackaging.h"

#include "ByteOrder.h"
#include "FileError.h"

#include <algorithm>
#include <string>

namespace tarnell {

void CFDUPrepackaging::AddSection(const SectionHeader& header, std::span<const uint8_t> stream) {
    m_entries.push_back({header.Id(), static_cast<uint32_t>(m_data.size() + kDataOffsetBias),
                         static_cast<uint32_t>(stream.size() + kSectionHeaderSize)});
    m_data.insert(m_data.end(), header.bytes.begin(), header.bytes.end());
    m_data.insert(m_data.end(), stream.begin(), stream.end());
    if (const size_t rest = stream.size() % 4; rest != 0) {
        m_data.insert(m_data.end(), 4 - rest, 0xFF);
    }
}

std::vector<uint8_t> CFDUPrepackaging::WriteServicePart() const {
    if (m_data.size() > kDataAreaCapacity) {
        throw FileError("The channel list is too large for the receiver: its sections need " +
                        std::to_string(m_data.size()) + " bytes, but the settings file holds " +
                        std::to_string(kDataAreaCapacity) + ". Nothing was written.");
    }
    if (m_entries.size() > kDirectoryEntries) {
        throw FileError("Too many sections for the settings file directory.");
    }
    std::vector<uint8_t> out(kServicePartSize, 0xFF);
    uint8_t* block = out.data();
    std::fill_n(block, kDirectoryBlockSize, 0);
    block[0x402] = 0x01;
    block[0x403] = 0xFD;
    const uint32_t end = static_cast<uint32_t>(m_data.size()) + kDataOffsetBias;
    block[0x404] = static_cast<uint8_t>(end);
    block[0x405] = static_cast<uint8_t>(end >> 8);
    block[0x406] = static_cast<uint8_t>(end >> 16);
    WriteLE16(block + 0x410, static_cast<uint16_t>(m_entries.size()));
    std::fill_n(block + 0x412, 6, 0xFF);

    for (size_t i = 0; i < m_entries.size(); ++i) {
        uint8_t* entry = out.data() + kDirectoryBlockSize + i * kDirectoryEntrySize;
        WriteBE32(entry, m_entries[i].id);
        WriteLE32(entry + 4, m_entries[i].dataOffset);
        WriteLE32(entry + 8, m_entries[i].size);
    }
    std::copy(m_data.begin(), m_data.end(), out.begin() + kDirectorySize);
    return out;
}

} // namespace tarnell
