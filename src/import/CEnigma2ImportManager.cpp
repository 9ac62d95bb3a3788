#include "CEnigma2ImportManager.h"

#include "CSettingsFile.h"
#include "FileIo.h"
#include "HexDigits.h"
#include "ImportModelOperations.h"
#include "ServiceExtras.h"
#include "TextLines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace tarnell {

namespace {

constexpr const char* kNotFound = "Datenfile nicht gefunden, oder Datenfile in Gebrauch!";
constexpr const char* kBadFile = "Fehler beim Lesen des Datenfiles!";

// Numbers separated by ':' (all decimal, or all hex); stops at the first that is not one.
// A small fixed array: this runs for every line of files with tens of thousands of lines.
class Numbers {
public:
    Numbers(std::string_view text, int base, size_t most = kMost) {
        most = std::min(most, kMost);
        size_t pos = 0;
        while (m_size < most && pos <= text.size()) {
            int64_t value = 0;
            const auto [ptr, ec] =
                std::from_chars(text.data() + pos, text.data() + text.size(), value, base);
            if (ec != std::errc()) {
                break;
            }
            m_values[m_size++] = value;
            pos = static_cast<size_t>(ptr - text.data());
            if (pos >= text.size() || text[pos] != ':') {
                break;
            }
            ++pos;
        }
    }
    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    int64_t operator[](size_t i) const { return m_values[i]; }

private:
    static constexpr size_t kMost = 32;
    std::array<int64_t, kMost> m_values; // only the first m_size are set
    size_t m_size = 0;
};

struct TransponderKey {
    uint32_t nameSpace = 0;
    int tsid = -1;
    int onid = -1;
};

// One transponder data line: the kind letter and its numbers.
void AddTransponderLine(char kind, std::string_view numbers, const TransponderKey& key,
                        CSettingsFile& file, ImportIndex& index, ImportReport& report) {
    const auto f = Numbers(numbers, 10);
    int64_t frequency = 0;
    int64_t symbolRate = 0;
    int polarisation = 0;
    int position = 0;
    switch (kind) {
    case 's':
        if (f.size() < 5) {
            ++report.droppedBadTransponder;
            return;
        }
        frequency = f[0] / 1000; // kHz
        symbolRate = f[1] / 1000;
        polarisation = f[2] == 0 ? 1 : 0; // 0 is horizontal in the database
        position = static_cast<int>(f[4] < 0 ? f[4] + 3600 : f[4]);
        break;
    case 'c':
        if (f.size() < 2) {
            ++report.droppedBadTransponder;
            return;
        }
        frequency = f[0] / 1000; // kHz
        symbolRate = f[1] / 1000;
        polarisation = 5; // "C"
        break;
    case 't':
        if (f.size() < 2) {
            ++report.droppedBadTransponder;
            return;
        }
        frequency = f[0] / 1000000; // terrestrial frequencies are in Hz
        symbolRate = f[1] / 1000;
        polarisation = 2; // "A"
        break;
    default:
        return; // a kind this receiver has no use for
    }
    // A frequency of 0 would read as a free slot and be overwritten by the next transponder.
    if ((frequency & 0xFFFF) == 0 || position < 0 || position > 3600) {
        ++report.droppedBadTransponder;
        return;
    }
    const int satellite = FindOrAddSatellite(file, position, kind, "", report);
    if (satellite < 0) {
        return;
    }
    if (index.AddTransponder(static_cast<uint16_t>(satellite), static_cast<int>(frequency),
                             polarisation, static_cast<int>(symbolRate), key.nameSpace, key.tsid,
                             key.onid) < 0) {
        ++report.droppedNoFreeSlot;
    } else {
        ++report.transponders;
    }
}

struct ServiceKey {
    int serviceId = -1;
    uint32_t nameSpace = 0;
    int tsid = -1;
    int onid = -1;
    int type = -1;
    int number = -1;
};

// One number of a key line, followed by ':' or the end; false when there is none. Written out
// by hand: it runs for every service of lists with tens of thousands of them.
bool NextField(std::string_view text, size_t& pos, int base, int64_t& value) {
    const bool negative = base == 10 && pos < text.size() && text[pos] == '-';
    pos += negative ? 1 : 0;
    const size_t start = pos;
    uint64_t v = 0;
    for (; pos < text.size() && pos - start < 16; ++pos) {
        const unsigned digit = kHexDigit[static_cast<uint8_t>(text[pos])];
        if (digit >= static_cast<unsigned>(base)) {
            break;
        }
        v = v * static_cast<unsigned>(base) + digit;
    }
    if (pos == start) {
        return false;
    }
    value = negative ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
    if (pos < text.size()) {
        if (text[pos] != ':') {
            return false;
        }
        ++pos;
    }
    return true;
}

// "sid:ns:tsid:onid:type:number[:...]"; false when the service number is missing.
bool ParseServiceKey(std::string_view text, ServiceKey& key) {
    int64_t f[6] = {};
    size_t pos = 0;
    uint32_t sid = 0;
    uint32_t ns = 0;
    uint32_t tsid = 0;
    uint32_t onid = 0;
    const char* p = text.data();
    // Enigma2 writes the four hex fields with fixed widths (%04x:%08x:%04x:%04x).
    if (text.size() > 24 && p[4] == ':' && p[13] == ':' && p[18] == ':' && p[23] == ':' &&
        FixedHex<4>(p, sid) && FixedHex<8>(p + 5, ns) && FixedHex<4>(p + 14, tsid) &&
        FixedHex<4>(p + 19, onid)) {
        f[0] = sid;
        f[1] = ns;
        f[2] = tsid;
        f[3] = onid;
        pos = 24;
    }
    for (int i = pos == 0 ? 0 : 4; i < 6; ++i) {
        if (!NextField(text, pos, i < 4 ? 16 : 10, f[i])) {
            return false;
        }
        if (i < 5 && pos >= text.size()) {
            return false; // the service number is missing
        }
    }
    key = {static_cast<int>(f[0]), static_cast<uint32_t>(f[1]), static_cast<int>(f[2]),
           static_cast<int>(f[3]), static_cast<int>(f[4]),      static_cast<int>(f[5])};
    return true;
}

// `extras` is read only for services that become channels.
void AddService(const ServiceKey& key, std::string_view name, std::string_view extras,
                CSettingsFile& file, const ImportIndex& index, ProviderTally& providers,
                ImportReport& report) {
    bool tv = true;
    bool hd = false;
    switch (key.type) {
    case 1:
    case 4:
    case 22:
        break;
    case 25:
        hd = true;
        break;
    case 2:
        tv = false;
        break;
    default:
        ++report.droppedServiceType;
        return;
    }
    const int transponder = index.FindTransponder(key.tsid, key.onid, key.nameSpace);
    CChannelData* channel = file.m_channels.AddChannel(
        tv, transponder < 0 ? CChannelData::kNone : static_cast<uint16_t>(transponder),
        static_cast<uint16_t>(key.serviceId), static_cast<uint16_t>(key.number + 1));
    if (channel == nullptr) {
        ++report.droppedChannelLimit;
        return;
    }
    if (hd) {
        channel->SetFlagByte(channel->GetFlagByte() | 0x80);
    }
    report.channelsWithoutTransponder += transponder < 0 ? 1 : 0;
    (tv ? report.tvChannels : report.radioChannels)++;
    SetChannelNameFromText(file, channel, name);
    const auto cache = ServiceExtras::Parse(extras);
    cache.ApplyTo(*channel);
    providers.Count(transponder, cache.provider);
}

} // namespace

