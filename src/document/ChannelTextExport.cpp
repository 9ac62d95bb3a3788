#include "ChannelTextExport.h"

#include "CSettingsFile.h"
#include "CodePage.h"

#include <cstdio>
#include <string>

namespace tarnell {

namespace {

void Field(std::vector<uint8_t>& out, const std::string& utf8, const char* separator,
           CodePage codePage) {
    const auto bytes = EncodeText(utf8, codePage);
    out.insert(out.end(), bytes.begin(), bytes.end());
    for (const char* p = separator; *p != 0; ++p) {
        out.push_back(static_cast<uint8_t>(*p));
    }
}

std::string Format(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

// The name of a channel the export writes; nullptr for one it passes over.
const CChannelInfo* ExportedName(const CSettingsFile& file, const CChannelData& channel, bool tv) {
    const uint16_t nameIndex = channel.GetNameIndex();
    if (channel.IsTv() != tv || nameIndex >= file.m_channelNames.Size()) {
        return nullptr;
    }
    return file.m_channelNames.At(nameIndex);
}

} // namespace

bool ChannelTextFits(const CSettingsFile& file, bool tv, CodePage codePage) {
    for (const auto& c : file.m_channels.Items()) {
        const CChannelInfo* name = ExportedName(file, *c, tv);
        if (name != nullptr && !CanEncode(name->GetDisplayName(NameMarks::Remove), codePage)) {
            return false;
        }
    }
    return true;
}

std::vector<uint8_t> ExportChannelText(const CSettingsFile& file, bool tv, CodePage codePage) {
    std::vector<uint8_t> out;
    size_t walked = 0;
    auto field = [&out, codePage](const std::string& text, const char* separator) {
        Field(out, text, separator, codePage);
    };
    for (const auto& c : file.m_channels.Items()) {
        ++walked;
        const CChannelInfo* name = ExportedName(file, *c, tv);
        if (name == nullptr) {
            continue;
        }
        std::string quoted(1, '"');
        quoted += name->GetDisplayName(NameMarks::Remove);
        quoted += '"';
        field(quoted, ",\t");
        field(c->GetServiceIdText(), ",\t");
        // A channel whose transponder or satellite is missing gets empty fields for them.
        const CTransponderData* t = c->GetTransponderIndex() < file.m_transponders.Size()
                                        ? file.m_transponders.At(c->GetTransponderIndex())
                                        : nullptr;
        const CSatelliteInfo* s = t != nullptr && t->GetSatelliteIndex() < file.m_satellites.Size()
                                      ? file.m_satellites.At(t->GetSatelliteIndex())
                                      : nullptr;
        std::string position;
        if (s != nullptr) {
            const int p = s->GetPosition() > 1800 ? 3600 - s->GetPosition() : s->GetPosition();
            char text[32];
            std::snprintf(text, sizeof(text), "%3.1f", p / 10.0);
            position = text;
        }
        field(position, ",\t");
        field(t ? Format("%i", t->GetFrequency()) : std::string(), ",\t");
        field(t ? Format("%i", t->GetPolarisation()) : std::string(), ",\t");
        field(t ? Format("%i", t->GetSymbolRate()) : std::string(), ",");
        out.push_back('\r');
        out.push_back('\n');
    }
    field(std::to_string(walked), "");
    return out;
}

} // namespace tarnell
