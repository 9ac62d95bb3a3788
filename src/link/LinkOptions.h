#pragma once

#include "CFtpConnection.h"

#include <chrono>
#include <filesystem>

namespace tarnell {

// How the link reaches the receiver; the defaults are the receiver's.
struct LinkOptions {
    FtpTimeouts timeouts;
    int restartPort = 23; // the receiver's login shell; another port only for tests
    std::chrono::milliseconds restartConnectTimeout{5000};
    std::chrono::milliseconds restartSendTimeout{5000};
    // Where a send keeps the receiver's previous files; empty: ReceiverBackupFolder().
    std::filesystem::path backupFolder;
};

} // namespace tarnell
