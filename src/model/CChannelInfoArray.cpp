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
    // Offsets are normally ascending; only others need the sorted copy.
    const bool ascending = std::is_sorted(offsets.begin(), offsets.end());
    std::vector<uint32_t> sorted;
    if (!ascending) {
        sorted = offsets;
        std::sort(sorted.begin(), sorted.end());
    }
    const std::span<const uint8_t> payload(section.payload);
    // For ascending offsets, the next larger one of each, found in one backward pass (equal
    // offsets name the same record).
    std::vector<size_t> nextLarger;
    if (ascending) {
        nextLarger.resize(offsets.size(), payload.size());
        for (size_t i = offsets.size(); i-- > 1;) {
            nextLarger[i - 1] = offsets[i] > offsets[i - 1] ? offsets[i] : nextLarger[i];
        }
    }
    m_items.reserve(m_items.size() + offsets.size());
    for (size_t i = 0; i < offsets.size(); ++i) {
        if (m_items.size() >= 0xFFFF) {
            break; // the count is 16 bits, and 0xFFFF means no name
        }
        const uint32_t offset = offsets[i];
        size_t next = payload.size();
        if (ascending) {
            next = nextLarger[i];
        } else if (auto it = std::upper_bound(sorted.begin(), sorted.end(), offset);
                   it != sorted.end()) {
            next = *it;
        }
        // An offset past the payload yields what arrived there: an empty name.
        const size_t from = std::min<size_t>(offset, payload.size());
        const size_t end = std::min(next, payload.size());
        AddName(payload.subspan(from, std::min(CChannelInfo::kMaxRecordBytes, end - from)));
    }
}

void CChannelInfoArray::StoreSection(CFDUPrepackaging& assembler) {
    if (m_items.empty()) {
        return;
    }
    const size_t count = m_items.size();
    WriteLE16(m_arrayHeader.data(), static_cast<uint16_t>(count));
    std::vector<uint8_t> payload;
    payload.reserve(m_arrayHeader.size() + 4 * count + 24 * count);
    Append(payload, m_arrayHeader);
    const size_t tableAt = payload.size();
    AppendZeros(payload, 4 * count);
    for (size_t i = 0; i < count; ++i) {
        WriteLE32(payload.data() + tableAt + 4 * i, static_cast<uint32_t>(payload.size()));
        m_items[i]->AppendStoredForm(payload);
    }
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

CChannelInfo* CChannelInfoArray::AddName(std::span<const uint8_t> record) {
    auto name = std::make_unique<CChannelInfo>();
    name->ReadRecord(record);
    return Add(std::move(name));
}

} // namespace tarnell
