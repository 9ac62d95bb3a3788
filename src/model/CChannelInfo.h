#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnell {

class ModelSnapshot;

// How a display name treats the "<" ">" emphasis marks (stored as 0x86 and 0x87).
enum class NameMarks { Keep, Remove };

// A channel or provider name: the bytes as read, behind an optional character-table byte.
class CChannelInfo {
public:
    static constexpr size_t kMaxRecordBytes = 100;
    static constexpr uint8_t kTableByteLimit = 0x28;

    CChannelInfo() = default;
    // Parses up to 100 bytes of a name record.
    static CChannelInfo FromRecord(std::span<const uint8_t> record);
    // The same, into this record (a list builds its names in place).
    void ReadRecord(std::span<const uint8_t> record);

    uint32_t GetCodePageCode() const { return m_codePageCode; }
    void SetCodePageCode(uint32_t code) { m_codePageCode = code; }
    std::span<const uint8_t> GetText() const {
        return {reinterpret_cast<const uint8_t*>(m_text.data()), m_text.size()};
    }

    std::string GetDisplayName(NameMarks marks = NameMarks::Remove) const;
    // Encodes the text with the record's code page; "<" and ">" become the mark bytes.
    void SetDisplayName(std::string_view utf8);
    std::vector<uint8_t> EncodeName(std::string_view utf8) const;

    // The record as stored: table byte (when the code is not 0), text, terminating zero.
    std::vector<uint8_t> StoredForm() const;
    void AppendStoredForm(std::vector<uint8_t>& out) const;

private:
    friend class ModelSnapshot;
    uint32_t m_codePageCode = 0;
    // 0x10 names carry one more byte before the text; kept so that it is written back.
    std::optional<uint8_t> m_extraTableByte;
    // The text bytes; a string so that short names need no allocation of their own.
    std::string m_text;
};

} // namespace tarnell
