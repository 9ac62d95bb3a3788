#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace tarnell {

// A read cursor over bytes that never reads past the end: a short read returns what there is,
// which is how the loaders tell a complete record from a truncated one.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : m_data(data) {}

    size_t Size() const { return m_data.size(); }
    size_t Position() const { return m_pos; }
    size_t Remaining() const { return m_data.size() - m_pos; }
    void Seek(size_t pos) { m_pos = std::min(pos, m_data.size()); }

    // Copies up to n bytes to out and returns how many arrived.
    size_t Read(uint8_t* out, size_t n) {
        const size_t got = std::min(n, Remaining());
        if (got > 0) {
            std::memcpy(out, m_data.data() + m_pos, got);
        }
        m_pos += got;
        return got;
    }

    // True when all n bytes arrived.
    bool ReadExact(uint8_t* out, size_t n) { return Read(out, n) == n; }

private:
    std::span<const uint8_t> m_data;
    size_t m_pos = 0;
};

} // namespace tarnell
