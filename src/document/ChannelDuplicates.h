#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tarnell {

class CSettingsFile;

struct DuplicateGroup {
    enum class Kind {
        SameService, // the same satellite, transponder and service ID more than once
        SameName,    // one name on different transponders (of the same kind)
    };
    Kind kind = Kind::SameService;
    std::string name;
    bool tv = true;
    std::vector<size_t> channels; // table indices, in table order
};

// Groups in order of their first channel; same-service groups first. Linear in the list.
std::vector<DuplicateGroup> FindDuplicates(const CSettingsFile& file);

// Every channel of a same-service group except its first: what a user would delete.
std::vector<size_t> SurplusChannels(const std::vector<DuplicateGroup>& groups);

} // namespace tarnell
