#include "CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <unordered_map>

namespace tarnell {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

const char* IconvName(CodePage cp) {
    switch (cp) {
    case CodePage::Windows1252:
        return "CP1252";
    case CodePage::Iso6937:
        return "ISO_6937";
    case CodePage::Iso8859_1:
        return "ISO-8859-1";
    case CodePage::Iso8859_2:
        return "ISO-8859-2";
    case CodePage::Iso8859_5:
        return "ISO-8859-5";
    case CodePage::Iso8859_6:
        return "ISO-8859-6";
    case CodePage::Iso8859_7:
        return "ISO-8859-7";
    case CodePage::Iso8859_8:
        return "ISO-8859-8";
    case CodePage::Iso8859_9:
        return "ISO-8859-9";
    case CodePage::Utf8:
        return "UTF-8";
    }
    return "ISO-8859-1";
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at s[i]; invalid sequences yield U+FFFD and one byte.
char32_t NextUtf8(std::string_view s, size_t& i, size_t& length) {
    const auto b0 = static_cast<uint8_t>(s[i]);
    auto cont = [&](size_t k) {
        return i + k < s.size() && (static_cast<uint8_t>(s[i + k]) & 0xC0) == 0x80;
    };
    char32_t c = kReplacement;
    length = 1;
    if (b0 < 0x80) {
        c = b0;
    } else if ((b0 & 0xE0) == 0xC0 && b0 >= 0xC2 && cont(1)) {
        c = ((b0 & 0x1Fu) << 6) | (static_cast<uint8_t>(s[i + 1]) & 0x3Fu);
        length = 2;
    } else if ((b0 & 0xF0) == 0xE0 && cont(1) && cont(2)) {
        c = ((b0 & 0x0Fu) << 12) | ((static_cast<uint8_t>(s[i + 1]) & 0x3Fu) << 6) |
            (static_cast<uint8_t>(s[i + 2]) & 0x3Fu);
        length = 3;
        if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF)) {
            c = kReplacement;
        }
    } else if ((b0 & 0xF8) == 0xF0 && cont(1) && cont(2) && cont(3)) {
        c = ((b0 & 0x07u) << 18) | ((static_cast<uint8_t>(s[i + 1]) & 0x3Fu) << 12) |
            ((static_cast<uint8_t>(s[i + 2]) & 0x3Fu) << 6) |
            (static_cast<uint8_t>(s[i + 3]) & 0x3Fu);
        length = 4;
        if (c < 0x10000 || c > 0x10FFFF) {
            c = kReplacement;
        }
    }
    i += length;
    return c;
}

// Byte -> character tables of the single-byte code pages, built once from iconv.
struct SingleByteTable {
    std::array<char32_t, 256> toUnicode{};
    std::unordered_map<char32_t, uint8_t> fromUnicode;
};

SingleByteTable BuildTable(CodePage cp) {
    SingleByteTable table;
    iconv_t cd = iconv_open("UTF-32LE", IconvName(cp));
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        uint8_t outBytes[8] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(outBytes);
        size_t inLeft = 1;
        size_t outLeft = sizeof(outBytes);
        char32_t c = kReplacement;
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
                outLeft == 4) {
                c = outBytes[0] | (outBytes[1] << 8) | (outBytes[2] << 16) |
                    (static_cast<char32_t>(outBytes[3]) << 24);
            }
        }
        // Windows keeps the five bytes Windows-1252 leaves undefined as the same C1 code points.
        if (c == kReplacement && cp == CodePage::Windows1252) {
            c = static_cast<char32_t>(b);
        }
        table.toUnicode[static_cast<size_t>(b)] = c;
        if (c != kReplacement) {
            table.fromUnicode.emplace(c, static_cast<uint8_t>(b));
        }
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) {
        iconv_close(cd);
    }
    return table;
}

const SingleByteTable& TableFor(CodePage cp) {
    static const std::map<CodePage, SingleByteTable> tables = [] {
        std::map<CodePage, SingleByteTable> m;
        for (CodePage cp2 :
             {CodePage::Windows1252, CodePage::Iso8859_1, CodePage::Iso8859_2, CodePage::Iso8859_5,
              CodePage::Iso8859_6, CodePage::Iso8859_7, CodePage::Iso8859_8, CodePage::Iso8859_9}) {
            m.emplace(cp2, BuildTable(cp2));
        }
        return m;
    }();
    return tables.at(cp);
}