std::filesystem::path CEnigma2ImportManager::ResolveDatabase(const std::filesystem::path& path) {
    std::error_code error;
    const bool folder = std::filesystem::is_directory(path, error);
    const auto dir = folder ? path : path.parent_path();
    if (folder || (!std::filesystem::exists(path, error) && path.filename() == "lamedb")) {
        return std::filesystem::exists(dir / "lamedb", error) ? dir / "lamedb" : dir / "lamedb5";
    }
    return path;
}

bool CEnigma2ImportManager::ImportServices(const std::filesystem::path& path, CSettingsFile& file,
                                           ImportReport& report) {
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadWholeFile(ResolveDatabase(path), 256u << 20);
    } catch (const std::exception&) {
        report.messages.emplace_back(kNotFound);
        return false;
    }
    return ImportServicesText(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), file, report);
}

bool CEnigma2ImportManager::ImportServicesText(std::string_view text, CSettingsFile& file,
                                               ImportReport& report) {
    ImportIndex index(file);
    // Large lists fill the channel table; growing it step by step would move it a dozen times.
    file.m_channels.Items().reserve(CChannelDataArray::kMaxChannels);
    file.m_channelNames.Items().reserve(file.m_channelNames.Size() +
                                        CChannelDataArray::kMaxChannels);
    TextLines lines(text);
    std::string_view header;
    int version = -1;
    constexpr std::string_view kHeader = "eDVB services /";
    if (lines.Next(header) && header.starts_with(kHeader)) {
        const auto n = Numbers(header.substr(kHeader.size()), 10, 1);
        const size_t digits = header.find('/', kHeader.size());
        if (!n.empty() && digits != std::string_view::npos) {
            version = static_cast<int>(n[0]);
        }
    }
    if (version < 0) {
        report.messages.emplace_back(kBadFile);
        return false;
    }
    if (version == 5) {
        return ReadVersion5(text, file, index, report);
    }
    return ReadVersion4(text, version, file, index, report);
}

