#pragma once

#include "SectionHeader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace tarnell {

// An owning list of records together with the section header and array header it last read.
// Records live on the heap so that views may hold pointers to them while they exist.
template <class T, size_t HeaderSize = 16> class CRecordArray {
public:
    explicit CRecordArray(uint32_t sectionId) : m_sectionHeader(SectionHeader::Fresh(sectionId)) {}
    CRecordArray(const CRecordArray&) = delete;
    CRecordArray& operator=(const CRecordArray&) = delete;

    size_t Size() const { return m_items.size(); }
    bool Empty() const { return m_items.empty(); }
    T* At(size_t i) const { return m_items[i].get(); }
    T* Add(std::unique_ptr<T> record) {
        m_items.push_back(std::move(record));
        return m_items.back().get();
    }
    T* InsertAt(size_t i, std::unique_ptr<T> record) {
        return m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(i), std::move(record))
            ->get();
    }
    std::unique_ptr<T> TakeAt(size_t i) {
        auto record = std::move(m_items[i]);
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(i));
        return record;
    }
    void RemoveAll() { m_items.clear(); }
    // Position of a record of this list, or -1.
    ptrdiff_t IndexOf(const T* record) const {
        auto it = std::find_if(m_items.begin(), m_items.end(),
                               [record](const auto& p) { return p.get() == record; });
        return it == m_items.end() ? -1 : it - m_items.begin();
    }
    const std::vector<std::unique_ptr<T>>& Items() const { return m_items; }
    std::vector<std::unique_ptr<T>>& Items() { return m_items; }

    SectionHeader& GetSectionHeader() { return m_sectionHeader; }
    const SectionHeader& GetSectionHeader() const { return m_sectionHeader; }
    std::array<uint8_t, HeaderSize>& ArrayHeader() { return m_arrayHeader; }
    const std::array<uint8_t, HeaderSize>& ArrayHeader() const { return m_arrayHeader; }

protected:
    std::vector<std::unique_ptr<T>> m_items;
    SectionHeader m_sectionHeader;
    std::array<uint8_t, HeaderSize> m_arrayHeader{};
};

} // namespace tarnell
