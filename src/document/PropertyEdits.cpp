#include "PropertyEdits.h"

#include "CSettingsFile.h"
#include "CodePage.h"

#include <algorithm>
#include <cctype>

namespace tarnell::PropertyEdits {

namespace {
constexpr uint8_t kInUse = 0x20;
constexpr uint16_t kHalfCircle = 1800;
constexpr uint8_t kNameEdited = 0x20;
} // namespace

std::optional<uint16_t> ParseDegrees(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    unsigned whole = 0;
    size_t digits = 0;
    size_t k = 0;
    for (; k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])); ++k) {
        whole = whole * 10 + static_cast<unsigned>(text[k] - '0');
        if (++digits > 3) {
            return std::nullopt;
        }
    }
    unsigned tenth = 0;
    if (k < text.size() && (text[k] == '.' || text[k] == ',')) {
        ++k;
        if (k < text.size()) {
            if (!std::isdigit(static_cast<unsigned char>(text[k]))) {
                return std::nullopt;
            }
            tenth = static_cast<unsigned>(text[k] - '0');
            ++k;
        }
    }
    if (digits == 0 || k != text.size()) {
        return std::nullopt;
    }
    const unsigned tenths = whole * 10 + tenth;
    if (tenths > kHalfCircle) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(tenths);
}

uint16_t StoredPosition(uint16_t tenths, bool west) {
    if (!west || tenths == 0 || tenths >= kHalfCircle) {
        return std::min(tenths, kHalfCircle);
    }
    return static_cast<uint16_t>(3600 - tenths);
}

uint16_t Magnitude(uint16_t stored) {
    if (stored <= kHalfCircle) {
        return stored;
    }
    return stored >= 3600 ? 0 : static_cast<uint16_t>(3600 - stored);
}

int LnbUseCount(const CSettingsFile& file, uint8_t index) {
    int count = 0;
    for (const auto& satellite : file.m_satellites.Items()) {
        count += (satellite->GetLnbIndex(0) == index ? 1 : 0) +
                 (satellite->GetLnbIndex(1) == index ? 1 : 0);
    }
    return count;
}

namespace {

// A record nobody names and nobody marked in use, or none.
std::optional<size_t> FreeLnb(const CSettingsFile& file) {
    const auto& lnbs = file.m_lnbs;
    for (size_t index = 0; index < lnbs.Size() && index < kMaxLnbRecords; ++index) {
        if (!lnbs.At(index)->IsInUse() && LnbUseCount(file, static_cast<uint8_t>(index)) == 0) {
            return index;
        }
    }
    return std::nullopt;
}

bool Shared(const CSettingsFile& file, int current) {
    return current < 0 || LnbUseCount(file, static_cast<uint8_t>(current)) > 1;
}

} // namespace

bool CanTakeLnbForEdit(const CSettingsFile& file, const CSatelliteInfo& satellite, int input) {
    const int current = satellite.ResolveLnb(input, file.m_lnbs.Size());
    return !Shared(file, current) || FreeLnb(file) || file.m_lnbs.Size() < kMaxLnbRecords;
}

LnbForEdit TakeLnbForEdit(CSettingsFile& file, CSatelliteInfo& satellite, int input) {
    auto& lnbs = file.m_lnbs;
    const int current = satellite.ResolveLnb(input, lnbs.Size());
    if (!Shared(file, current)) {
        return {lnbs.At(static_cast<size_t>(current)), false};
    }
    CSatelliteData* record = nullptr;
    size_t index = 0;
    if (const auto free = FreeLnb(file)) {
        index = *free;
        record = lnbs.At(index);
    } else if (lnbs.Size() < kMaxLnbRecords) {
        index = lnbs.Size();
        record = lnbs.Add(std::make_unique<CSatelliteData>());
    } else {
        return {nullptr, false};
    }
    // The satellite keeps the settings it had until the edit changes one of them; one that had
    // none starts from a blank record, not from what a former owner left in a free one.
    record->Record() = current >= 0 ? lnbs.At(static_cast<size_t>(current))->Record()
                                    : std::array<uint8_t, CSatelliteData::kRecordSize>{};
    record->SetFlags(static_cast<uint8_t>(record->GetFlags() | kInUse));
    satellite.SetLnbIndex(input, static_cast<uint8_t>(index));
    return {record, true};
}

size_t NameTextBytes(const CSettingsFile& file, const CChannelData& channel,
                     std::string_view utf8) {
    CChannelInfo name;
    if (channel.GetNameIndex() < file.m_channelNames.Size()) {
        name.SetCodePageCode(file.m_channelNames.At(channel.GetNameIndex())->GetCodePageCode());
    }
    return name.EncodeName(utf8).size();
}

NameProblem CheckChannelName(const CSettingsFile& file, const CChannelData& channel,
                             std::string_view utf8) {
    uint32_t code = 0;
    if (channel.GetNameIndex() < file.m_channelNames.Size()) {
        code = file.m_channelNames.At(channel.GetNameIndex())->GetCodePageCode();
    }
    if (!CanEncode(utf8, CodePageForTableCode(code))) {
        return NameProblem::NotEncodable;
    }
    // Room for the table bytes and the terminator, as every name record keeps.
    if (NameTextBytes(file, channel, utf8) + 3 > CChannelInfo::kMaxRecordBytes) {
        return NameProblem::TooLong;
    }
    return NameProblem::None;
}

void SetChannelName(CSettingsFile& file, CChannelData& channel, std::string_view utf8) {
    const uint16_t index = channel.GetNameIndex();
    const bool own =
        index < file.m_channelNames.Size() &&
        std::none_of(file.m_channels.Items().begin(), file.m_channels.Items().end(),
                     [&channel, index](const auto& other) {
                         return other.get() != &channel && other->GetNameIndex() == index;
                     });
    if (own) {
        file.m_channelNames.At(index)->SetDisplayName(utf8);
    } else {
        // A name another channel uses too stays theirs; this channel gets its own.
        auto name = std::make_unique<CChannelInfo>();
        if (index < file.m_channelNames.Size()) {
            name->SetCodePageCode(file.m_channelNames.At(index)->GetCodePageCode());
        }
        name->SetDisplayName(utf8);
        file.m_channelNames.Add(std::move(name));
        channel.SetNameIndex(static_cast<uint16_t>(file.m_channelNames.Size() - 1));
    }
    channel.SetFlagByte(static_cast<uint8_t>(channel.GetFlagByte() | kNameEdited));
}

std::optional<uint16_t> FirstTransponderOf(const CSettingsFile& file, size_t satellite) {
    const auto& transponders = file.m_transponders;
    for (size_t k = 0; k < transponders.Size() && k < CChannelData::kNone; ++k) {
        const CTransponderData* t = transponders.At(k);
        if (!t->IsFree() && t->GetSatelliteIndex() == satellite) {
            return static_cast<uint16_t>(k);
        }
    }
    return std::nullopt;
}

} // namespace tarnell::PropertyEdits
