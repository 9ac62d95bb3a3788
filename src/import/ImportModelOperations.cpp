#include "ImportModelOperations.h"

#include "CSettingsFile.h"
#include "CodePage.h"

#include <algorithm>

namespace tarnell {

namespace {

// The receivers' table byte for ISO 8859-15, which the editor reads as ISO 8859-1.
constexpr uint8_t kLatinTableByte = 0x0B;

uint64_t Key(int tsid, int onid, uint32_t nameSpace) {
    return (static_cast<uint64_t>(nameSpace) << 32) | (static_cast<uint64_t>(tsid & 0xFFFF) << 16) |
           static_cast<uint64_t>(onid & 0xFFFF);
}

uint32_t SatelliteFrequency(uint16_t satellite, int frequency) {
    return (static_cast<uint32_t>(satellite) << 16) | static_cast<uint32_t>(frequency & 0xFFFF);
}

} // namespace

std::string ZeroTerminated(const uint8_t* field, size_t size) {
    return std::string(field, std::find(field, field + size, uint8_t{0}));
}

int FindOrAddSatellite(CSettingsFile& file, int position, char kind, std::string_view name,
                       ImportReport& report) {
    auto& satellites = file.m_satellites;
    const char* fixedName = kind == 'c' ? "Cable" : kind == 't' ? "Terrestrial" : nullptr;
    for (size_t i = 0; i < satellites.Size(); ++i) {
        const CSatelliteInfo& s = *satellites.At(i);
        if (s.GetPosition() == position &&
            (fixedName == nullptr || s.GetDisplayName() == fixedName)) {
            return static_cast<int>(i);
        }
    }
    std::array<uint8_t, CSatelliteInfo::kRecordSize> record{'N', 'e', 'w'};
    WriteLE16(record.data() + 32, static_cast<uint16_t>(position));
    CSatelliteInfo* added = satellites.AddSatellite(record);
    if (added == nullptr) {
        ++report.droppedSatelliteLimit;
        return satellites.Empty() ? -1 : static_cast<int>(satellites.Size() - 1);
    }
    if (fixedName != nullptr) {
        added->SetName(fixedName);
    } else if (!name.empty()) {
        added->SetName(name);
    } else {
        // The position text is right-aligned for lists; a name has no use for the padding.
        std::string text = added->GetPositionText();
        const size_t first = text.find_first_not_of(' ');
        text = text.substr(first == std::string::npos ? 0 : first);
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        added->SetName("Imp " + text);
    }
    ++report.satellitesAdded;
    return static_cast<int>(satellites.Size() - 1);
}

void AddNameRecord(CChannelInfoArray& names, std::string_view utf8) {
    const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                   [](char c) { return static_cast<uint8_t>(c) < 0x80; });
    if (ascii && !utf8.empty() && static_cast<uint8_t>(utf8[0]) >= CChannelInfo::kTableByteLimit &&
        utf8.size() < CChannelInfo::kMaxRecordBytes) {
        // The same bytes in every code page there is: most names take this way.
        names.AddName(std::span(reinterpret_cast<const uint8_t*>(utf8.data()), utf8.size()));
        return;
    }
    std::vector<uint8_t> record;
    if (ascii) {
        record.assign(utf8.begin(), utf8.end());
    } else if (CanEncode(utf8, CodePage::Windows1252)) {
        record = EncodeText(utf8, CodePage::Windows1252);
    } else {
        // Code 0 (no table byte) reads as ISO 8859-2; 1 to 5 are the others.
        static constexpr struct {
            uint8_t code;
            CodePage page;
        } kTables[] = {{0, CodePage::Iso8859_2}, {1, CodePage::Iso8859_5},
                       {2, CodePage::Iso8859_6}, {3, CodePage::Iso8859_7},
                       {4, CodePage::Iso8859_8}, {5, CodePage::Iso8859_9}};
        bool found = false;
        for (const auto& table : kTables) {
            if (CanEncode(utf8, table.page)) {
                if (table.code != 0) {
                    record.push_back(table.code);
                }
                const auto bytes = EncodeText(utf8, table.page);
                record.insert(record.end(), bytes.begin(), bytes.end());
                found = true;
                break;
            }
        }
        if (!found) {
            record = EncodeText(utf8, CodePage::Windows1252);
        }
    }
    // A first byte below 0x28 would be read as a character-table byte and vanish from the name
    // ("#1", " Das Erste"): say ISO 8859 Latin explicitly in front of it.
    if (!record.empty() && record[0] < CChannelInfo::kTableByteLimit &&
        CanEncode(utf8, CodePage::Iso8859_1)) {
        record = EncodeText(utf8, CodePage::Iso8859_1);
        record.insert(record.begin(), kLatinTableByte);
    }
    if (record.size() > CChannelInfo::kMaxRecordBytes - 1) {
        record.resize(CChannelInfo::kMaxRecordBytes - 1);
    }
    record.push_back(0);
    names.AddName(record);
}

void SetChannelNameFromText(CSettingsFile& file, CChannelData* channel, std::string_view utf8) {
    if (channel == nullptr || utf8.empty()) {
        return;
    }
    AddNameRecord(file.m_channelNames, utf8);
    channel->SetNameIndex(static_cast<uint16_t>(file.m_channelNames.Size() - 1));
}

ImportIndex::ImportIndex(CSettingsFile& file) : m_file(file) {
    for (size_t i = 0; i < file.m_transponders.Size(); ++i) {
        const CTransponderData& t = *file.m_transponders.At(i);
        if (!t.IsFree()) {
            m_byKey.Insert(
                Key(t.GetTransportStreamId(), t.GetOriginalNetworkId(), t.GetNamespace()),
                static_cast<int>(i));
            m_bySatelliteFrequency.Insert(
                SatelliteFrequency(t.GetSatelliteIndex(), t.GetFrequency()), static_cast<int>(i));
        }
    }
}

int ImportIndex::AddTransponder(uint16_t satellite, int frequency, int polarisation, int symbolRate,
                                uint32_t nameSpace, int tsid, int onid) {
    auto& slots = m_file.m_transponders;
    while (m_nextFree < slots.Size() && !slots.At(m_nextFree)->IsFree()) {
        ++m_nextFree;
    }
    if (m_nextFree >= slots.Size()) {
        return -1;
    }
    const int index = static_cast<int>(m_nextFree);
    CTransponderData& t = *slots.At(m_nextFree);
    t.SetSatelliteIndex(satellite);
    t.SetFrequency(frequency);
    t.SetPolarisation(polarisation);
    t.SetSymbolRate(symbolRate);
    t.SetTransportStreamId(tsid);
    t.SetOriginalNetworkId(onid);
    t.SetNamespace(nameSpace);
    // A foreign list names no provider the receiver knows; a free slot's leftover index would
    // credit the channels to whichever provider stands first.
    t.SetProviderIndex(CChannelData::kNone);
    m_byKey.Insert(Key(tsid, onid, nameSpace), index);
    m_bySatelliteFrequency.Insert(SatelliteFrequency(satellite, t.GetFrequency()), index);
    return index;
}

int ImportIndex::FindTransponder(int tsid, int onid, uint32_t nameSpace) const {
    return m_byKey.Find(Key(tsid, onid, nameSpace));
}

int ImportIndex::FindOnSatellite(uint16_t satellite, int frequency) const {
    return m_bySatelliteFrequency.Find(SatelliteFrequency(satellite, frequency));
}

} // namespace tarnell
