#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnell {

// One receiver on the network: its address, FTP port, login and reboot style. Texts are UTF-8.
class CNetworkProfileData {
public:
    static constexpr int32_t kDefaultPort = 21;
    static constexpr const char* kDefaultUser = "root";

    std::string m_name;
    uint32_t m_address = 0; // IPv4, first octet in the most significant byte
    int32_t m_port = kDefaultPort;
    std::string m_user = kDefaultUser;
    std::string m_password;
    int32_t m_forcedReboot = 1; // 1: "reboot -f", 0: "reboot"

    // The address as connections take it: "%i.%i.%i.%i", most significant byte first.
    std::string ServerText() const;
    bool operator==(const CNetworkProfileData&) const = default;
};

// "192.168.0.10" -> 0xC0A8000A; nothing unless it is four numbers from 0 to 255.
std::optional<uint32_t> ParseIpv4(std::string_view text);

} // namespace tarnell
