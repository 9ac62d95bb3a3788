#include "SortTemplate.h"

#include "CSettingsFile.h"

#include <cstdlib>

namespace tarnell {

namespace {

// The usual German-language programme order; symbol rates as the satellite broadcasts them.
constexpr SortTemplateEntry kEntries[] = {
    {"Das Erste HD", 10301, 19.2, 11494, 1, 22000},
    {"ZDF HD", 11110, 19.2, 11362, 1, 21999},
    {"NDR FS SH HD", 10330, 19.2, 11581, 1, 22000},
    {"RTL Television", 12003, 19.2, 12188, 1, 27500},
    {"SAT.1", 17500, 19.2, 12545, 1, 21999},
    {"RTL2", 12020, 19.2, 12188, 1, 27500},
    {"ProSieben", 17501, 19.2, 12545, 1, 21999},
    {"kabel eins", 17502, 19.2, 12545, 1, 21999},
    {"MDR Sachsen", 28228, 19.2, 12110, 1, 27499},
    {"VOX", 12060, 19.2, 12188, 1, 27500},
    {"SUPER RTL", 12040, 19.2, 12188, 1, 27500},
    {"KiKA HD", 11160, 19.2, 11347, 0, 21999},
    {"NICK/COMEDY", 28680, 19.2, 11973, 0, 27498},
    {"DAS VIERTE", 1793, 19.2, 12460, 1, 27500},
    {"TELE 5", 51, 19.2, 12480, 0, 27499},
    {"RTLNITRO", 12061, 19.2, 12188, 1, 27500},
    {"SIXX", 776, 19.2, 12460, 1, 27500},
    {"RTL Living", 12030, 19.2, 12188, 1, 27500},
    {"SAT.1 emotions", 17505, 19.2, 12545, 1, 21999},
    {"kabel eins classics", 17506, 19.2, 12545, 1, 21999},
    {"PULS 4 Austria", 20007, 19.2, 12051, 0, 27499},
    {"sixx Austria", 13106, 19.2, 12663, 1, 21999},
    {"ORF1 HD", 4911, 19.2, 11303, 1, 21999},
    {"ORF2 HD", 4912, 19.2, 11303, 1, 21999},
    {"ORF III", 13101, 19.2, 12663, 1, 21999},
    {"ATV", 13012, 19.2, 12692, 1, 21999},
    {"ATV2", 13223, 19.2, 11242, 1, 21999},
    {"ORF SPORT+", 13221, 19.2, 11242, 1, 21999},
    {"Animax", 2047, 19.2, 12344, 1, 27499},
    {"Planet", 2044, 19.2, 12344, 1, 27499},
    {"AXN Action", 37, 19.2, 10921, 1, 22000},
    {"ServusTV HD Deutschland", 4914, 19.2, 11303, 1, 21999},
    {"ANIXE HD", 21100, 19.2, 10773, 1, 21999},
    {"WDR HD Dortmund", 28327, 19.2, 12422, 1, 27499},
    {"SR Fernsehen", 28486, 19.2, 12266, 1, 27499},
    {"BR-alpha", 28487, 19.2, 12266, 1, 27499},
    {"rbb Berlin", 28206, 19.2, 12110, 1, 27499},
    {"hr-fernsehen", 28108, 19.2, 11836, 1, 27500},
    {"BR S\xC3\xBC"
     "d HD",
     10325, 19.2, 11581, 1, 22000},
    {"SWR BW HD", 10303, 19.2, 11494, 1, 22000},
    {"N24", 17503, 19.2, 12545, 1, 21999},
    {"n-tv", 12090, 19.2, 12188, 1, 27500},
    {"PHOENIX HD", 10331, 19.2, 11581, 1, 22000},
    {"EuroNews", 31220, 19.2, 12226, 1, 27500},
    {"DAF-AnlegerTV", 4702, 19.2, 11418, 1, 21999},
    {"arte HD", 10302, 19.2, 11494, 1, 22000},
    {"tagesschau24", 28721, 19.2, 10744, 1, 21999},
    {"Einsfestival HD", 28396, 19.2, 12422, 1, 27499},
    {"EinsPlus", 28723, 19.2, 10744, 1, 21999},
    {"ZDFinfo HD", 11170, 19.2, 11347, 0, 21999},
    {"zdf_neo HD", 11130, 19.2, 11362, 1, 21999},
    {"zdf.kultur HD", 11140, 19.2, 11362, 1, 21999},
    {"3sat HD", 11150, 19.2, 11347, 0, 21999},
    {"DMAX", 63, 19.2, 12480, 0, 27499},
    {"VIVA Germany", 28676, 19.2, 11973, 0, 27498},
    {"iM1", 772, 19.2, 12460, 1, 27500},
    {"Ojom TV", 1794, 19.2, 12460, 1, 27500},
    {"DELUXE MUSIC", 65, 19.2, 12148, 1, 27499},
    {"VH1", 28656, 19.2, 11739, 0, 27499},
    {"MTV Dance", 28655, 19.2, 11739, 0, 27499},
    {"MTV FRANCE", 28652, 19.2, 11739, 0, 27499},
    {"MTV Hits", 28654, 19.2, 11739, 0, 27499},
    {"MTV ROCKS", 28659, 19.2, 11739, 0, 27499},
    {"MTV BASE FRANCE", 28661, 19.2, 11739, 0, 27499},
    {"MTV Hits.", 28664, 19.2, 11739, 0, 27499},
    {"VH1.", 28666, 19.2, 11739, 0, 27499},
    {"VH1 Classic.", 28667, 19.2, 11739, 0, 27499},
    {"MTV ROCKS.", 28669, 19.2, 11739, 0, 27499},
    {"GoTV", 13102, 19.2, 12663, 1, 21999},
    {"Radio Bremen TV", 28385, 19.2, 12422, 1, 27499},
    {"SPORT1", 900, 19.2, 12480, 0, 27499},
    {"sportdigital", 59, 19.2, 10921, 1, 22000},
    {"Eurosport Deutschland", 31200, 19.2, 12226, 1, 27500},
    {"ESPN America", 13109, 19.2, 12663, 1, 21999},
    {"BBC World", 10050, 19.2, 11597, 0, 21999},
    {"CNN Int.", 28522, 19.2, 11778, 0, 27499},
    {"CNBC Europe", 10030, 19.2, 11597, 0, 21999},
    {"Russia Today", 6904, 19.2, 11538, 0, 21999},
    {"Al Jazeera English", 7012, 19.2, 11509, 0, 22000},
    {"Boomerang", 28527, 19.2, 11778, 0, 27499},
    {"Dr.DishTV-Welt der Technik", 5411, 19.2, 12574, 1, 21999},
};

constexpr const char* kTemplateSatellite = "Astra 1F 1M";
constexpr int kTolerance = 5;

int FoldedPosition(int position) {
    return position > 1800 ? 3600 - position : position;
}

int FindSatellite(const CSettingsFile& file, double position) {
    const int wanted = static_cast<int>(position * 10);
    for (size_t i = 0; i < file.m_satellites.Size(); ++i) {
        const CSatelliteInfo& s = *file.m_satellites.At(i);
        if (s.GetDisplayName() == kTemplateSatellite && !s.IsWest() &&
            static_cast<int>(FoldedPosition(s.GetPosition()) / 10.0 * 10) == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int FindTransponder(const CSettingsFile& file, int satellite, const SortTemplateEntry& e) {
    for (size_t i = 0; i < file.m_transponders.Size(); ++i) {
        const CTransponderData& t = *file.m_transponders.At(i);
        if (t.GetSatelliteIndex() == satellite &&
            std::abs(t.GetFrequency() - e.frequency) <= kTolerance &&
            t.GetPolarisation() == e.polarisation &&
            std::abs(t.GetSymbolRate() - e.symbolRate) <= kTolerance) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

std::span<const SortTemplateEntry> SortTemplateEntries() {
    return kEntries;
}

int ApplySortTemplate(CSettingsFile& file) {
    int placed = 0;
    for (const auto& entry : kEntries) {
        const int satellite = FindSatellite(file, entry.position);
        if (satellite < 0) {
            continue;
        }
        const int transponder = FindTransponder(file, satellite, entry);
        if (transponder < 0) {
            continue;
        }
        const int channel =
            file.m_channels.FindChannel(static_cast<uint16_t>(transponder), entry.serviceId);
        if (channel < 0) {
            continue;
        }
        auto record = file.m_channels.TakeAt(static_cast<size_t>(channel));
        file.m_channels.InsertAt(static_cast<size_t>(placed), std::move(record));
        ++placed;
    }
    return placed;
}

} // namespace tarnell
