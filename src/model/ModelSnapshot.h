#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tarnell {

class CSettingsFile;

// A compressed copy of a whole model, for undo and redo: restoring it gives back every record
// byte and every derived value (list order of TV and radio, satellite sequence numbers, ...).
class ModelSnapshot {
public:
    static std::vector<uint8_t> Take(const CSettingsFile& file);
    // Replaces the content of `file`. Records are new objects afterwards.
    static void Restore(CSettingsFile& file, std::span<const uint8_t> snapshot);
};

} // namespace tarnell
