#include "CAlarmData.h"

#include "ByteReader.h"
#include "SectionIo.h"

#include <algorithm>
#include <chrono>

namespace tarnell {

namespace {
// 17 November 1858, day 0 of the Modified Julian Date.
constexpr std::chrono::sys_days kMjdEpoch = std::chrono::year{1858} / std::chrono::November / 17;
} // namespace

CalendarDate DateFromMjd(int mjd) {
    const std::chrono::year_month_day ymd{kMjdEpoch + std::chrono::days{mjd}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int MjdFromDate(const CalendarDate& date) {
    const std::chrono::sys_days days = std::chrono::year{date.year} /
                                       std::chrono::month{static_cast<unsigned>(date.month)} /
                                       std::chrono::day{static_cast<unsigned>(date.day)};
    return static_cast<int>((days - kMjdEpoch).count());
}

void CAlarmData::Clear() {
    std::fill_n(m_record.begin(), 8, 0);
    const uint8_t middle[8] = {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10};
    std::copy(middle, middle + 8, m_record.begin() + 8);
    std::fill_n(m_record.begin() + 16, 4, 0);
}

void CAlarmDataArray::LoadSection(const LoadedSection& section) {
    m_sectionHeader = section.header;
    ByteReader reader(section.payload);
    if (!reader.ReadExact(m_arrayHeader.data(), m_arrayHeader.size())) {
        return;
    }
    const size_t count = ReadLE16(m_arrayHeader.data());
    const size_t recordSize =
        std::min<size_t>(ReadLE16(m_arrayHeader.data() + 2), CAlarmData::kRecordSize);
    if (recordSize == 0) {
        return;
    }
    // The count is 16 bits on store; a file that names the list twice must not wrap it.
    for (size_t i = 0; i < count && m_items.size() < 0xFFFF; ++i) {
        std::array<uint8_t, CAlarmData::kRecordSize> record{};
        if (!reader.ReadExact(record.data(), recordSize)) {
            break;
        }
        m_items.push_back(std::make_unique<CAlarmData>(record));
    }
}

void CAlarmDataArray::StoreSection(CFDUPrepackaging& assembler) {
    if (m_items.empty()) {
        return;
    }
    size_t recordSize = ReadLE16(m_arrayHeader.data() + 2);
    if (recordSize == 0 || recordSize > CAlarmData::kRecordSize) {
        recordSize = CAlarmData::kRecordSize;
    }
    WriteLE16(m_arrayHeader.data(), static_cast<uint16_t>(m_items.size()));
    WriteLE16(m_arrayHeader.data() + 2, static_cast<uint16_t>(recordSize));
    std::vector<uint8_t> payload;
    Append(payload, m_arrayHeader);
    for (const auto& r : m_items) {
        Append(payload, r->Record().data(), recordSize);
    }
    tarnell::StoreSection(assembler, m_sectionHeader, payload);
}

size_t CAlarmDataArray::CountActive() const {
    // The last two records are the receiver's own and never count as timers.
    const size_t listed = m_items.size() > 2 ? m_items.size() - 2 : 0;
    return static_cast<size_t>(std::count_if(m_items.begin(),
                                             m_items.begin() + static_cast<std::ptrdiff_t>(listed),
                                             [](const auto& t) { return t->IsInUse(); }));
}

} // namespace tarnell
