#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnell {

// The little-endian archive stream the profile file is written in: 32-bit integers and
// length-prefixed strings, written as UTF-16 behind the 0xFF 0xFFFE marker.
class ArchiveWriter {
public:
    void Int32(int32_t value) { UInt32(static_cast<uint32_t>(value)); }
    void UInt32(uint32_t value);
    void String(std::string_view utf8);
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    void UInt16(uint16_t value);
    std::vector<uint8_t> m_bytes;
};

// Reads what ArchiveWriter writes, and 8-bit strings (Windows-1252) as older files hold them.
// Every read returns false instead of running past the end.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    bool Int32(int32_t& value);
    bool UInt32(uint32_t& value);
    bool String(std::string& utf8);
    size_t Position() const { return m_position; }

private:
    bool Byte(uint8_t& value);
    bool UInt16(uint16_t& value);
    std::span<const uint8_t> m_bytes;
    size_t m_position = 0;
};

// Converts text between two iconv encodings; a sequence that does not convert is left out,
// `unit` bytes at a time.
std::string Recode(std::string_view text, const char* from, const char* to, size_t unit);

} // namespace tarnell
