#pragma once

#include <cstdint>
#include <span>

namespace tarnell {

class CSettingsFile;

// One channel of the built-in programme order on Astra 19.2° East.
struct SortTemplateEntry {
    const char* name;
    uint16_t serviceId;
    double position;
    int frequency;
    int polarisation; // 1 horizontal, 0 vertical
    int symbolRate;
};

std::span<const SortTemplateEntry> SortTemplateEntries();

// Moves the template's channels to the top of the list, in template order. Returns how many
// were found.
int ApplySortTemplate(CSettingsFile& file);

} // namespace tarnell
