// The network profile file comes from disk, written by us or by anyone else.
#include "CNetworkProfileArray.h"
#include "FileError.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tarnell::CNetworkProfileArray profiles;
    try {
        profiles.FromBytes(std::span(data, size));
    } catch (const tarnell::FileError&) {
        return 0;
    }
    // What was read is written back the same way.
    const auto bytes = profiles.ToBytes();
    tarnell::CNetworkProfileArray again;
    again.FromBytes(bytes);
    if (again.ToBytes() != bytes || again.Size() != profiles.Size()) {
        __builtin_trap();
    }
    profiles.GetActiveProfile();
    return 0;
}