bool CEnigma2ImportManager::ReadVersion4(std::string_view text, int /*version*/,
                                         CSettingsFile& file, ImportIndex& index,
                                         ImportReport& report) {
    // Whatever the version, only fields 1, 2, 3 and 5 of a satellite line are used, and they
    // stand at the same places in the 10- and 11-field forms.
    TextLines lines(text);
    std::string_view line;
    lines.Next(line);
    if (!lines.Next(line) || line != "transponders") {
        report.messages.emplace_back(kBadFile);
        return false;
    }
    while (lines.Next(line) && line != "end") {
        const auto key = Numbers(line, 16, 3);
        if (key.size() < 3) {
            continue; // not a key line: the next line is taken as one
        }
        const TransponderKey tk{static_cast<uint32_t>(key[0]), static_cast<int>(key[1]),
                                static_cast<int>(key[2])};
        while (lines.Next(line) && line != "/") {
            if (line.size() > 3) {
                AddTransponderLine(line[1], line.substr(3), tk, file, index, report);
            }
        }
    }
    if (!lines.Next(line) || line != "services") {
        report.messages.emplace_back(kBadFile);
        return false;
    }
    ProviderTally providers;
    while (lines.Next(line) && line != "end") {
        ServiceKey key;
        if (!ParseServiceKey(line, key)) {
            continue;
        }
        std::string_view name;
        std::string_view extras;
        lines.Next(name);
        lines.Next(extras);
        AddService(key, name, extras, file, index, providers, report);
    }
    providers.Apply(file);
    return true;
}

bool CEnigma2ImportManager::ReadVersion5(std::string_view text, CSettingsFile& file,
                                         ImportIndex& index, ImportReport& report) {
    // Transponders first, so that services find them wherever their lines stand.
    TextLines lines(text);
    std::string_view line;
    lines.Next(line);
    while (lines.Next(line)) {
        if (!line.starts_with("t:")) {
            continue;
        }
        const size_t comma = line.find(',');
        const auto key = Numbers(
            line.substr(2, comma == std::string_view::npos ? std::string_view::npos : comma - 2),
            16, 3);
        if (key.size() < 3 || comma == std::string_view::npos || comma + 3 > line.size() ||
            line[comma + 2] != ':') {
            continue;
        }
        const TransponderKey tk{static_cast<uint32_t>(key[0]), static_cast<int>(key[1]),
                                static_cast<int>(key[2])};
        AddTransponderLine(line[comma + 1], line.substr(comma + 3), tk, file, index, report);
    }
    TextLines services(text);
    services.Next(line);
    ProviderTally providers;
    while (services.Next(line)) {
        if (!line.starts_with("s:")) {
            continue;
        }
        ServiceKey key;
        if (!ParseServiceKey(line.substr(2), key)) {
            continue;
        }
        // ,"name" follows the key. Names are not escaped, so the name ends at the first quote
        // that is followed by another field (,p: ,c: ,C: ,f:) or by the end of the line.
        std::string_view name;
        std::string_view extras;
        const size_t open = line.find(",\"");
        if (open != std::string_view::npos) {
            const std::string_view rest = line.substr(open + 2);
            size_t close = rest.size();
            for (size_t q = rest.find('"'); q != std::string_view::npos;
                 q = rest.find('"', q + 1)) {
                const std::string_view after = rest.substr(q + 1);
                if (after.empty() ||
                    (after.size() >= 3 && after[0] == ',' && after[2] == ':' &&
                     std::string_view("pcCf").find(after[1]) != std::string_view::npos)) {
                    close = q;
                    break;
                }
            }
            name = rest.substr(0, close);
            extras = close < rest.size() ? rest.substr(close + 1) : std::string_view();
        }
        AddService(key, name, extras, file, index, providers, report);
    }
    providers.Apply(file);
    return true;
}

} // namespace tarnell
