#include "FactoryListBuilder.h"

#include "ByteOrder.h"
#include "CSettingsFile.h"
#include "CodePage.h"
#include "FileError.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace tarnell {

namespace {

constexpr size_t kTransponderSlots = 8000;
constexpr uint16_t kChannelRecordSize = 40;
constexpr uint16_t kTransponderRecordSize = 16;

struct Row {
    size_t line;
    std::vector<std::string> cells;
};

struct Table {
    std::filesystem::path path;
    std::map<std::string, size_t> columns;
    std::vector<Row> rows;

    const std::string& Cell(const Row& row, const std::string& column) const {
        const auto it = columns.find(column);
        if (it == columns.end() || it->second >= row.cells.size()) {
            Fail(row, "has no column \"" + column + "\"");
        }
        return row.cells[it->second];
    }
    int Int(const Row& row, const std::string& column) const {
        const std::string& text = Cell(row, column);
        try {
            size_t used = 0;
            const long value = std::stol(text, &used, 0);
            if (used != text.size()) {
                throw std::invalid_argument(text);
            }
            return static_cast<int>(value);
        } catch (const std::exception&) {
            Fail(row, "column \"" + column + "\" is not a number: " + text);
        }
    }
    [[noreturn]] void Fail(const Row& row, const std::string& what) const {
        throw FileError(path.string() + ":" + std::to_string(row.line) + ": " + what);
    }
};

Table ReadTable(const std::filesystem::path& path) {
    std::ifstream in(path);
    if (!in) {
        throw FileError("Cannot open " + path.string());
    }
    Table table{path, {}, {}};
    std::string line;
    size_t number = 0;
    bool header = true;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> cells;
        std::stringstream stream(line);
        std::string cell;
        while (std::getline(stream, cell, '\t')) {
            cells.push_back(cell);
        }
        if (header) {
            for (size_t i = 0; i < cells.size(); ++i) {
                table.columns[cells[i]] = i;
            }
            header = false;
        } else {
            table.rows.push_back({number, std::move(cells)});
        }
    }
    return table;
}

std::vector<uint8_t> NameRecord(const Table& t, const Row& row, const std::string& utf8) {
    // Code 0: the names are stored without a table byte and read as ISO 8859-2.
    const CodePage cp = CodePageForTableCode(0);
    if (!CanEncode(utf8, cp)) {
        t.Fail(row, "name cannot be stored: " + utf8);
    }
    auto bytes = EncodeText(utf8, cp);
    if (!bytes.empty() && bytes[0] < 0x28) {
        t.Fail(row, "name starts with a control byte");
    }
    bytes.push_back(0);
    return bytes;
}

int PolarisationCode(const Table& t, const Row& row, const std::string& letter) {
    if (letter == "H") {
        return 1;
    }
    if (letter == "V") {
        return 0;
    }
    t.Fail(row, "polarisation must be H or V: " + letter);
}

} // namespace

