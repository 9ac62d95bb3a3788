#pragma once

#include "ImportReport.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace tarnell {

class CSettingsFile;

// The database image of the Octagon 818, 908 and 918 receivers. The file length names the
// model, and the model the size of some sections.
class CUDBImportManager {
public:
    enum class Model { M818, M908, M918 };

    // The records as the receiver stores them (little-endian).
    struct AChannelInfo {
        std::string name; // raw 8-bit bytes
        bool tv = true;
        uint16_t storedNumber = 0;
        uint16_t transponderIndex = 0;
        uint16_t serviceId = 0;
        uint16_t serviceValue = 0;
        uint16_t videoPid = 0;
        uint16_t audioPid = 0;
        uint16_t pcrPid = 0;
        uint16_t flagWord = 0;
        bool hd = false;
    };
    struct ATransponderInfo {
        uint16_t frequency = 0;
        uint16_t symbolRate = 0;
        uint16_t originalNetworkId = 0;
        uint16_t transportStreamId = 0;
        uint8_t polarisation = 0;
        uint8_t satelliteIndex = 0xFF;
    };
    struct ASatelliteInfo {
        std::string name; // ISO 8859-1
        uint32_t positionWord = 0;
        int Position() const; // tenths of a degree east, whole degrees
    };

    static constexpr size_t kFileLength818 = 409872;
    static constexpr size_t kFileLength908 = 737552;
    static constexpr size_t kFileLength918 = 852240;

    bool Import(const std::filesystem::path& path, CSettingsFile& file, ImportReport& report);
    bool ImportBytes(std::span<const uint8_t> bytes, CSettingsFile& file, ImportReport& report,
                     int favCodepage = 6);

private:
    bool Read(std::span<const uint8_t> bytes, ImportReport& report);

    std::vector<AChannelInfo> m_channels;
    std::vector<ATransponderInfo> m_transponders;
    std::vector<ASatelliteInfo> m_satellites;
    std::vector<std::string> m_favouriteNames;
    int m_languageCode = 0;
};

} // namespace tarnell
