#include "CChannelDataArray.h"

#include "ByteReader.h"
#include "SectionIo.h"

#include <algorithm>

namespace tarnell {

void CChannelDataArray::LoadSection(const LoadedSection& section) {
    m_sectionHeader = section.header;
    ByteReader reader(section.payload);
    std::array<uint8_t, 16> header{};
    if (!reader.ReadExact(header.data(), header.size())) {
        return;
    }
    const size_t count = ReadLE16(header.data());
    // An empty section (a list of radio channels only has an empty TV section) says nothing
    // about the size of the records the other section holds.
    const bool keepSize = count == 0 && !m_items.empty();
    const auto size = ReadLE16(m_arrayHeader.data() + 2);
    m_arrayHeader = header;
    if (keepSize) {
        WriteLE16(m_arrayHeader.data() + 2, size);
    }
    if (count == 0) {
        return;
    }
    const size_t recordSize = std::min((section.payload.size() - m_arrayHeader.size()) / count,
                                       CChannelData::kRecordSize);
    WriteLE16(m_arrayHeader.data() + 2, static_cast<uint16_t>(recordSize));
    if (recordSize == 0) {
        return; // a count the payload cannot hold
    }
    const bool tv = section.header.Id() == kIdTvChannels;
    m_items.reserve(m_items.size() +
                    std::min(count, (section.payload.size() - header.size()) / recordSize));
    // Each kind's count is 16 bits on store; a list named twice must not wrap it.
    size_t ofKind = CountKind(tv);
    for (size_t i = 0; i < count && ofKind < 0xFFFF; ++i, ++ofKind) {
        std::array<uint8_t, CChannelData::kRecordSize> record{};
        if (!reader.ReadExact(record.data(), recordSize)) {
            break;
        }
        m_items.push_back(std::make_unique<CChannelData>(record, tv));
    }
}

size_t CChannelDataArray::RecordSize() const {
    const size_t size = ReadLE16(m_arrayHeader.data() + 2);
    // A list that never read a usable header writes whole records rather than none.
    return size == 0 || size > CChannelData::kRecordSize ? CChannelData::kRecordSize : size;
}

void CChannelDataArray::StoreSections(CFDUPrepackaging& assembler, bool evenWhenEmpty) {
    if (m_items.empty() && !evenWhenEmpty) {
        return;
    }
    const size_t recordSize = RecordSize();
    WriteLE16(m_arrayHeader.data() + 2, static_cast<uint16_t>(recordSize));
    for (const bool tv : {true, false}) {
        m_sectionHeader.SetId(tv ? kIdTvChannels : kIdRadioChannels);
        WriteLE16(m_arrayHeader.data(), static_cast<uint16_t>(CountKind(tv)));
        std::vector<uint8_t> payload;
        payload.reserve(m_arrayHeader.size() + m_items.size() * recordSize);
        Append(payload, m_arrayHeader);
        for (const auto& channel : m_items) {
            if (channel->IsTv() == tv) {
                Append(payload, channel->Record().data(), recordSize);
            }
        }
        StoreSection(assembler, m_sectionHeader, payload);
    }
}

CChannelData* CChannelDataArray::AddChannel(bool tv, uint16_t transponderIndex, uint16_t serviceId,
                                            uint16_t storedNumber) {
    if (m_items.size() >= kMaxChannels) {
        return nullptr;
    }
    auto channel = std::make_unique<CChannelData>();
    channel->SetTv(tv);
    channel->SetServiceId(serviceId);
    channel->SetStoredNumber(storedNumber);
    channel->SetNameIndex(CChannelData::kNone);
    channel->SetTransponderIndex(transponderIndex);
    return Add(std::move(channel));
}

int CChannelDataArray::FindChannel(uint16_t transponderIndex, uint16_t serviceId) const {
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i]->GetTransponderIndex() == transponderIndex &&
            m_items[i]->GetServiceId() == serviceId) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CChannelDataArray::IndexWithinKind(uint16_t storedNumber, bool tv) const {
    int position = 0;
    for (const auto& channel : m_items) {
        if (channel->IsTv() != tv) {
            continue;
        }
        if (channel->GetStoredNumber() == storedNumber) {
            return position;
        }
        ++position;
    }
    return -1;
}

void CChannelDataArray::RemoveChannel(const CChannelData* record) {
    const ptrdiff_t i = IndexOf(record);
    if (i >= 0) {
        TakeAt(static_cast<size_t>(i));
    }
}

void CChannelDataArray::AssignRunningNumbers() {
    int tvNumber = 0;
    int radioNumber = 0;
    for (auto& channel : m_items) {
        channel->SetRunningNumber(channel->IsTv() ? ++tvNumber : ++radioNumber);
    }
}

size_t CChannelDataArray::CountKind(bool tv) const {
    return static_cast<size_t>(std::count_if(m_items.begin(), m_items.end(),
                                             [tv](const auto& c) { return c->IsTv() == tv; }));
}

} // namespace tarnell
