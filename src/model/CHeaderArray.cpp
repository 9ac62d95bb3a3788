#include "CHeaderArray.h"

#include "ByteOrder.h"
#include "ByteReader.h"

#include <algorithm>

namespace tarnell {

uint32_t CHeaderInfo::Id() const {
    return ReadBE32(bytes.data());
}
int32_t CHeaderInfo::DataOffset() const {
    return static_cast<int32_t>(ReadLE32(bytes.data() + 4));
}
uint32_t CHeaderInfo::Size() const {
    return ReadLE32(bytes.data() + 8);
}

int64_t CHeaderInfo::FileOffset() const {
    const int64_t offset = static_cast<int64_t>(DataOffset()) + kFileOffsetBias;
    return offset < 0 ? -1 : offset;
}

void CHeaderArray::Load(std::span<const uint8_t> file) {
    m_entries.clear();
    m_block.fill(0);
    ByteReader reader(file);
    m_hasBlock = reader.ReadExact(m_block.data(), m_block.size());
    if (!m_hasBlock) {
        return;
    }
    for (size_t i = 0; i < kDirectoryEntries; ++i) {
        CHeaderInfo entry;
        if (!reader.ReadExact(entry.bytes.data(), entry.bytes.size())) {
            break;
        }
        m_entries.push_back(entry);
    }
}

uint16_t CHeaderArray::SectionCount() const {
    return ReadLE16(m_block.data() + 0x410);
}

size_t CHeaderArray::UsableEntries() const {
    return std::min<size_t>(SectionCount(), m_entries.size());
}

} // namespace tarnell
