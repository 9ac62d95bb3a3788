#include "ArchiveStream.h"

#include "CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace tarnell {

void ArchiveWriter::UInt16(uint16_t value) {
    m_bytes.push_back(static_cast<uint8_t>(value));
    m_bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void ArchiveWriter::UInt32(uint32_t value) {
    UInt16(static_cast<uint16_t>(value));
    UInt16(static_cast<uint16_t>(value >> 16));
}

void ArchiveWriter::String(std::string_view utf8) {
    const std::string text = Recode(utf8, "UTF-8", "UTF-16LE", 1);
    const size_t n = text.size() / 2;
    m_bytes.push_back(0xFF);
    UInt16(0xFFFE);
    if (n < 0xFF) {
        m_bytes.push_back(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        m_bytes.push_back(0xFF);
        UInt16(static_cast<uint16_t>(n));
    } else {
        m_bytes.push_back(0xFF);
        UInt16(0xFFFF);
        UInt32(static_cast<uint32_t>(n));
    }
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

bool ArchiveReader::Byte(uint8_t& value) {
    if (m_position >= m_bytes.size()) {
        return false;
    }
    value = m_bytes[m_position++];
    return true;
}

bool ArchiveReader::UInt16(uint16_t& value) {
    uint8_t lo = 0;
    uint8_t hi = 0;
    if (!Byte(lo) || !Byte(hi)) {
        return false;
    }
    value = static_cast<uint16_t>(lo | (hi << 8));
    return true;
}

bool ArchiveReader::UInt32(uint32_t& value) {
    uint16_t lo = 0;
    uint16_t hi = 0;
    if (!UInt16(lo) || !UInt16(hi)) {
        return false;
    }
    value = lo | (static_cast<uint32_t>(hi) << 16);
    return true;
}

bool ArchiveReader::Int32(int32_t& value) {
    uint32_t raw = 0;
    if (!UInt32(raw)) {
        return false;
    }
    value = static_cast<int32_t>(raw);
    return true;
}

bool ArchiveReader::String(std::string& utf8) {
    // The length escapes: a byte below 0xFF, else a word below 0xFFFF, else a double word;
    // the word 0xFFFE instead says UTF-16 follows and the length starts over.
    bool wide = false;
    uint8_t shortLength = 0;
    if (!Byte(shortLength)) {
        return false;
    }
    uint32_t length = shortLength;
    if (shortLength == 0xFF) {
        uint16_t word = 0;
        if (!UInt16(word)) {
            return false;
        }
        if (word == 0xFFFE) {
            wide = true;
            if (!Byte(shortLength)) {
                return false;
            }
            length = shortLength;
            if (shortLength == 0xFF && !UInt16(word)) {
                return false;
            }
        }
        if (shortLength == 0xFF) {
            length = word;
            if (word == 0xFFFF && (!UInt32(length) || length == 0xFFFFFFFF)) {
                return false; // no profile text is ever 4 GB long
            }
        }
    }
    const size_t bytes = static_cast<size_t>(length) * (wide ? 2 : 1);
    if (bytes > m_bytes.size() - m_position) {
        return false;
    }
    const auto raw = m_bytes.subspan(m_position, bytes);
    m_position += bytes;
    utf8 = wide ? Recode({reinterpret_cast<const char*>(raw.data()), raw.size()}, "UTF-16LE",
                         "UTF-8", 2)
                : DecodeText(raw, CodePage::Windows1252);
    return true;
}

std::string Recode(std::string_view text, const char* from, const char* to, size_t unit) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return {};
    }
    // UTF-8 takes at most three bytes for one UTF-16 unit, UTF-16 two for one UTF-8 byte.
    std::string out(text.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* next = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0 && iconv(cd, &in, &inLeft, &next, &outLeft) == static_cast<size_t>(-1)) {
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        // A broken sequence (half a surrogate pair, a stray byte) is left out.
        const size_t skip = std::min(unit, inLeft);
        in += skip;
        inLeft -= skip;
    }
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace tarnell
