// The configuration section, as the receiver's _config.fdu or the tail of a .sys file. The
// first byte chooses whether the input is taken as it is or packed into a valid stream first, so
// the fuzzer reaches the payload checks as well as the stream's.
#include "CConfigurationData.h"
#include "FileError.h"
#include "SectionHeader.h"
#include "ZlibEngine.h"

#include <cstdint>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    std::vector<uint8_t> section;
    const auto rest = std::span(data + 1, size - 1);
    if (data[0] & 1) {
        const auto stream = tarnell::ZlibEngine::Compress(rest, 9);
        auto header = tarnell::SectionHeader::Fresh(tarnell::kIdConfiguration);
        header.SetLengths(static_cast<uint32_t>(stream.bytes.size()),
                          static_cast<uint32_t>(rest.size()));
        section.assign(header.bytes.begin(), header.bytes.end());
        section.insert(section.end(), stream.bytes.begin(), stream.bytes.end());
    } else {
        section.assign(rest.begin(), rest.end());
    }
    tarnell::CConfigurationData config;
    config.ReadConfiguration(section);
    for (const auto layout : {tarnell::ConfigLayout::File, tarnell::ConfigLayout::Receiver}) {
        std::vector<uint8_t> written;
        try {
            written = config.WriteConfiguration(layout);
        } catch (const tarnell::FileError&) {
            continue;
        }
        if (config.IsValid() != !written.empty()) {
            __builtin_trap();
        }
        if (layout == tarnell::ConfigLayout::Receiver && !written.empty()) {
            // Read back, it is the same configuration.
            tarnell::CConfigurationData again;
            if (again.ReadConfiguration(written) || !again.IsValid() ||
                again.WriteConfiguration(layout) != written) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