std::unique_ptr<CSettingsFile> BuildFactoryList(const std::filesystem::path& folder) {
    auto file = std::make_unique<CSettingsFile>();
    file->m_fduInfo.SetText("FDU v1.2");

    const Table lnbs = ReadTable(folder / "lnbs.tsv");
    const Table satellites = ReadTable(folder / "satellites.tsv");
    const Table providers = ReadTable(folder / "providers.tsv");
    const Table transponders = ReadTable(folder / "transponders.tsv");
    const Table channels = ReadTable(folder / "channels.tsv");
    const Table favourites = ReadTable(folder / "favourites.tsv");

    std::vector<bool> lnbInUse(lnbs.rows.size(), false);
    std::map<std::string, uint16_t> satelliteIndex;
    for (const Row& row : satellites.rows) {
        std::array<uint8_t, CSatelliteInfo::kRecordSize> r{};
        const std::string name = satellites.Cell(row, "name");
        if (name.size() > 31 || !CanEncode(name, CodePage::Iso8859_2)) {
            satellites.Fail(row, "satellite name too long or not storable: " + name);
        }
        const auto bytes = EncodeText(name, CodePage::Iso8859_2);
        std::copy(bytes.begin(), bytes.end(), r.begin());
        WriteLE16(r.data() + 32, static_cast<uint16_t>(satellites.Int(row, "position")));
        WriteLE16(r.data() + 34, 0x00FF);
        for (int input = 0; input < 2; ++input) {
            const int lnb = satellites.Int(row, input == 0 ? "lnb1" : "lnb2");
            if (lnb != 255 && (lnb < 0 || static_cast<size_t>(lnb) >= lnbs.rows.size())) {
                satellites.Fail(row, "no such LNB record: " + std::to_string(lnb));
            }
            if (lnb != 255) {
                lnbInUse[static_cast<size_t>(lnb)] = true;
            }
            r[36 + static_cast<size_t>(input)] = static_cast<uint8_t>(lnb);
        }
        WriteLE16(r.data() + 38, static_cast<uint16_t>(satelliteIndex.size() + 1));
        if (!satelliteIndex.emplace(name, static_cast<uint16_t>(satelliteIndex.size())).second) {
            satellites.Fail(row, "satellite listed twice: " + name);
        }
        if (file->m_satellites.AddSatellite(r) == nullptr) {
            satellites.Fail(row, "more than 255 satellites");
        }
    }

    for (size_t i = 0; i < lnbs.rows.size(); ++i) {
        const Row& row = lnbs.rows[i];
        auto lnb = std::make_unique<CSatelliteData>();
        lnb->SetLnbType(static_cast<uint8_t>(lnbs.Int(row, "type")));
        lnb->SetSingleLof(static_cast<uint16_t>(lnbs.Int(row, "lof_single")));
        lnb->SetLofLow(static_cast<uint16_t>(lnbs.Int(row, "lof_low")));
        lnb->SetLofHigh(static_cast<uint16_t>(lnbs.Int(row, "lof_high")));
        lnb->SetDiseqc10(static_cast<uint8_t>(lnbs.Int(row, "diseqc10")));
        lnb->SetDiseqc11(static_cast<uint8_t>(lnbs.Int(row, "diseqc11")));
        lnb->SetFlags(static_cast<uint8_t>((lnbs.Int(row, "volt") ? 0x02 : 0) |
                                           (lnbs.Int(row, "tone22k") ? 0x04 : 0) |
                                           (lnbInUse[i] ? 0x20 : 0)));
        file->m_lnbs.Add(std::move(lnb));
    }

    std::map<std::string, uint16_t> providerIndex;
    for (const Row& row : providers.rows) {
        const std::string name = providers.Cell(row, "name");
        providerIndex.emplace(name, static_cast<uint16_t>(providerIndex.size()));
        file->m_providerNames.AddName(NameRecord(providers, row, name));
    }

    using TransponderKey = std::tuple<uint16_t, int, int, int>;
    std::map<TransponderKey, uint16_t> transponderIndex;
    file->m_transponders.ArrayHeader()[2] = kTransponderRecordSize;
    for (const Row& row : transponders.rows) {
        const auto sat = satelliteIndex.find(transponders.Cell(row, "satellite"));
        if (sat == satelliteIndex.end()) {
            transponders.Fail(row, "unknown satellite");
        }
        auto t = std::make_unique<CTransponderData>();
        const int pol = PolarisationCode(transponders, row, transponders.Cell(row, "pol"));
        t->SetSatelliteIndex(sat->second);
        t->SetFrequency(transponders.Int(row, "frequency"));
        t->SetPolarisation(pol);
        t->SetSymbolRate(transponders.Int(row, "symbol_rate"));
        t->SetOriginalNetworkId(transponders.Int(row, "onid"));
        t->SetTransportStreamId(transponders.Int(row, "tsid"));
        const std::string provider = transponders.Cell(row, "provider");
        if (provider == "-") {
            t->SetProviderIndex(0xFFFF);
        } else {
            const auto p = providerIndex.find(provider);
            if (p == providerIndex.end()) {
                transponders.Fail(row, "unknown provider: " + provider);
            }
            t->SetProviderIndex(p->second);
        }
        const TransponderKey key{sat->second, t->GetFrequency(), pol, t->GetSymbolRate()};
        if (!transponderIndex.emplace(key, static_cast<uint16_t>(file->m_transponders.Size()))
                 .second) {
            transponders.Fail(row, "transponder listed twice");
        }
        file->m_transponders.Add(std::move(t));
    }
    if (file->m_transponders.Size() > kTransponderSlots) {
        throw FileError("More transponders than the 8,000 slots of the table.");
    }
    while (file->m_transponders.Size() < kTransponderSlots) {
        file->m_transponders.Add(std::make_unique<CTransponderData>());
    }

    file->m_channels.ArrayHeader()[2] = static_cast<uint8_t>(kChannelRecordSize);
    uint16_t tvNumber = 0;
    uint16_t radioNumber = 0;
    for (const Row& row : channels.rows) {
        const std::string kind = channels.Cell(row, "kind");
        if (kind != "TV" && kind != "Radio") {
            channels.Fail(row, "kind must be TV or Radio");
        }
        const bool tv = kind == "TV";
        const auto sat = satelliteIndex.find(channels.Cell(row, "satellite"));
        if (sat == satelliteIndex.end()) {
            channels.Fail(row, "unknown satellite");
        }
        const TransponderKey key{sat->second, channels.Int(row, "frequency"),
                                 PolarisationCode(channels, row, channels.Cell(row, "pol")),
                                 channels.Int(row, "symbol_rate")};
        const auto t = transponderIndex.find(key);
        if (t == transponderIndex.end()) {
            channels.Fail(row, "no such transponder on that satellite");
        }
        CChannelData* c = file->m_channels.AddChannel(
            tv, t->second, static_cast<uint16_t>(channels.Int(row, "sid")),
            tv ? ++tvNumber : ++radioNumber);
        c->SetPcrPid(static_cast<uint16_t>(channels.Int(row, "pcr_pid")));
        c->SetVideoPid(static_cast<uint16_t>(channels.Int(row, "video_pid")));
        c->SetAudioPid(static_cast<uint16_t>(channels.Int(row, "audio_pid")));
        c->SetVideoType(static_cast<uint8_t>(channels.Int(row, "video_type")));
        c->SetAudioType(static_cast<uint8_t>(channels.Int(row, "audio_type")));
        c->SetFlagByte(static_cast<uint8_t>((channels.Int(row, "hd") ? 0x80 : 0) |
                                            (channels.Int(row, "scrambled") ? 0x08 : 0)));
        c->SetSoundWord(0x00001FFF);
        const std::string favs = channels.Cell(row, "favourites");
        if (favs != "-") {
            std::stringstream list(favs);
            std::string number;
            while (std::getline(list, number, ',')) {
                const int n = std::stoi(number);
                if (n < 1 || static_cast<size_t>(n) > favourites.rows.size()) {
                    channels.Fail(row, "no such favourite list: " + number);
                }
                c->SetFavourite(n, true);
            }
        }
        c->SetNameIndex(static_cast<uint16_t>(file->m_channelNames.Size()));
        file->m_channelNames.AddName(NameRecord(channels, row, channels.Cell(row, "name")));
    }

    for (const Row& row : favourites.rows) {
        file->m_favourites.AddFavouriteList(favourites.Cell(row, "name"), 6);
    }
    file->UpdateHasChannels();
    file->m_channels.AssignRunningNumbers();
    return file;
}

} // namespace tarnell
