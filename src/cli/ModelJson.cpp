#include "ModelJson.h"

#include "CSettingsFile.h"

#include <cstdio>
#include <sstream>

namespace tarnell {

namespace {

using Json = nlohmann::ordered_json;

std::string Hex32(uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08X", v);
    return text;
}

Json NullableIndex(int index) {
    return index < 0 ? Json(nullptr) : Json(index);
}

Json LnbPair(const CSettingsFile& file, const CSatelliteInfo& s) {
    return Json::array({NullableIndex(s.ResolveLnb(0, file.m_lnbs.Size())),
                        NullableIndex(s.ResolveLnb(1, file.m_lnbs.Size()))});
}

Json FavouriteNames(const CSettingsFile& file, int favCodepage) {
    Json names = Json::array();
    for (const auto& f : file.m_favourites.Items()) {
        names.push_back(f->GetName(favCodepage));
    }
    return names;
}

std::string ChannelDisplayName(const CSettingsFile& file, const CChannelData& c) {
    const uint16_t index = c.GetNameIndex();
    if (index < file.m_channelNames.Size()) {
        std::string name = file.m_channelNames.At(index)->GetDisplayName(NameMarks::Remove);
        if (!name.empty()) {
            return name;
        }
    }
    return "SVC_" + std::to_string(c.GetServiceId()) + " Service";
}

} // namespace

Json InfoJson(const CSettingsFile& file, int favCodepage) {
    Json info;
    info["fileInfo"] = file.m_fduInfo.IsPresent() ? Json(file.m_fduInfo.GetText()) : Json(nullptr);
    Json sections = Json::array();
    for (size_t i = 0; i < file.m_headers.UsableEntries(); ++i) {
        const auto& e = file.m_headers.Entries()[i];
        sections.push_back(
            {{"id", Hex32(e.Id())}, {"dataOffset", e.DataOffset()}, {"size", e.Size()}});
    }
    info["sections"] = sections;
    Json satellites = Json::array();
    for (const auto& s : file.m_satellites.Items()) {
        satellites.push_back({{"name", s->GetDisplayName()},
                              {"position", s->GetPosition()},
                              {"lnb", LnbPair(file, *s)}});
    }
    info["satellites"] = satellites;
    info["lnbCount"] = file.m_lnbs.Size();
    info["transponders"] = {
        {"slots", file.m_transponders.Size()},
        {"used", file.m_transponders.CountUsed()},
        {"recordSize", file.m_transponders.Empty() ? 0 : file.m_transponders.RecordSize()}};
    info["channels"] = {{"tv", file.m_channels.CountKind(true)},
                        {"radio", file.m_channels.CountKind(false)},
                        {"recordSize", file.m_channels.Empty() ? 0 : file.m_channels.RecordSize()}};
    info["channelNames"] = file.m_channelNames.Size();
    info["providerNames"] = file.m_providerNames.Size();
    info["favourites"] = FavouriteNames(file, favCodepage);
    info["timers"] = {{"records", file.m_timers.Size()}, {"active", file.m_timers.CountActive()}};
    const auto& config = file.m_configuration;
    info["config"] = {{"present", config.IsValid()},
                      {"length", config.IsValid() ? Json(config.Length()) : Json(nullptr)}};
    return info;
}

Json DumpJson(const CSettingsFile& file, int favCodepage) {
    Json dump = InfoJson(file, favCodepage);
    Json channels = Json::array();
    for (const auto& c : file.m_channels.Items()) {
        const uint16_t t = c->GetTransponderIndex();
        channels.push_back({
            {"tv", c->IsTv()},
            {"sid", c->GetServiceId()},
            {"storedNumber", c->GetStoredNumber()},
            {"runningNumber", c->GetRunningNumber()},
            {"name", ChannelDisplayName(file, *c)},
            {"transponder", t < file.m_transponders.Size() ? Json(t) : Json(nullptr)},
            {"favMask", c->GetFavouriteMask()},
            {"pids",
             {{"pcr", c->GetPcrPid()}, {"video", c->GetVideoPid()}, {"audio", c->GetAudioPid()}}},
            {"flags", c->GetFlagByte()},
            {"videoType", c->GetVideoType()},
            {"audioType", c->GetAudioType()},
        });
    }
    dump["channels"] = {{"tv", file.m_channels.CountKind(true)},
                        {"radio", file.m_channels.CountKind(false)},
                        {"recordSize", file.m_channels.Empty() ? 0 : file.m_channels.RecordSize()},
                        {"list", channels}};
    Json transponders = Json::array();
    for (size_t i = 0; i < file.m_transponders.Size(); ++i) {
        const auto& t = *file.m_transponders.At(i);
        if (t.IsFree()) {
            continue;
        }
        const uint16_t p = t.GetProviderIndex();
        transponders.push_back({
            {"index", i},
            {"frequency", t.GetFrequency()},
            {"symbolRate", t.GetSymbolRate()},
            {"pol", t.GetPolarisationLetter()},
            {"satellite", t.GetSatelliteIndex()},
            {"provider", p < file.m_providerNames.Size()
                             ? Json(file.m_providerNames.At(p)->GetDisplayName(NameMarks::Remove))
                             : Json(nullptr)},
            {"tsid", t.GetTransportStreamId()},
            {"onid", t.GetOriginalNetworkId()},
        });
    }
    dump["transponderList"] = transponders;
    Json lnbs = Json::array();
    for (const auto& l : file.m_lnbs.Items()) {
        lnbs.push_back({{"type", l->GetLnbType()},
                        {"lofSingle", l->GetSingleLof()},
                        {"lofLow", l->GetLofLow()},
                        {"lofHigh", l->GetLofHigh()},
                        {"diseqc10", l->GetDiseqc10()},
                        {"diseqc11", l->GetDiseqc11()},
                        {"flags", l->GetFlags()}});
    }
    dump["lnbs"] = lnbs;
    Json timers = Json::array();
    for (size_t i = 0; i < file.m_timers.Size(); ++i) {
        const auto& t = *file.m_timers.At(i);
        Json timer = {
            {"inUse", t.IsInUse()},
            {"startDay", t.GetStartDay()},
            {"start", std::to_string(t.GetStartHour()) + ":" + std::to_string(t.GetStartMinute())},
            {"endDay", t.GetEndDay()},
            {"channelPosition", t.GetChannelPosition()},
            {"tv", t.IsTv()},
            {"repetition", t.GetRepetitionKind()}};
        timer["text"] =
            i < file.m_timerInfos.Size() ? Json(file.m_timerInfos.At(i)->GetText()) : Json(nullptr);
        timers.push_back(timer);
    }
    dump["timerList"] = timers;
    return dump;
}

std::string InfoText(const Json& info) {
    std::ostringstream out;
    out << "File information: "
        << (info["fileInfo"].is_null() ? std::string("(none)")
                                       : info["fileInfo"].get<std::string>())
        << "\n";
    out << "Sections:         " << info["sections"].size() << "\n";
    for (const auto& s : info["sections"]) {
        out << "  " << s["id"].get<std::string>() << "  offset " << s["dataOffset"] << "  size "
            << s["size"] << "\n";
    }
    out << "Satellites:       " << info["satellites"].size();
    if (!info["satellites"].empty()) {
        out << " (first: " << info["satellites"][0]["name"].get<std::string>() << ")";
    }
    out << "\n";
    out << "LNB records:      " << info["lnbCount"] << "\n";
    out << "Transponders:     " << info["transponders"]["used"] << " used of "
        << info["transponders"]["slots"] << " slots (" << info["transponders"]["recordSize"]
        << "-byte records)\n";
    out << "Channels:         " << info["channels"]["tv"] << " TV, " << info["channels"]["radio"]
        << " radio (" << info["channels"]["recordSize"] << "-byte records)\n";
    out << "Channel names:    " << info["channelNames"] << "\n";
    out << "Provider names:   " << info["providerNames"] << "\n";
    out << "Favourite lists:  " << info["favourites"].size() << "\n";
    out << "Timers:           " << info["timers"]["active"] << " active of "
        << info["timers"]["records"] << " records\n";
    out << "Configuration:    "
        << (info["config"]["present"].get<bool>()
                ? std::to_string(info["config"]["length"].get<size_t>()) + " bytes"
                : std::string("none"))
        << "\n";
    return out.str();
}

} // namespace tarnell
