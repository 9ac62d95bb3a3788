#include "CChannelInfoArray.h"

#include "ByteReader.h"
#include "SectionIo.h"

#include <algorithm>

namespace tarnell {

void CChannelInfoArray::LoadSection(const LoadedSection& section) {
    m_sectionHeader = section.header;
    ByteReader reader(section.payload);
    if (!reader.ReadExact(m_arrayHeader.data(), m_arrayHeader.size())) {
        return;
    }
    const size_t count = ReadLE16(m_arrayHeader.data());
    std::vector<uint32_t> offsets;
    offsets.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        uint8_t raw[4];
        if (!reader.ReadExact(raw, 4)) {
            break;
        }
        offsets.push_back(ReadLE32(raw));
    }
    // A record ends where the next one begins, so that a name never takes bytes of another.
    std::vector<uint32_t> starts(offsets);
    std::sort(starts.begin(), starts.end());
    const std::span<const uint8_t> payload(section.payload);
    for (const uint32_t offset : offsets) {
        if (m_items.size() >= 0xFFFF) {
            break; // the count is 16 bits, and 0xFFFF means no name
        }
        // An offset past the payload yields what arrived there: an empty name.
        const size_t from = std::min<size_t>(offset, payload.size());
        const auto next = std::upper_bound(starts.begin(), starts.end(), offset);
        const size_t end =
            next == starts.end() ? payload.size() : std::min<size_t>(*next, payload.size());
        const size_t n = std::min(CChannelInfo::kMaxRecordBytes, end - from);
        AddName(payload.subspan(from, n));
    }
}

void CChannelInfoArray::StoreSection(CFDUPrepackaging& assembler) {
    if (m_items.empty()) {
        return;
    }
    const size_t count = m_items.size();
    WriteLE16(m_arrayHeader.data(), static_cast<uint16_t>(count));
    std::vector<uint8_t> payload;
    Append(payload, m_arrayHeader);
    const size_t tableAt = payload.size();
    AppendZeros(payload, 4 * count);
    for (size_t i = 0; i < count; ++i) {
        WriteLE32(payload.data() + tableAt + 4 * i, static_cast<uint32_t>(payload.size()));
        const auto form = m_items[i]->StoredForm();
        payload.insert(payload.end(), form.begin(), form.end());
    }
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

CChannelInfo* CChannelInfoArray::AddName(std::span<const uint8_t> record) {
    return Add(std::make_unique<CChannelInfo>(CChannelInfo::FromRecord(record)));
}

} // namespace tarnell
