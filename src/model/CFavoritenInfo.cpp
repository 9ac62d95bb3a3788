#include "CFavoritenInfo.h"

#include "ByteReader.h"
#include "CodePage.h"
#include "SectionIo.h"

#include <algorithm>

namespace tarnell {

std::string CFavoritenInfo::GetName(int favCodepage) const {
    const auto* begin = m_record.data();
    const auto* end = std::find(begin, begin + kRecordSize - 1, uint8_t{0});
    return DecodeText(std::span<const uint8_t>(begin, end), CodePageForFavourites(favCodepage));
}

void CFavoritenInfo::SetName(std::string_view utf8, int favCodepage) {
    auto bytes = EncodeText(utf8, CodePageForFavourites(favCodepage));
    std::replace(bytes.begin(), bytes.end(), uint8_t{0}, uint8_t{'?'});
    bytes.resize(std::min(bytes.size(), kRecordSize - 1));
    m_record.fill(0);
    std::copy(bytes.begin(), bytes.end(), m_record.begin());
}

void CFavoritenInfoArray::LoadSection(const LoadedSection& section) {
    if (section.zlibResult != 0) {
        return;
    }
    m_sectionHeader = section.header;
    ByteReader reader(section.payload);
    if (!reader.ReadExact(m_arrayHeader.data(), m_arrayHeader.size())) {
        return;
    }
    // The count fields are not trusted; the payload length decides.
    const size_t count = section.payload.size() / CFavoritenInfo::kRecordSize;
    // The header holds the byte length in 16 bits.
    for (size_t i = 0; i < count && m_items.size() < 0xFFFF / CFavoritenInfo::kRecordSize; ++i) {
        std::array<uint8_t, CFavoritenInfo::kRecordSize> record{};
        if (!reader.ReadExact(record.data(), record.size())) {
            break;
        }
        m_items.push_back(std::make_unique<CFavoritenInfo>(record));
    }
}

void CFavoritenInfoArray::StoreSection(CFDUPrepackaging& assembler) {
    WriteLE16(m_arrayHeader.data(),
              static_cast<uint16_t>(CFavoritenInfo::kRecordSize * m_items.size()));
    m_arrayHeader[2] = static_cast<uint8_t>(m_items.size());
    std::vector<uint8_t> payload;
    Append(payload, m_arrayHeader);
    for (const auto& f : m_items) {
        Append(payload, f->Record());
    }
    AppendZeros(payload, 3);
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

CFavoritenInfo* CFavoritenInfoArray::AddFavouriteList(std::string_view utf8, int favCodepage) {
    if (m_items.size() >= kMaxLists) {
        return nullptr;
    }
    auto list = std::make_unique<CFavoritenInfo>();
    list->SetName(utf8, favCodepage);
    return Add(std::move(list));
}

} // namespace tarnell
