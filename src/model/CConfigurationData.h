#pragma once

#include "SectionHeader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarnell {

class ModelSnapshot;

enum class ConfigLayout {
    File,     // behind the service part of a *.sys file, with its gap and fill
    Receiver, // the receiver's own _config.fdu: header and stream only
};

// The receiver's system configuration. Nothing touches the structure unless it is valid.
class CConfigurationData {
public:
    static constexpr size_t kMaxLength = 1024;
    static constexpr size_t kMinLength = 848;
    static constexpr size_t kOptionWordOffset = 616;

    // Reads one configuration section from the start of `data`. Returns the message to show
    // the user, if any; after a failed read the configuration keeps its previous state.
    std::optional<std::string> ReadConfiguration(std::span<const uint8_t> data);

    // The configuration part in the given layout; empty when there is no valid configuration.
    // Throws FileError when the file layout has no room for the stream.
    std::vector<uint8_t> WriteConfiguration(ConfigLayout layout) const;

    bool IsValid() const { return m_valid; }
    size_t Length() const { return m_length; }
    std::span<const uint8_t> Structure() const { return {m_structure.data(), m_length}; }

    // Big-endian 32-bit fields; out-of-range offsets read 0 and write nothing.
    uint32_t GetWord(size_t offset) const;
    void SetWord(size_t offset, uint32_t value);
    uint8_t GetByte(size_t offset) const;
    void SetByte(size_t offset, uint8_t value);

private:
    friend class ModelSnapshot;
    SectionHeader m_sectionHeader = SectionHeader::Fresh(kIdConfiguration);
    std::array<uint8_t, 16> m_innerHeader{};
    std::array<uint8_t, kMaxLength> m_structure{};
    size_t m_length = 0;
    bool m_valid = false;
};

} // namespace tarnell
