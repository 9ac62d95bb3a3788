#pragma once

#include "ImportReport.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace tarnell {

class CSettingsFile;

// The channel database of the Octagon SD x18 and x18+: a 262,144-byte image in two byte
// orders, 2900 (little-endian) and 790 (big-endian), which also place a few bits differently.
class CBINImportManager {
public:
    static constexpr size_t kFileLength = 262144;

    struct CTransponderInfo {
        uint32_t frequencyKhz = 0;
        uint16_t symbolRate = 0;
        uint8_t satelliteIndex = 0;
        bool horizontal = false;
        uint16_t transportStreamId = 0;
        uint16_t originalNetworkId = 0;
    };
    struct CSatelliteInfo {
        std::string name; // empty in the 790 variant
        uint16_t position = 0;
        int FiledPosition() const; // whole degrees, tenths of a degree east
    };
    struct AChannelInfoSD {
        std::string name;
        uint16_t transponderIndex = 0;
        uint16_t videoPid = 0;
        uint16_t audioPid = 0;
        uint16_t pcrPid = 0;
        uint16_t serviceId = 0;
        bool tv = false;
        bool valid = false;
        bool markA = false;
        bool markB = false;
        bool markC = false;
        uint8_t favourites = 0;
    };

    bool Import(const std::filesystem::path& path, CSettingsFile& file, ImportReport& report,
                int favCodepage = 6);
    bool ImportBytes(std::span<const uint8_t> bytes, CSettingsFile& file, ImportReport& report,
                     int favCodepage = 6);

    bool IsBigEndian() const { return m_bigEndian; }

private:
    void Read(std::span<const uint8_t> bytes);

    bool m_bigEndian = false;
    std::vector<CTransponderInfo> m_transponders;
    std::vector<CSatelliteInfo> m_satellites;
    std::vector<std::string> m_favouriteNames;
    std::vector<AChannelInfoSD> m_channels;
};

} // namespace tarnell
