#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tarnell {

// Section compression. Results are zlib codes: 0 on success.
class ZlibEngine {
public:
    struct Result {
        int code = 0;
        std::vector<uint8_t> bytes;
    };

    // No section of a settings file inflates to anywhere near this; a larger output means a
    // damaged or hostile stream.
    static constexpr size_t kMaxInflatedSize = 8u << 20;

    static Result Compress(std::span<const uint8_t> source, int level);

    // Inflates one zlib stream from the start of source; bytes after the stream's end are
    // ignored. On an error, bytes holds what was inflated up to it.
    static Result Decompress(std::span<const uint8_t> source, size_t maxOutput = kMaxInflatedSize);
};

} // namespace tarnell
