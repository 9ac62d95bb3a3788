#include "ChannelClipboardBlock.h"

#include "ByteOrder.h"
#include "CSettingsFile.h"

#include <cstring>

namespace tarnell {

namespace {

constexpr uint8_t kKnownKind = 0x80;

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t raw[4];
    WriteLE32(raw, v);
    out.insert(out.end(), raw, raw + 4);
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

std::u16string Utf8ToUtf16(const std::string& in) {
    std::u16string out;
    for (size_t i = 0; i < in.size();) {
        const auto c = static_cast<unsigned char>(in[i]);
        uint32_t cp = 0xFFFD;
        size_t n = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 6 && i + 1 < in.size()) {
            cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(in[i + 1]) & 0x3Fu);
            n = 2;
        } else if ((c >> 4) == 14 && i + 2 < in.size()) {
            cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(in[i + 1]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(in[i + 2]) & 0x3Fu);
            n = 3;
        } else if ((c >> 3) == 30 && i + 3 < in.size()) {
            cp = ((c & 0x07u) << 18) | ((static_cast<unsigned char>(in[i + 1]) & 0x3Fu) << 12) |
                 ((static_cast<unsigned char>(in[i + 2]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(in[i + 3]) & 0x3Fu);
            n = 4;
        }
        i += n;
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp > 0xFFFF ? 0xFFFD : cp));
        }
    }
    return out;
}

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string Utf16ToUtf8(const std::u16string& in) {
    std::string out;
    for (size_t i = 0; i < in.size(); ++i) {
        uint32_t cp = in[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < in.size() && in[i + 1] >= 0xDC00 &&
            in[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00u);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD; // a lone surrogate
        }
        AppendUtf8(out, cp);
    }
    return out;
}

// A name as the framework's archives write a wide string: the Unicode marker, the length in
// characters in the shortest of three forms, then the UTF-16LE characters.
void PutName(std::vector<uint8_t>& out, const std::string& utf8) {
    const std::u16string text = Utf8ToUtf16(utf8);
    out.push_back(0xFF);
    PutU16(out, 0xFFFE);
    const size_t n = text.size();
    if (n < 0xFF) {
        out.push_back(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        out.push_back(0xFF);
        PutU16(out, static_cast<uint16_t>(n));
    } else {
        out.push_back(0xFF);
        PutU16(out, 0xFFFF);
        PutU32(out, static_cast<uint32_t>(n));
    }
    for (const char16_t c : text) {
        PutU16(out, static_cast<uint16_t>(c));
    }
}

// Reads outside bytes: every read checks what is left first.
class BoundedReader {
public:
    explicit BoundedReader(std::span<const uint8_t> in) : m_in(in) {}
    size_t Left() const { return m_in.size() - m_pos; }
    bool AtEnd() const { return m_pos == m_in.size(); }
    bool Bytes(uint8_t* out, size_t n) {
        if (n > Left()) {
            return false;
        }
        std::memcpy(out, m_in.data() + m_pos, n);
        m_pos += n;
        return true;
    }
    bool U8(uint8_t& v) { return Bytes(&v, 1); }
    bool U16(uint16_t& v) {
        uint8_t raw[2];
        if (!Bytes(raw, 2)) {
            return false;
        }
        v = ReadLE16(raw);
        return true;
    }
    bool U32(uint32_t& v) {
        uint8_t raw[4];
        if (!Bytes(raw, 4)) {
            return false;
        }
        v = ReadLE32(raw);
        return true;
    }
    // A table count that the remaining bytes can hold, at `minBytes` an entry.
    bool Count(uint32_t& n, size_t minBytes) { return U32(n) && n <= Left() / minBytes; }

private:
    std::span<const uint8_t> m_in;
    size_t m_pos = 0;
};

bool ReadName(BoundedReader& r, std::string& utf8) {
    uint8_t b = 0;
    uint16_t w = 0;
    if (!r.U8(b) || b != 0xFF || !r.U16(w) || w != 0xFFFE || !r.U8(b)) {
        return false;
    }
    uint32_t n = b;
    if (b == 0xFF) {
        if (!r.U16(w)) {
            return false;
        }
        n = w;
        if (w == 0xFFFF && !r.U32(n)) {
            return false;
        }
    }
    if (n > ChannelClipboardBlock::kMaxNameChars || n > r.Left() / 2) {
        return false;
    }
    std::u16string text(n, u'\0');
    for (auto& c : text) {
        r.U16(w);
        c = static_cast<char16_t>(w);
    }
    utf8 = Utf16ToUtf8(text);
    return true;
}

template <size_t N> std::vector<std::array<uint8_t, N>> ReadTable(BoundedReader& r, bool& ok) {
    std::vector<std::array<uint8_t, N>> table;
    uint32_t n = 0;
    if (!r.Count(n, N)) {
        ok = false;
        return table;
    }
    table.resize(n);
    for (auto& record : table) {
        r.Bytes(record.data(), N);
    }
    return table;
}

std::string WithoutMarks(std::string name) {
    std::erase_if(name, [](char c) { return c == '<' || c == '>'; });
    return name;
}

} // namespace

