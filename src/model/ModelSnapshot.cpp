#include "ModelSnapshot.h"

#include "CSettingsFile.h"
#include "FileError.h"
#include "ZlibEngine.h"

#include <cstring>

namespace tarnell {

namespace {

class Writer {
public:
    void Bytes(const uint8_t* p, size_t n) { m_out.insert(m_out.end(), p, p + n); }
    template <size_t N> void Bytes(const std::array<uint8_t, N>& a) { Bytes(a.data(), N); }
    void U32(uint32_t v) {
        uint8_t raw[4];
        WriteLE32(raw, v);
        Bytes(raw, 4);
    }
    void Blob(const std::vector<uint8_t>& v) {
        U32(static_cast<uint32_t>(v.size()));
        Bytes(v.data(), v.size());
    }
    std::vector<uint8_t>& Out() { return m_out; }

private:
    std::vector<uint8_t> m_out;
};

class Reader {
public:
    explicit Reader(std::span<const uint8_t> in) : m_in(in) {}
    void Bytes(uint8_t* p, size_t n) {
        if (n > m_in.size() - m_pos) {
            throw FileError("The undo history is damaged.");
        }
        std::memcpy(p, m_in.data() + m_pos, n);
        m_pos += n;
    }
    template <size_t N> void Bytes(std::array<uint8_t, N>& a) { Bytes(a.data(), N); }
    uint32_t U32() {
        uint8_t raw[4];
        Bytes(raw, 4);
        return ReadLE32(raw);
    }
    std::vector<uint8_t> Blob() {
        std::vector<uint8_t> v(U32());
        Bytes(v.data(), v.size());
        return v;
    }

private:
    std::span<const uint8_t> m_in;
    size_t m_pos = 0;
};

// Section header, array header and records of a list; `extra` writes what a record holds
// beside its raw bytes.
template <class Array, class Extra> void WriteArray(Writer& w, const Array& a, Extra extra) {
    w.Bytes(a.GetSectionHeader().bytes);
    w.Bytes(a.ArrayHeader());
    w.U32(static_cast<uint32_t>(a.Size()));
    for (const auto& r : a.Items()) {
        extra(w, *r);
    }
}

template <class Array, class Extra> void ReadArray(Reader& r, Array& a, Extra extra) {
    r.Bytes(a.GetSectionHeader().bytes);
    r.Bytes(a.ArrayHeader());
    const uint32_t n = r.U32();
    a.RemoveAll();
    a.Items().reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        a.Items().push_back(extra(r));
    }
}

} // namespace

std::vector<uint8_t> ModelSnapshot::Take(const CSettingsFile& f) {
    Writer w;
    w.Bytes(f.m_headers.m_block);
    w.U32(f.m_headers.m_hasBlock ? 1 : 0);
    w.U32(static_cast<uint32_t>(f.m_headers.m_entries.size()));
    for (const auto& e : f.m_headers.m_entries) {
        w.Bytes(e.bytes);
    }
    w.Bytes(f.m_fduInfo.m_sectionHeader.bytes);
    w.Bytes(f.m_fduInfo.m_text);
    w.U32(f.m_fduInfo.m_present ? 1 : 0);

    WriteArray(w, f.m_satellites, [](Writer& o, const CSatelliteInfo& s) {
        o.Bytes(s.m_record);
        o.U32(s.m_codePageCode);
        o.U32(static_cast<uint32_t>(s.m_sequenceNumber));
        o.U32(s.m_hasChannels ? 1 : 0);
    });
    w.U32(static_cast<uint32_t>(f.m_satellites.m_sequenceCounter));
    WriteArray(w, f.m_lnbs, [](Writer& o, const CSatelliteData& r) { o.Bytes(r.Record()); });
    WriteArray(w, f.m_transponders, [](Writer& o, const CTransponderData& t) {
        o.Bytes(t.Record());
        o.U32(t.GetNamespace());
    });
    auto writeName = [](Writer& o, const CChannelInfo& n) {
        o.U32(n.m_codePageCode);
        o.U32(n.m_extraTableByte ? 0x100u | *n.m_extraTableByte : 0);
        o.Blob(std::vector<uint8_t>(n.m_text.begin(), n.m_text.end()));
    };
    WriteArray(w, f.m_providerNames, writeName);
    WriteArray(w, f.m_channels, [](Writer& o, const CChannelData& c) {
        o.Bytes(c.Record());
        o.U32(c.IsTv() ? 1 : 0);
        o.U32(static_cast<uint32_t>(c.GetRunningNumber()));
    });
    WriteArray(w, f.m_channelNames, writeName);
    WriteArray(w, f.m_favourites, [](Writer& o, const CFavoritenInfo& r) { o.Bytes(r.Record()); });
    WriteArray(w, f.m_timers, [](Writer& o, const CAlarmData& t) {
        o.Bytes(t.Record());
        o.U32(t.IsRelinked() ? 1 : 0);
    });
    WriteArray(w, f.m_timerInfos, [](Writer& o, const CAlarmInfo& r) { o.Bytes(r.Record()); });
    WriteArray(w, f.m_etcStrings, [](Writer& o, const CEtcStringData& r) { o.Bytes(r.Block()); });
    WriteArray(w, f.m_saTCR, [](Writer& o, const CSaTCRData& r) { o.U32(r.frequency); });

    const auto& c = f.m_configuration;
    w.Bytes(c.m_sectionHeader.bytes);
    w.Bytes(c.m_innerHeader);
    w.Bytes(c.m_structure);
    w.U32(static_cast<uint32_t>(c.m_length));
    w.U32(c.m_valid ? 1 : 0);

    auto packed = ZlibEngine::Compress(w.Out(), 1).bytes;
    // The raw size in front, so that the restore knows what to expect.
    packed.insert(packed.begin(), 4, 0);
    WriteLE32(packed.data(), static_cast<uint32_t>(w.Out().size()));
    return packed;
}

