#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnell {

// The code pages names are stored in, by their Windows numbers.
enum class CodePage : uint32_t {
    Windows1252 = 1252, // "the thread's ANSI code page" of the original platform
    Iso6937 = 20269,
    Iso8859_1 = 28591,
    Iso8859_2 = 28592,
    Iso8859_5 = 28595,
    Iso8859_6 = 28596,
    Iso8859_7 = 28597,
    Iso8859_8 = 28598,
    Iso8859_9 = 28599,
    Utf8 = 65001,
};

// Decodes 8-bit text to UTF-8. Bytes the code page does not define become U+FFFD.
std::string DecodeText(std::span<const uint8_t> bytes, CodePage codePage);

// Encodes UTF-8 text; characters the code page cannot hold become '?'.
std::vector<uint8_t> EncodeText(std::string_view utf8, CodePage codePage);

// True when every character of the text can be encoded in the code page.
bool CanEncode(std::string_view utf8, CodePage codePage);

// Character-table code of channel, provider and satellite names -> code page.
CodePage CodePageForTableCode(uint32_t code);
// The favourite-name setting (0 to 6) -> code page.
CodePage CodePageForFavourites(int favCodepage);
// Character-table code of a timer text -> code page.
CodePage CodePageForTimerText(uint32_t code);

} // namespace tarnell
