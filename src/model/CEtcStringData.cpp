#include "CEtcStringData.h"

#include "ByteReader.h"
#include "CodePage.h"
#include "SectionIo.h"

#include <algorithm>

namespace tarnell {

std::string CEtcStringData::GetText(int field) const {
    if (field < 0 || field > 3) {
        return {};
    }
    const auto* begin = m_block.data() + kFieldSize * static_cast<size_t>(field);
    const auto* end = std::find(begin, begin + kFieldSize - 1, uint8_t{0});
    return DecodeText(std::span<const uint8_t>(begin, end), CodePage::Windows1252);
}

void CEtcStringData::SetText(int field, std::string_view utf8) {
    if (field < 0 || field > 3) {
        return;
    }
    auto bytes = EncodeText(utf8, CodePage::Windows1252);
    std::replace(bytes.begin(), bytes.end(), uint8_t{0}, uint8_t{'?'});
    bytes.resize(std::min(bytes.size(), kFieldSize - 1));
    auto* begin = m_block.data() + kFieldSize * static_cast<size_t>(field);
    std::fill_n(begin, kFieldSize, 0);
    std::copy(bytes.begin(), bytes.end(), begin);
}

size_t CEtcStringDataArray::BlockLength() const {
    const auto length = static_cast<int16_t>(ReadLE16(m_arrayHeader.data()));
    return length < 0 ? 0
                      : std::min<size_t>(static_cast<size_t>(length), CEtcStringData::kBlockSize);
}

void CEtcStringDataArray::LoadSection(const LoadedSection& section) {
    ByteReader reader(section.payload);
    std::array<uint8_t, 16> header{};
    if (!reader.ReadExact(header.data(), header.size())) {
        return;
    }
    const auto length = static_cast<int16_t>(ReadLE16(header.data()));
    // A length the 4,096-byte block cannot hold marks a damaged section.
    if (length < 0 || static_cast<size_t>(length) > CEtcStringData::kBlockSize) {
        return;
    }
    auto block = std::make_unique<CEtcStringData>();
    if (reader.ReadExact(block->Block().data(), static_cast<size_t>(length))) {
        // The header's length belongs to the block it describes: both are taken together.
        m_sectionHeader = section.header;
        m_arrayHeader = header;
        m_items.clear(); // holds one block at most
        m_items.push_back(std::move(block));
    }
}

void CEtcStringDataArray::StoreSection(CFDUPrepackaging& assembler) {
    if (m_items.empty()) {
        return;
    }
    const size_t length = BlockLength();
    std::vector<uint8_t> payload;
    Append(payload, m_arrayHeader);
    for (const auto& block : m_items) {
        Append(payload, block->Block().data(), length);
    }
    AppendZeros(payload, 3);
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

} // namespace tarnell
