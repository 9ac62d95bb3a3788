#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnell {

class CSettingsFile;

// The receiver's system settings as the configuration pages and fdutool see them: which page
// edits which word of the configuration structure, what each stored value means, and how a
// typed value is checked. English texts; the editor translates them.
namespace ReceiverConfig {

// In the order the sheet lists them.
enum class Page : int {
    Language,
    Recording,
    ParentalControl,
    Display,
    Time,
    AvOutput,
    Network,
    ServiceList,
    Positioner,
    Epg,
};
inline constexpr int kPageCount = 10;

enum class Kind {
    List,         // 32-bit word, one of the options
    ByteList,     // one byte, one of the options
    InvertedList, // 0 shows the second option, anything else the first
    CheckBox,     // 32-bit word, 0 or 1
    Resolution,   // shown only; its list follows the TV system
    Milliseconds, // 32-bit word, 0 to 400 in steps of 20
    Level,        // signed 32-bit word, -10 to 10
    Code,         // four digit characters, one a byte
    Address,      // an IPv4 address in one 32-bit word
    Longitude,    // thousandths of a degree; above 180000 west
    Latitude,     // thousandths of a degree; above 180000 south
    Text,         // one of the four texts of the miscellaneous text block (offset = number)
};

struct Option {
    int64_t value;
    const char* text; // "%1" stands for `arg` when arg >= 0
    bool translated;
    int arg = -1;
};

struct Field {
    const char* name; // fdutool's name of the field
    Page page;
    size_t offset;
    Kind kind;
    const char* label; // "%1" stands for labelArg
    std::span<const Option> options;
    bool shownDisabled = false;
    bool isSigned = false;
    int labelArg = -1;
};

inline constexpr size_t kTvSystemOffset = 232;
inline constexpr size_t kDhcpOffset = 584;
inline constexpr size_t kTextBytes = 127;

std::span<const Field> Fields();
const Field* FindField(std::string_view name);
const Field* FieldAt(Page page, size_t offset);
const char* PageTitle(Page page);
// Short English name for scripts: "language", "av-output".
const char* PageKey(Page page);

// The resolution list for a TV system: 0 PAL, 1 NTSC, anything else both.
std::span<const Option> ResolutionOptions(uint32_t tvSystem);
// The options a field offers in this file (the resolution list follows the TV system).
std::span<const Option> OptionsOf(const CSettingsFile& file, const Field& field);
// The option a stored value shows, or nullptr when none matches.
const Option* MatchOption(std::span<const Option> options, const Field& field, int64_t value);
std::string OptionText(const Option& option);

// The stored value as a number (signed where the field is); Code and Text read 0.
int64_t ReadNumber(const CSettingsFile& file, const Field& field);
// The stored value as fdutool prints it, and what it means.
std::string ValueText(const CSettingsFile& file, const Field& field);
std::string Meaning(const CSettingsFile& file, const Field& field);
// False for a text field when the file carries no text block.
bool IsAvailable(const CSettingsFile& file, const Field& field);

// A value to write: `number` for every kind but Code and Text, which take `text`.
struct Change {
    const Field* field = nullptr;
    int64_t number = 0;
    std::string text;
};
// Checks a typed value as the pages do: the option's text or its stored number, a dotted
// address, four digits, "12.5 E", at most 127 bytes of text. Returns the message that refuses
// it, or nothing with `out` filled.
std::optional<std::string> Parse(const CSettingsFile& file, const Field& field,
                                 std::string_view text, Change& out);
// Checks a value that the pages give as a number or text: the same limits as Parse.
std::optional<std::string> Check(const Change& change);
// Writes the full value (one byte for the byte fields), big-endian.
void Write(CSettingsFile& file, const Change& change);

// "12.345" and the hemisphere of a stored site value.
struct Site {
    uint32_t thousandths = 0;
    bool westOrSouth = false;
};
Site SiteOf(uint32_t stored);
uint32_t StoredSite(Site site);
// Degrees with at most three decimals, "." or ",", up to `maximum`; nothing otherwise.
std::optional<uint32_t> ParseThousandths(std::string_view text, uint32_t maximum);

std::string AddressText(uint32_t address);
std::optional<uint32_t> ParseAddress(std::string_view text);

} // namespace ReceiverConfig

} // namespace tarnell
