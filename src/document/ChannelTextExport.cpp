#include "ChannelTextExport.h"

#include "CSettingsFile.h"
#include "CodePage.h"

#include <cstdio>
#include <string>

namespace tarnell {

namespace {

void Field(std::vector<uint8_t>& out, const std::string& utf8, const char* separator) {
    const auto bytes = EncodeText(utf8, CodePage::Windows1252);
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

} // namespace

std::vector<uint8_t> ExportChannelText(const CSettingsFile& file, bool tv) {
    std::vector<uint8_t> out;
    size_t walked = 0;
    for (const auto& c : file.m_channels.Items()) {
        ++walked;
        const uint16_t nameIndex = c->GetNameIndex();
        if (c->IsTv() != tv || nameIndex >= file.m_channelNames.Size()) {
            continue;
        }
        const std::string name =
            file.m_channelNames.At(nameIndex)->GetDisplayName(NameMarks::Remove);
        Field(out, "\"" + name + "\"", ",\t");
        Field(out, c->GetServiceIdText(), ",\t");
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
        Field(out, position, ",\t");
        Field(out, t ? Format("%i", t->GetFrequency()) : std::string(), ",\t");
        Field(out, t ? Format("%i", t->GetPolarisation()) : std::string(), ",\t");
        Field(out, t ? Format("%i", t->GetSymbolRate()) : std::string(), ",");
        out.push_back('\r');
        out.push_back('\n');
    }
    Field(out, std::to_string(walked), "");
    return out;
}

} // namespace tarnell
