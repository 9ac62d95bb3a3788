#include "UserConfigFolder.h"

#include "CNetworkProfileArray.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace tarnell {

namespace {
std::filesystem::path FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::filesystem::path(value)
                                              : std::filesystem::path();
}
} // namespace

std::filesystem::path UserConfigFolder() {
    if (auto own = FromEnvironment("TARNELL_CONFIG_DIR"); !own.empty()) {
        return own;
    }
    if (auto xdg = FromEnvironment("XDG_CONFIG_HOME"); xdg.is_absolute()) {
        return xdg / "Brixholm";
    }
    auto home = FromEnvironment("HOME");
    if (home.empty()) {
        if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
            home = pw->pw_dir;
        }
    }
    return home / ".config" / "Brixholm";
}

std::filesystem::path NetworkProfilePath() {
    return UserConfigFolder() / CNetworkProfileArray::kFileName;
}

std::filesystem::path ReceiverBackupFolder() {
    return UserConfigFolder() / "ReceiverBackups";
}

} // namespace tarnell
