#include "ReceiverConfigFields.h"

#include "ByteOrder.h"
#include "CSettingsFile.h"
#include "CodePage.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace tarnell::ReceiverConfig {

namespace {

using enum Kind;

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

bool SameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<int64_t> ParseInteger(std::string_view text) {
    int64_t value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::string SiteText(uint32_t stored, bool latitude) {
    const Site site = SiteOf(stored);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%u.%03u° %s", site.thousandths / 1000,
                  site.thousandths % 1000,
                  latitude ? (site.westOrSouth ? "S" : "N") : (site.westOrSouth ? "W" : "E"));
    return buffer;
}

std::string CodeText(const CSettingsFile& file, size_t offset) {
    std::string text;
    for (size_t k = 0; k < 4; ++k) {
        const uint8_t c = file.m_configuration.GetByte(offset + k);
        if (c >= 0x20 && c < 0x7F) {
            text += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            text += hex;
        }
    }
    return text;
}

} // namespace

const Field* FindField(std::string_view name) {
    for (const Field& field : Fields()) {
        if (name == field.name) {
            return &field;
        }
    }
    return nullptr;
}

const Field* FieldAt(Page page, size_t offset) {
    for (const Field& field : Fields()) {
        if (field.page == page && field.offset == offset) {
            return &field;
        }
    }
    return nullptr;
}

std::span<const Option> OptionsOf(const CSettingsFile& file, const Field& field) {
    if (field.kind == Resolution) {
        return ResolutionOptions(file.m_configuration.GetWord(kTvSystemOffset));
    }
    return field.options;
}

const Option* MatchOption(std::span<const Option> options, const Field& field, int64_t value) {
    if (field.kind == InvertedList && options.size() == 2) {
        return value == 0 ? &options[1] : &options[0];
    }
    for (const Option& option : options) {
        if (option.value == value) {
            return &option;
        }
    }
    return nullptr;
}

std::string OptionText(const Option& option) {
    std::string text = option.text;
    if (option.arg >= 0) {
        if (const auto at = text.find("%1"); at != std::string::npos) {
            text.replace(at, 2, std::to_string(option.arg));
        }
    }
    return text;
}

int64_t ReadNumber(const CSettingsFile& file, const Field& field) {
    const CConfigurationData& config = file.m_configuration;
    switch (field.kind) {
    case ByteList:
        return config.GetByte(field.offset);
    case Code:
    case Text:
        return 0;
    default: {
        const uint32_t word = config.GetWord(field.offset);
        return field.isSigned ? static_cast<int64_t>(static_cast<int32_t>(word)) : word;
    }
    }
}

bool IsAvailable(const CSettingsFile& file, const Field& field) {
    return field.kind != Text || file.m_etcStrings.Size() > 0;
}

std::string ValueText(const CSettingsFile& file, const Field& field) {
    switch (field.kind) {
    case Code:
        return CodeText(file, field.offset);
    case Text:
        return IsAvailable(file, field) ? file.m_etcStrings.At(0)->GetText(int(field.offset)) : "";
    case Address:
        return AddressText(static_cast<uint32_t>(ReadNumber(file, field)));
    default:
        return std::to_string(ReadNumber(file, field));
    }
}

std::string Meaning(const CSettingsFile& file, const Field& field) {
    const int64_t value = ReadNumber(file, field);
    switch (field.kind) {
    case List:
    case ByteList:
    case InvertedList:
    case CheckBox:
    case Resolution: {
        const Option* option = MatchOption(OptionsOf(file, field), field, value);
        return option ? Trimmed(OptionText(*option)) : "no entry of the list";
    }
    case Milliseconds:
        return std::to_string(static_cast<uint32_t>(value) & 0xFFFF) + " ms";
    case Level:
        return std::to_string(value);
    case Longitude:
        return SiteText(static_cast<uint32_t>(value), false);
    case Latitude:
        return SiteText(static_cast<uint32_t>(value), true);
    case Code:
    case Text:
    case Address:
        return ValueText(file, field);
    }
    return {};
}

std::optional<std::string> Check(const Change& change) {
    const Field& field = *change.field;
    switch (field.kind) {
    case Resolution:
        return std::string("follows the TV system and cannot be set");
    case Milliseconds:
        if (change.number < 0 || change.number > 400 || change.number % 20 != 0) {
            return std::string("must be 0 to 400 ms in steps of 20");
        }
        return std::nullopt;
    case Level:
        if (change.number < -10 || change.number > 10) {
            return std::string("must lie from -10 to 10");
        }
        return std::nullopt;
    case Code:
        if (change.text.size() != 4 || !std::all_of(change.text.begin(), change.text.end(),
                                                    [](char c) { return c >= '0' && c <= '9'; })) {
            return std::string("must be exactly four digits");
        }
        return std::nullopt;
    case Address:
        if (change.number < 0 || change.number > 0xFFFFFFFFll) {
            return std::string("is not an IP address");
        }
        return std::nullopt;
    case Longitude:
    case Latitude: {
        const Site site = SiteOf(static_cast<uint32_t>(change.number));
        const uint32_t maximum = field.kind == Longitude ? 180000 : 90000;
        if (change.number < 0 || change.number >= 360000 || site.thousandths > maximum) {
            return std::string(field.kind == Longitude ? "must lie from 0 to 180 degrees"
                                                       : "must lie from 0 to 90 degrees");
        }
        return std::nullopt;
    }
    case Text:
        if (!CanEncode(change.text, CodePage::Windows1252)) {
            return std::string("holds characters the receiver cannot store");
        }
        if (EncodeText(change.text, CodePage::Windows1252).size() > kTextBytes ||
            change.text.find('\0') != std::string::npos) {
            return std::string("is longer than 127 bytes");
        }
        return std::nullopt;
    default: {
        const auto options = field.options;
        const bool offered = std::any_of(options.begin(), options.end(),
                                         [&](const Option& o) { return o.value == change.number; });
        if (!offered) {
            return std::string("is not one of the field's choices");
        }
        return std::nullopt;
    }
    }
}

