#pragma once

#include <zlib.h>

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
    // ignored. On an error, bytes holds what was inflated up to it. `expectedSize` (the length
    // a header claims) only sizes the first buffer.
    static Result Decompress(std::span<const uint8_t> source, size_t maxOutput = kMaxInflatedSize,
                             size_t expectedSize = 0);
};

// One deflate stream and output buffer used for many payloads: a store compresses a dozen
// sections, and setting up a fresh stream for each costs as much as compressing small ones.
class ZlibCompressor {
public:
    explicit ZlibCompressor(int level);
    ~ZlibCompressor();
    ZlibCompressor(const ZlibCompressor&) = delete;
    ZlibCompressor& operator=(const ZlibCompressor&) = delete;

    // The stream of `source`; valid until the next call. Empty when zlib failed.
    std::span<uint8_t> Compress(std::span<const uint8_t> source);

private:
    z_stream m_stream{};
    bool m_ready = false;
    std::vector<uint8_t> m_buffer;
};

} // namespace tarnell
