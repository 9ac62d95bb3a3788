#include "CChannelInfo.h"

#include "CodePage.h"

#include <algorithm>
#include <cstring>

namespace tarnell {

namespace {
constexpr uint8_t kMarkOpen = 0x86;
constexpr uint8_t kMarkClose = 0x87;
} // namespace

CChannelInfo CChannelInfo::FromRecord(std::span<const uint8_t> record) {
    CChannelInfo info;
    info.ReadRecord(record);
    return info;
}

void CChannelInfo::ReadRecord(std::span<const uint8_t> record) {
    record = record.first(std::min(record.size(), kMaxRecordBytes));
    size_t start = 0;
    m_codePageCode = 0;
    m_extraTableByte.reset();
    // A leading zero is the terminator of an empty name, not a table byte: reading on past it
    // would take the following name's text.
    if (!record.empty() && record[0] != 0 && record[0] < kTableByteLimit) {
        m_codePageCode = record[0];
        start = 1;
        // 0x10 is followed by one more table byte (0x00 in the usual 10 00 0n form); a record
        // that ends right behind a zero has no such byte, the zero is its terminator.
        if (record[0] == 0x10 && record.size() > 1 && (record[1] != 0 || record.size() > 2)) {
            m_extraTableByte = record[1];
            start = 2;
        }
    }
    const auto text = record.subspan(start);
    if (text.empty()) {
        m_text.clear();
        return;
    }
    const auto* end = static_cast<const uint8_t*>(std::memchr(text.data(), 0, text.size()));
    m_text.assign(reinterpret_cast<const char*>(text.data()),
                  end == nullptr ? text.size() : static_cast<size_t>(end - text.data()));
}

std::string CChannelInfo::GetDisplayName(NameMarks marks) const {
    std::vector<uint8_t> bytes;
    bytes.reserve(m_text.size());
    for (const uint8_t b : GetText()) {
        if (b == kMarkOpen || b == kMarkClose || b == '<' || b == '>') {
            if (marks == NameMarks::Keep) {
                bytes.push_back(b == kMarkOpen || b == '<' ? '<' : '>');
            }
            continue;
        }
        bytes.push_back(b);
    }
    return DecodeText(bytes, CodePageForTableCode(m_codePageCode));
}

std::vector<uint8_t> CChannelInfo::EncodeName(std::string_view utf8) const {
    return EncodeText(utf8, CodePageForTableCode(m_codePageCode));
}

void CChannelInfo::SetDisplayName(std::string_view utf8) {
    auto bytes = EncodeName(utf8);
    for (auto& b : bytes) {
        if (b == '<') {
            b = kMarkOpen;
        } else if (b == '>') {
            b = kMarkClose;
        } else if (b == 0) {
            b = '?'; // a zero would end the name early
        }
    }
    m_text.assign(bytes.begin(), bytes.end());
    if (m_text.size() + 3 > kMaxRecordBytes) {
        m_text.resize(kMaxRecordBytes - 3);
    }
}

std::vector<uint8_t> CChannelInfo::StoredForm() const {
    std::vector<uint8_t> out;
    out.reserve(m_text.size() + 3);
    AppendStoredForm(out);
    return out;
}

void CChannelInfo::AppendStoredForm(std::vector<uint8_t>& out) const {
    if (m_codePageCode != 0) {
        out.push_back(static_cast<uint8_t>(m_codePageCode));
        if (m_extraTableByte) {
            out.push_back(*m_extraTableByte);
        }
    }
    const auto text = GetText();
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

} // namespace tarnell
