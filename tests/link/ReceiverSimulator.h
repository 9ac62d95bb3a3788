#pragma once

#include "CNetworkProfileData.h"

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarnell::test {

struct SimulatorOptions {
    std::string user = "root";
    std::string password = "secret";
    bool denyRename = false;
    bool noNewFiles = false;             // uploads may replace files, not create them
    std::optional<size_t> diskFullAfter; // uploads fail once this many bytes are written
};

// tools/receiver_simulator.py on free loopback ports, serving <folder>/root and recording the
// restart bytes in <folder>/restart.bin. Stopped (SIGTERM, then SIGKILL) with the object.
class ReceiverSimulator {
public:
    explicit ReceiverSimulator(std::filesystem::path folder, SimulatorOptions options = {});
    ~ReceiverSimulator();
    ReceiverSimulator(const ReceiverSimulator&) = delete;
    ReceiverSimulator& operator=(const ReceiverSimulator&) = delete;

    // Empty on success, else what went wrong.
    std::string Start();

    int FtpPort() const { return m_ftpPort; }
    int RestartPort() const { return m_restartPort; }
    // The receiver's file behind a remote path such as "/var/etc/_service.fdu".
    std::filesystem::path Remote(const std::string& path) const;
    void PutRemote(const std::string& path, const std::vector<uint8_t>& bytes) const;
    std::vector<uint8_t> GetRemote(const std::string& path) const;
    // Every file the receiver holds below /var/etc, by name.
    std::vector<std::string> RemoteNames() const;
    // The bytes recorded so far, waiting (bounded) until at least `expected` have arrived.
    std::vector<uint8_t> RestartBytes(size_t expected) const;
    // A profile that reaches this simulator.
    CNetworkProfileData Profile() const;

private:
    std::filesystem::path m_folder;
    SimulatorOptions m_options;
    pid_t m_pid = -1;
    int m_ftpPort = 0;
    int m_restartPort = 0;
};

// A loopback port nothing listens on (taken free, then closed again).
int UnusedPort();

// An empty folder for the running test, below the temporary folder.
std::filesystem::path FreshTestFolder(const std::string& prefix);

} // namespace tarnell::test
