// Bouquet files and the service references in them come from anywhere.
#include "CE2ImportBouquet.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tarnell::CE2ImportBouquetArray array;
    size_t included = 0;
    tarnell::ParseBouquetText(text, array, size % 2 == 0,
                              [&included](const std::string&) { ++included; });
    tarnell::ParseServiceReference(text.substr(0, 200));
    return 0;
}
