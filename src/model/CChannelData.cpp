#include "CChannelData.h"

#include <cstdio>

namespace tarnell {

std::vector<int> CChannelData::GetFavourites() const {
    std::vector<int> bits;
    const uint32_t mask = GetFavouriteMask();
    for (int n = 0; n < 32; ++n) {
        if ((mask >> n) & 1u) {
            bits.push_back(n);
        }
    }
    return bits;
}

void CChannelData::SetFavourite(int listNumber, bool on) {
    if (listNumber < 1 || listNumber > 32) {
        return;
    }
    const uint32_t bit = 1u << (listNumber - 1);
    SetFavouriteMask(on ? (GetFavouriteMask() | bit) : (GetFavouriteMask() & ~bit));
}

std::string CChannelData::GetServiceIdText() const {
    char text[16];
    std::snprintf(text, sizeof(text), "%5i", static_cast<int>(GetServiceId()));
    return text;
}

} // namespace tarnell
