#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnell {

// Keys to table indices, open addressing in one array: the readers look up the transponder of
// every service, and a node-based map spends most of that time chasing pointers.
class KeyIndexMap {
public:
    // Keeps the index already there for a key (the first one wins).
    void Insert(uint64_t key, int index) {
        if ((m_count + 1) * 2 > m_slots.size()) {
            Grow();
        }
        if (Place(m_slots, key, index)) {
            ++m_count;
        }
    }
    // -1 when the key is not there.
    int Find(uint64_t key) const {
        if (m_slots.empty()) {
            return -1;
        }
        const size_t mask = m_slots.size() - 1;
        for (size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
            const Slot& slot = m_slots[i];
            if (slot.index < 0 || slot.key == key) {
                return slot.index;
            }
        }
    }

private:
    struct Slot {
        uint64_t key = 0;
        int index = -1; // -1: empty
    };

    static size_t Hash(uint64_t key) {
        return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 32);
    }
    static bool Place(std::vector<Slot>& slots, uint64_t key, int index) {
        const size_t mask = slots.size() - 1;
        for (size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
            Slot& slot = slots[i];
            if (slot.index < 0) {
                slot = {key, index};
                return true;
            }
            if (slot.key == key) {
                return false;
            }
        }
    }
    void Grow() {
        std::vector<Slot> slots(m_slots.empty() ? 1024 : m_slots.size() * 2);
        for (const Slot& slot : m_slots) {
            if (slot.index >= 0) {
                Place(slots, slot.key, slot.index);
            }
        }
        m_slots.swap(slots);
    }

    std::vector<Slot> m_slots;
    size_t m_count = 0;
};

} // namespace tarnell
