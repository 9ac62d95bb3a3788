#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnell {

// A part of a settings file that its directory (or its length) promises but that could not be
// read whole. Such a file loads as far as it goes; storing it would drop what is missing.
struct LostSection {
    std::string name; // what the user knows it as: "transponders", "TV channels", ...
    std::string why;  // "beyond the end of the file", ...
};

// The user's name of a section id ("section 0x12345678" for one this program does not know).
std::string SectionName(uint32_t id);

// "transponders (cut off by the end of the file), TV channels and radio channels (beyond the
// end of the file)": sections with the same cause are named together, in file order.
std::string DescribeLostSections(const std::vector<LostSection>& lost);

} // namespace tarnell
