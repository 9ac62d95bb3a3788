#include "CSettingsFile.h"
#include "ListDifferenceParts.h"

#include <array>
#include <cstdio>
#include <unordered_map>

namespace tarnell {

namespace {

void Number(std::vector<DiffField>& fields, const char* key, uint32_t x, uint32_t y) {
    if (x != y) {
        fields.push_back({key, std::to_string(x), std::to_string(y)});
    }
}

std::string LnbText(const CSatelliteInfo& s, int input) {
    const uint8_t index = s.GetLnbIndex(input);
    return index >= 0xFE ? std::string("-") : std::to_string(index + 1);
}

} // namespace

void CompareSatellites(const CSettingsFile& a, const CSettingsFile& b, ListDifference& d) {
    std::unordered_map<uint16_t, std::vector<size_t>> byPosition;
    for (size_t j = b.m_satellites.Size(); j-- > 0;) {
        byPosition[b.m_satellites.At(j)->GetPosition()].push_back(j);
    }
    std::vector<ptrdiff_t> matchOfB(b.m_satellites.Size(), -1);
    for (size_t i = 0; i < a.m_satellites.Size(); ++i) {
        const CSatelliteInfo& sa = *a.m_satellites.At(i);
        auto& candidates = byPosition[sa.GetPosition()];
        DiffItem item;
        item.area = DiffArea::Satellites;
        item.name = sa.GetDisplayName();
        item.identity = sa.GetPositionText();
        if (candidates.empty()) {
            item.kind = DiffKind::Removed;
            item.oldPosition = static_cast<int>(i) + 1;
            d.Add(std::move(item));
            continue;
        }
        const size_t j = candidates.back();
        candidates.pop_back();
        matchOfB[j] = static_cast<ptrdiff_t>(i);
        const CSatelliteInfo& sb = *b.m_satellites.At(j);
        if (sa.GetDisplayName() != sb.GetDisplayName()) {
            DiffItem renamed = item;
            renamed.kind = DiffKind::Renamed;
            renamed.oldName = sa.GetDisplayName();
            renamed.name = sb.GetDisplayName();
            d.Add(std::move(renamed));
        }
        item.name = sb.GetDisplayName();
        for (int input = 0; input < 2; ++input) {
            if (sa.GetLnbIndex(input) != sb.GetLnbIndex(input)) {
                item.fields.push_back(
                    {input == 0 ? "lnb1" : "lnb2", LnbText(sa, input), LnbText(sb, input)});
            }
        }
        // Bytes past the name, position and LNB indices.
        for (size_t at = 34; at < CSatelliteInfo::kRecordSize; ++at) {
            if (at != 36 && at != 37 && sa.Record()[at] != sb.Record()[at]) {
                item.fields.push_back({"otherBytes", {}, {}});
                break;
            }
        }
        if (!item.fields.empty()) {
            item.kind = DiffKind::Changed;
            d.Add(std::move(item));
        }
    }
    std::vector<int> order;
    std::vector<size_t> ofB;
    for (size_t j = 0; j < b.m_satellites.Size(); ++j) {
        const CSatelliteInfo& sb = *b.m_satellites.At(j);
        if (matchOfB[j] < 0) {
            DiffItem item;
            item.area = DiffArea::Satellites;
            item.kind = DiffKind::Added;
            item.name = sb.GetDisplayName();
            item.identity = sb.GetPositionText();
            item.newPosition = static_cast<int>(j) + 1;
            d.Add(std::move(item));
        } else {
            order.push_back(static_cast<int>(matchOfB[j]));
            ofB.push_back(j);
        }
    }
    const auto kept = InOrder(order);
    for (size_t k = 0; k < kept.size(); ++k) {
        if (!kept[k]) {
            const CSatelliteInfo& sb = *b.m_satellites.At(ofB[k]);
            DiffItem item;
            item.area = DiffArea::Satellites;
            item.kind = DiffKind::Moved;
            item.name = sb.GetDisplayName();
            item.identity = sb.GetPositionText();
            item.oldPosition = order[k] + 1;
            item.newPosition = static_cast<int>(ofB[k]) + 1;
            d.Add(std::move(item));
        }
    }
}

void CompareLnbs(const CSettingsFile& a, const CSettingsFile& b, ListDifference& d) {
    // Satellites name LNB records by index, so the index is what they are.
    const size_t n = std::max(a.m_lnbs.Size(), b.m_lnbs.Size());
    for (size_t i = 0; i < n; ++i) {
        DiffItem item;
        item.area = DiffArea::Lnbs;
        item.name = "LNB " + std::to_string(i + 1);
        if (i >= a.m_lnbs.Size() || i >= b.m_lnbs.Size()) {
            item.kind = i >= a.m_lnbs.Size() ? DiffKind::Added : DiffKind::Removed;
            (i >= a.m_lnbs.Size() ? item.newPosition : item.oldPosition) = static_cast<int>(i) + 1;
            d.Add(std::move(item));
            continue;
        }
        const CSatelliteData& la = *a.m_lnbs.At(i);
        const CSatelliteData& lb = *b.m_lnbs.At(i);
        if (la.Record() == lb.Record()) {
            continue;
        }
        Number(item.fields, "lnbType", la.GetLnbType(), lb.GetLnbType());
        Number(item.fields, "singleLof", la.GetSingleLof(), lb.GetSingleLof());
        Number(item.fields, "lofLow", la.GetLofLow(), lb.GetLofLow());
        Number(item.fields, "lofHigh", la.GetLofHigh(), lb.GetLofHigh());
        Number(item.fields, "diseqc10", la.GetDiseqc10(), lb.GetDiseqc10());
        Number(item.fields, "diseqc11", la.GetDiseqc11(), lb.GetDiseqc11());
        if (la.GetFlags() != lb.GetFlags()) {
            item.fields.push_back({"flags", HexText(la.GetFlags(), 2), HexText(lb.GetFlags(), 2)});
        }
        Number(item.fields, "positioner", la.GetPositionerIndex(), lb.GetPositionerIndex());
        Number(item.fields, "userBand", la.Record()[16], lb.Record()[16]);
        if (item.fields.empty()) {
            item.fields.push_back({"otherBytes", {}, {}});
        }
        item.kind = DiffKind::Changed;
        d.Add(std::move(item));
    }
}

namespace {

struct TransponderEntry {
    const CTransponderData* t = nullptr;
    ChannelKey key; // without service
    std::string provider;
};

std::vector<TransponderEntry> UsedTransponders(const CSettingsFile& f) {
    std::vector<TransponderEntry> entries;
    for (const auto& t : f.m_transponders.Items()) {
        if (t->IsFree()) {
            continue;
        }
        TransponderEntry e;
        e.t = t.get();
        e.key.frequency = t->GetFrequency();
        e.key.polarisation = static_cast<uint8_t>(t->GetPolarisation());
        if (t->GetSatelliteIndex() < f.m_satellites.Size()) {
            e.key.position = f.m_satellites.At(t->GetSatelliteIndex())->GetPosition();
        }
        if (t->GetProviderIndex() < f.m_providerNames.Size()) {
            e.provider = f.m_providerNames.At(t->GetProviderIndex())->GetDisplayName();
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

std::string TransponderIdentity(const ChannelKey& key) {
    const std::string text = DescribeKey(key);
    return text.substr(0, text.rfind(','));
}

} // namespace

void CompareTransponders(const CSettingsFile& a, const CSettingsFile& b, ListDifference& d) {
    const auto ta = UsedTransponders(a);
    const auto tb = UsedTransponders(b);
    std::unordered_map<uint64_t, std::vector<size_t>> byKey;
    for (size_t j = tb.size(); j-- > 0;) {
        byKey[tb[j].key.Packed()].push_back(j);
    }
    std::vector<bool> matched(tb.size(), false);
    const auto itemOf = [](DiffKind kind, const TransponderEntry& e) {
        DiffItem item;
        item.area = DiffArea::Transponders;
        item.kind = kind;
        item.name = e.t->GetLabel();
        item.identity = TransponderIdentity(e.key);
        return item;
    };
    for (const auto& ea : ta) {
        auto& candidates = byKey[ea.key.Packed()];
        if (candidates.empty()) {
            d.Add(itemOf(DiffKind::Removed, ea));
            continue;
        }
        const TransponderEntry& eb = tb[candidates.back()];
        matched[candidates.back()] = true;
        candidates.pop_back();
        auto item = itemOf(DiffKind::Changed, eb);
        Number(item.fields, "symbolRate", ea.t->GetSymbolRate(), eb.t->GetSymbolRate());
        Number(item.fields, "onid", ea.t->GetOriginalNetworkId(), eb.t->GetOriginalNetworkId());
        Number(item.fields, "tsid", ea.t->GetTransportStreamId(), eb.t->GetTransportStreamId());
        if (ea.provider != eb.provider) {
            item.fields.push_back({"provider", ea.provider, eb.provider});
        }
        if ((ea.t->GetFlagWord() & ~0xFu) != (eb.t->GetFlagWord() & ~0xFu)) {
            item.fields.push_back(
                {"flags", HexText(ea.t->GetFlagWord(), 8), HexText(eb.t->GetFlagWord(), 8)});
        }
        if (!item.fields.empty()) {
            d.Add(std::move(item));
        }
    }
    for (size_t j = 0; j < tb.size(); ++j) {
        if (!matched[j]) {
            d.Add(itemOf(DiffKind::Added, tb[j]));
        }
    }
}

namespace {

using ChannelsByKind = std::array<std::vector<const ChannelEntry*>, 2>;

ChannelsByKind ByKind(const std::vector<ChannelEntry>& channels) {
    ChannelsByKind kinds;
    for (const auto& e : channels) {
        kinds[e.channel->IsTv() ? 0 : 1].push_back(&e);
    }
    return kinds;
}

// The channel a timer records: the (position + 1)-th of its kind.
const ChannelEntry* TimerChannel(const CAlarmData& timer, const ChannelsByKind& kinds) {
    const auto& list = kinds[timer.IsTv() ? 0 : 1];
    return timer.GetChannelPosition() < list.size() ? list[timer.GetChannelPosition()] : nullptr;
}

std::string TimerName(const CSettingsFile& f, size_t i) {
    std::string text = i < f.m_timerInfos.Size() ? f.m_timerInfos.At(i)->GetText() : std::string();
    return text.empty() ? "Timer " + std::to_string(i + 1) : text;
}

std::string TimerWhen(const CAlarmData& t) {
    const auto date = t.GetStartDate();
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", date.year, date.month, date.day,
                  t.GetStartHour(), t.GetStartMinute());
    return text;
}

} // namespace

void CompareTimers(const CSettingsFile& a, const CSettingsFile& b,
                   const std::vector<ChannelEntry>& channelsA,
                   const std::vector<ChannelEntry>& channelsB, ListDifference& d) {
    const auto kindsA = ByKind(channelsA);
    const auto kindsB = ByKind(channelsB);
    const size_t n = std::max(a.m_timers.Size(), b.m_timers.Size());
    for (size_t i = 0; i < n; ++i) {
        const CAlarmData* ta = i < a.m_timers.Size() ? a.m_timers.At(i) : nullptr;
        const CAlarmData* tb = i < b.m_timers.Size() ? b.m_timers.At(i) : nullptr;
        const bool usedA = ta != nullptr && ta->IsInUse();
        const bool usedB = tb != nullptr && tb->IsInUse();
        if (!usedA && !usedB) {
            continue;
        }
        DiffItem item;
        item.area = DiffArea::Timers;
        item.name = TimerName(usedB ? b : a, i);
        item.oldPosition = usedA ? static_cast<int>(i) + 1 : 0;
        item.newPosition = usedB ? static_cast<int>(i) + 1 : 0;
        if (usedA != usedB) {
            item.kind = usedB ? DiffKind::Added : DiffKind::Removed;
            d.Add(std::move(item));
            continue;
        }
        const ChannelEntry* channelA = TimerChannel(*ta, kindsA);
        const ChannelEntry* channelB = TimerChannel(*tb, kindsB);
        if ((channelA == nullptr) != (channelB == nullptr) ||
            (channelA != nullptr && !(channelA->key == channelB->key))) {
            item.fields.push_back({"channel", channelA ? channelA->name : std::string("-"),
                                   channelB ? channelB->name : std::string("-")});
        }
        if (TimerWhen(*ta) != TimerWhen(*tb)) {
            item.fields.push_back({"start", TimerWhen(*ta), TimerWhen(*tb)});
        }
        auto ra = ta->Record();
        auto rb = tb->Record();
        ra[10] = rb[10] = ra[11] = rb[11] = 0; // the channel position follows the channel
        ra[0] = rb[0] = ra[1] = rb[1] = ra[2] = rb[2] = ra[3] = rb[3] = 0;
        if (ra != rb) {
            item.fields.push_back({"settings", {}, {}});
        }
        const std::string textA = TimerName(a, i);
        const std::string textB = TimerName(b, i);
        if (textA != textB) {
            item.fields.push_back({"text", textA, textB});
        }
        if (!item.fields.empty()) {
            item.kind = DiffKind::Changed;
            d.Add(std::move(item));
        }
    }
}

void CompareConfiguration(const CSettingsFile& a, const CSettingsFile& b, ListDifference& d) {
    const auto& ca = a.m_configuration;
    const auto& cb = b.m_configuration;
    DiffItem item;
    item.area = DiffArea::Configuration;
    item.name = "configuration";
    if (ca.IsValid() != cb.IsValid()) {
        item.kind = cb.IsValid() ? DiffKind::Added : DiffKind::Removed;
        d.Add(std::move(item));
        return;
    }
    if (!ca.IsValid()) {
        return;
    }
    const size_t n = std::max(ca.Length(), cb.Length());
    for (size_t offset = 0; offset < n; offset += 4) {
        const uint32_t wa = ca.GetWord(offset);
        const uint32_t wb = cb.GetWord(offset);
        if (wa != wb || (offset + 4 > ca.Length()) != (offset + 4 > cb.Length())) {
            DiffItem word = item;
            word.kind = DiffKind::Changed;
            word.name = "word " + std::to_string(offset);
            word.fields.push_back(
                {"word " + std::to_string(offset), HexText(wa, 8), HexText(wb, 8)});
            d.Add(std::move(word));
        }
    }
}

} // namespace tarnell