void ModelSnapshot::Restore(CSettingsFile& f, std::span<const uint8_t> snapshot) {
    if (snapshot.size() < 4) {
        throw FileError("The undo history is damaged.");
    }
    const auto raw = ZlibEngine::Decompress(snapshot.subspan(4), ReadLE32(snapshot.data()) + 1);
    if (raw.code != 0) {
        throw FileError("The undo history is damaged.");
    }
    Reader r(raw.bytes);
    r.Bytes(f.m_headers.m_block);
    f.m_headers.m_hasBlock = r.U32() != 0;
    f.m_headers.m_entries.resize(r.U32());
    for (auto& e : f.m_headers.m_entries) {
        r.Bytes(e.bytes);
    }
    r.Bytes(f.m_fduInfo.m_sectionHeader.bytes);
    r.Bytes(f.m_fduInfo.m_text);
    f.m_fduInfo.m_present = r.U32() != 0;

    ReadArray(r, f.m_satellites, [](Reader& i) {
        auto s = std::make_unique<CSatelliteInfo>();
        i.Bytes(s->m_record);
        s->m_codePageCode = i.U32();
        s->m_sequenceNumber = static_cast<int>(i.U32());
        s->m_hasChannels = i.U32() != 0;
        return s;
    });
    f.m_satellites.m_sequenceCounter = static_cast<int>(r.U32());
    ReadArray(r, f.m_lnbs, [](Reader& i) {
        auto l = std::make_unique<CSatelliteData>();
        i.Bytes(l->Record());
        return l;
    });
    ReadArray(r, f.m_transponders, [](Reader& i) {
        auto t = std::make_unique<CTransponderData>();
        i.Bytes(t->Record());
        t->SetNamespace(i.U32());
        return t;
    });
    auto readName = [](Reader& i) {
        auto n = std::make_unique<CChannelInfo>();
        n->m_codePageCode = i.U32();
        const uint32_t extra = i.U32();
        if (extra & 0x100u) {
            n->m_extraTableByte = static_cast<uint8_t>(extra);
        }
        const auto text = i.Blob();
        n->m_text.assign(text.begin(), text.end());
        return n;
    };
    ReadArray(r, f.m_providerNames, readName);
    ReadArray(r, f.m_channels, [](Reader& i) {
        auto c = std::make_unique<CChannelData>();
        i.Bytes(c->Record());
        c->SetTv(i.U32() != 0);
        c->SetRunningNumber(static_cast<int>(i.U32()));
        return c;
    });
    ReadArray(r, f.m_channelNames, readName);
    ReadArray(r, f.m_favourites, [](Reader& i) {
        std::array<uint8_t, CFavoritenInfo::kRecordSize> record{};
        i.Bytes(record);
        return std::make_unique<CFavoritenInfo>(record);
    });
    ReadArray(r, f.m_timers, [](Reader& i) {
        auto t = std::make_unique<CAlarmData>();
        i.Bytes(t->Record());
        t->SetRelinked(i.U32() != 0);
        return t;
    });
    ReadArray(r, f.m_timerInfos, [](Reader& i) {
        std::array<uint8_t, CAlarmInfo::kRecordSize> record{};
        i.Bytes(record);
        return std::make_unique<CAlarmInfo>(record);
    });
    ReadArray(r, f.m_etcStrings, [](Reader& i) {
        auto b = std::make_unique<CEtcStringData>();
        i.Bytes(b->Block());
        return b;
    });
    ReadArray(r, f.m_saTCR,
              [](Reader& i) { return std::make_unique<CSaTCRData>(CSaTCRData{i.U32()}); });

    auto& c = f.m_configuration;
    r.Bytes(c.m_sectionHeader.bytes);
    r.Bytes(c.m_innerHeader);
    r.Bytes(c.m_structure);
    c.m_length = std::min<size_t>(r.U32(), CConfigurationData::kMaxLength);
    c.m_valid = r.U32() != 0;
}

} // namespace tarnell