std::string DecodeIso6937(std::span<const uint8_t> bytes) {
    std::string out;
    iconv_t cd = iconv_open("UTF-8", "ISO_6937");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return DecodeText(bytes, CodePage::Iso8859_1);
    }
    std::vector<char> buffer(bytes.size() * 4 + 8);
    size_t i = 0;
    while (i < bytes.size()) {
        char* in = reinterpret_cast<char*>(const_cast<uint8_t*>(bytes.data() + i));
        size_t inLeft = bytes.size() - i;
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), static_cast<size_t>(outPtr - buffer.data()));
        i = bytes.size() - inLeft;
        if (rc == static_cast<size_t>(-1)) {
            // An undefined byte or a dangling diacritic: show a replacement and go on.
            AppendUtf8(out, kReplacement);
            ++i;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

std::vector<uint8_t> EncodeIso6937(std::string_view utf8) {
    std::vector<uint8_t> out;
    iconv_t cd = iconv_open("ISO_6937", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return EncodeText(utf8, CodePage::Iso8859_1);
    }
    size_t i = 0;
    while (i < utf8.size()) {
        size_t length = 0;
        const size_t start = i;
        const char32_t c = NextUtf8(utf8, i, length);
        char outBytes[8];
        char* in = const_cast<char*>(utf8.data() + start);
        size_t inLeft = length;
        char* outPtr = outBytes;
        size_t outLeft = sizeof(outBytes);
        if (c != kReplacement &&
            iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) {
            out.insert(out.end(), outBytes, outPtr);
        } else {
            out.push_back('?');
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::string DecodeText(std::span<const uint8_t> bytes, CodePage codePage) {
    std::string out;
    out.reserve(bytes.size());
    if (codePage == CodePage::Utf8) {
        const std::string_view s(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        for (size_t i = 0; i < s.size();) {
            size_t length = 0;
            AppendUtf8(out, NextUtf8(s, i, length));
        }
        return out;
    }
    if (codePage == CodePage::Iso6937) {
        return DecodeIso6937(bytes);
    }
    const auto& table = TableFor(codePage).toUnicode;
    for (uint8_t b : bytes) {
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else {
            AppendUtf8(out, table[b]);
        }
    }
    return out;
}

std::vector<uint8_t> EncodeText(std::string_view utf8, CodePage codePage) {
    std::vector<uint8_t> out;
    if (codePage == CodePage::Utf8) {
        std::string clean;
        for (size_t i = 0; i < utf8.size();) {
            size_t length = 0;
            const char32_t c = NextUtf8(utf8, i, length);
            if (c == kReplacement) {
                clean += '?';
            } else {
                AppendUtf8(clean, c);
            }
        }
        out.assign(clean.begin(), clean.end());
        return out;
    }
    if (codePage == CodePage::Iso6937) {
        return EncodeIso6937(utf8);
    }
    const auto& from = TableFor(codePage).fromUnicode;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        size_t length = 0;
        const char32_t c = NextUtf8(utf8, i, length);
        if (c < 0x80) {
            out.push_back(static_cast<uint8_t>(c));
            continue;
        }
        auto it = from.find(c);
        out.push_back(it == from.end() ? static_cast<uint8_t>('?') : it->second);
    }
    return out;
}

bool CanEncode(std::string_view utf8, CodePage codePage) {
    if (codePage == CodePage::Utf8) {
        return true;
    }
    if (codePage == CodePage::Iso6937) {
        const auto bytes = EncodeIso6937(utf8);
        return DecodeIso6937(bytes) == utf8;
    }
    const auto& from = TableFor(codePage).fromUnicode;
    for (size_t i = 0; i < utf8.size();) {
        size_t length = 0;
        const char32_t c = NextUtf8(utf8, i, length);
        if (c == kReplacement || (c >= 0x80 && !from.contains(c))) {
            return false;
        }
    }
    return true;
}

CodePage CodePageForTableCode(uint32_t code) {
    switch (code) {
    case 0:
        return CodePage::Iso8859_2;
    case 1:
        return CodePage::Iso8859_5;
    case 2:
        return CodePage::Iso8859_6;
    case 3:
        return CodePage::Iso8859_7;
    case 4:
        return CodePage::Iso8859_8;
    case 5:
        return CodePage::Iso8859_9;
    default:
        return CodePage::Iso8859_1;
    }
}

CodePage CodePageForFavourites(int favCodepage) {
    switch (favCodepage) {
    case 0:
        return CodePage::Iso6937;
    case 1:
        return CodePage::Iso8859_5;
    case 2:
        return CodePage::Iso8859_6;
    case 3:
        return CodePage::Iso8859_7;
    case 4:
        return CodePage::Iso8859_8;
    case 5:
        return CodePage::Iso8859_9;
    default:
        return CodePage::Utf8;
    }
}

CodePage CodePageForTimerText(uint32_t code) {
    switch (code) {
    case 1:
        return CodePage::Iso8859_5;
    case 2:
        return CodePage::Iso8859_6;
    case 3:
        return CodePage::Iso8859_7;
    case 4:
        return CodePage::Iso8859_8;
    default:
        return CodePage::Windows1252;
    }
}

} // namespace tarnell