std::vector<ClipboardChannel>
ChannelClipboardBlock::Collect(const CSettingsFile& file,
                               const std::vector<const CChannelData*>& channels) {
    std::vector<ClipboardChannel> out;
    out.reserve(channels.size());
    for (const CChannelData* channel : channels) {
        ClipboardChannel c;
        c.record = channel->Record();
        c.tv = channel->IsTv();
        const uint16_t nameIndex = channel->GetNameIndex();
        if (nameIndex < file.m_channelNames.Size()) {
            const CChannelInfo& name = *file.m_channelNames.At(nameIndex);
            c.codePageCode = static_cast<uint8_t>(name.GetCodePageCode());
            c.name = WithoutMarks(name.GetDisplayName());
        }
        if (c.name.empty()) {
            c.name = "SVC_" + std::to_string(channel->GetServiceId()) + " Service";
        }
        const uint16_t t = channel->GetTransponderIndex();
        if (t < file.m_transponders.Size()) {
            const CTransponderData& transponder = *file.m_transponders.At(t);
            c.transponder = transponder.Record();
            const uint16_t s = transponder.GetSatelliteIndex();
            if (s < file.m_satellites.Size()) {
                c.satellite = file.m_satellites.At(s)->Record();
            }
        }
        out.push_back(std::move(c));
    }
    return out;
}

std::vector<uint8_t> ChannelClipboardBlock::Encode(const std::vector<ClipboardChannel>& channels) {
    std::vector<uint8_t> out;
    const auto n = static_cast<uint32_t>(channels.size());
    PutU32(out, n);
    for (const auto& c : channels) {
        out.insert(out.end(), c.record.begin(), c.record.end());
    }
    PutU32(out, n);
    for (const auto& c : channels) {
        out.insert(out.end(), c.satellite.begin(), c.satellite.end());
    }
    PutU32(out, n);
    for (const auto& c : channels) {
        out.insert(out.end(), c.transponder.begin(), c.transponder.end());
    }
    PutU32(out, n);
    for (const auto& c : channels) {
        PutName(out, c.name);
    }
    PutU32(out, n);
    for (const auto& c : channels) {
        out.push_back(c.tv ? static_cast<uint8_t>(kKnownKind | (*c.tv ? 1 : 0)) : 0);
        out.push_back(c.codePageCode);
    }
    return out;
}

std::optional<ChannelClipboardBlock::Decoded>
ChannelClipboardBlock::Decode(std::span<const uint8_t> bytes) {
    BoundedReader r(bytes);
    bool ok = true;
    const auto records = ReadTable<CChannelData::kRecordSize>(r, ok);
    const auto satellites = ok ? ReadTable<CSatelliteInfo::kRecordSize>(r, ok)
                               : std::vector<std::array<uint8_t, CSatelliteInfo::kRecordSize>>{};
    const auto transponders =
        ok ? ReadTable<CTransponderData::kRecordSize>(r, ok)
           : std::vector<std::array<uint8_t, CTransponderData::kRecordSize>>{};
    uint32_t nameCount = 0;
    // A name takes at least its marker and a length byte.
    if (!ok || !r.Count(nameCount, 4)) {
        return std::nullopt;
    }
    std::vector<std::string> names(nameCount);
    for (auto& name : names) {
        if (!ReadName(r, name)) {
            return std::nullopt;
        }
    }
    Decoded decoded;
    decoded.usable = !records.empty() && !satellites.empty() && !transponders.empty();
    if (!decoded.usable) {
        return decoded;
    }
    // The tables are parallel: entry k of each belongs to channel k.
    const size_t n = records.size();
    if (satellites.size() != n || transponders.size() != n || names.size() != n) {
        return std::nullopt;
    }
    decoded.channels.resize(n);
    for (size_t k = 0; k < n; ++k) {
        auto& c = decoded.channels[k];
        c.record = records[k];
        c.satellite = satellites[k];
        c.transponder = transponders[k];
        c.name = std::move(names[k]);
    }
    // Our own table; blocks from elsewhere end before it.
    if (!r.AtEnd()) {
        uint32_t kinds = 0;
        if (!r.Count(kinds, 2) || kinds != n) {
            return std::nullopt;
        }
        for (auto& c : decoded.channels) {
            uint8_t kind = 0;
            r.U8(kind);
            r.U8(c.codePageCode);
            if (kind & kKnownKind) {
                c.tv = (kind & 1) != 0;
            }
        }
    }
    return decoded;
}

} // namespace tarnell