std::optional<std::string> Parse(const CSettingsFile& file, const Field& field,
                                 std::string_view typed, Change& out) {
    out = Change{&field, 0, {}};
    const std::string text = Trimmed(typed);
    if (!IsAvailable(file, field)) {
        return std::string("the file holds no text block");
    }
    switch (field.kind) {
    case Code:
    case Text:
        out.text = field.kind == Text ? std::string(typed) : text;
        return Check(out);
    case Address: {
        const auto address = ParseAddress(text);
        if (!address) {
            return std::string("is not an IP address (four numbers 0 to 255, dotted)");
        }
        out.number = *address;
        return std::nullopt;
    }
    case Longitude:
    case Latitude: {
        const bool longitude = field.kind == Longitude;
        std::string number = text;
        bool other = false;
        if (!number.empty()) {
            const char side =
                static_cast<char>(std::toupper(static_cast<unsigned char>(number.back())));
            if (side == (longitude ? 'E' : 'N') || side == (longitude ? 'W' : 'S')) {
                other = side == (longitude ? 'W' : 'S');
                number = Trimmed(std::string_view(number).substr(0, number.size() - 1));
                // "12.5°E" as the pages show it
                if (number.size() >= 2 && number.compare(number.size() - 2, 2, "°") == 0) {
                    number = Trimmed(std::string_view(number).substr(0, number.size() - 2));
                }
            }
        }
        const uint32_t maximum = longitude ? 180000 : 90000;
        const auto thousandths = ParseThousandths(number, maximum);
        if (!thousandths) {
            return std::string(longitude ? "must be degrees from 0 to 180 with at most three "
                                           "decimals, then E or W"
                                         : "must be degrees from 0 to 90 with at most three "
                                           "decimals, then N or S");
        }
        out.number = StoredSite({*thousandths, other});
        return std::nullopt;
    }
    default:
        break;
    }
    if (field.kind == Resolution) {
        return Check(out);
    }
    if (!field.options.empty()) {
        for (const Option& option : field.options) {
            if (SameText(Trimmed(OptionText(option)), text)) {
                out.number = option.value;
                return std::nullopt;
            }
        }
    }
    const auto number = ParseInteger(text);
    if (!number) {
        return std::string("is not a number or one of the field's choices");
    }
    out.number = *number;
    return Check(out);
}

void Write(CSettingsFile& file, const Change& change) {
    const Field& field = *change.field;
    CConfigurationData& config = file.m_configuration;
    switch (field.kind) {
    case Resolution:
        return;
    case ByteList:
        config.SetByte(field.offset, static_cast<uint8_t>(change.number));
        return;
    case Code:
        for (size_t k = 0; k < 4 && k < change.text.size(); ++k) {
            config.SetByte(field.offset + k, static_cast<uint8_t>(change.text[k]));
        }
        return;
    case Text:
        if (IsAvailable(file, field)) {
            file.m_etcStrings.At(0)->SetText(int(field.offset), change.text);
        }
        return;
    default:
        config.SetWord(field.offset, static_cast<uint32_t>(change.number));
        return;
    }
}

Site SiteOf(uint32_t stored) {
    if (stored > 180000) {
        return {360000 - std::min<uint32_t>(stored, 360000), true};
    }
    return {stored, false};
}

uint32_t StoredSite(Site site) {
    // 0 is the same place on both sides.
    return site.westOrSouth && site.thousandths > 0 ? 360000 - site.thousandths : site.thousandths;
}

std::optional<uint32_t> ParseThousandths(std::string_view text, uint32_t maximum) {
    const auto separator = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, separator);
    std::string_view decimals =
        separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
    if (whole.empty() || whole.size() > 3 || decimals.size() > 3 ||
        !std::all_of(whole.begin(), whole.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
        !std::all_of(decimals.begin(), decimals.end(),
                     [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (const char c : whole) {
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    for (size_t k = 0; k < 3; ++k) {
        value = value * 10 + (k < decimals.size() ? static_cast<uint32_t>(decimals[k] - '0') : 0);
    }
    if (value > maximum) {
        return std::nullopt;
    }
    return value;
}

std::string AddressText(uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::optional<uint32_t> ParseAddress(std::string_view text) {
    if (std::count(text.begin(), text.end(), '.') != 3) {
        return std::nullopt;
    }
    uint32_t address = 0;
    int parts = 0;
    size_t start = 0;
    while (parts < 4) {
        const auto dot = text.find('.', start);
        const std::string_view part = text.substr(
            start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        const auto number = ParseInteger(part);
        if (part.size() > 3 || !number || *number < 0 || *number > 255) {
            return std::nullopt;
        }
        address = (address << 8) | static_cast<uint32_t>(*number);
        ++parts;
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    return address;
}

} // namespace tarnell::ReceiverConfig
