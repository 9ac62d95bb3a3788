#include "ZlibEngine.h"

#include <algorithm>

namespace tarnell {

namespace {
constexpr size_t kBlock = 4096;
}

ZlibEngine::Result ZlibEngine::Compress(std::span<const uint8_t> source, int level) {
    Result result;
    z_stream zs{};
    if (deflateInit(&zs, level) != Z_OK) {
        result.code = Z_STREAM_ERROR;
        return result;
    }
    result.bytes.resize(deflateBound(&zs, static_cast<uLong>(source.size())));
    zs.next_in = const_cast<Bytef*>(source.data());
    zs.avail_in = static_cast<uInt>(source.size());
    zs.next_out = result.bytes.data();
    zs.avail_out = static_cast<uInt>(result.bytes.size());
    const int rc = deflate(&zs, Z_FINISH);
    result.bytes.resize(zs.total_out);
    deflateEnd(&zs);
    result.code = rc == Z_STREAM_END ? Z_OK : (rc == Z_OK ? Z_BUF_ERROR : rc);
    return result;
}

ZlibEngine::Result ZlibEngine::Decompress(std::span<const uint8_t> source, size_t maxOutput,
                                          size_t expectedSize) {
    Result result;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        result.code = Z_STREAM_ERROR;
        return result;
    }
    zs.next_in = const_cast<Bytef*>(source.data());
    zs.avail_in = static_cast<uInt>(source.size());
    // One byte beyond the expected size, so that a stream ending exactly there needs no second
    // buffer to report its end.
    std::vector<uint8_t>& out = result.bytes;
    out.resize(std::min(std::max(expectedSize + 1, kBlock), std::max<size_t>(maxOutput, 1)));
    size_t used = 0;
    int rc = Z_OK;
    while (rc == Z_OK) {
        if (used == out.size()) {
            if (out.size() >= maxOutput) {
                rc = Z_MEM_ERROR;
                break;
            }
            out.resize(std::min(out.size() * 2, maxOutput));
        }
        zs.next_out = out.data() + used;
        zs.avail_out = static_cast<uInt>(out.size() - used);
        const size_t room = out.size() - used;
        rc = inflate(&zs, Z_NO_FLUSH);
        used += room - zs.avail_out;
        if (rc == Z_BUF_ERROR && zs.avail_in == 0) {
            break; // input ended before the stream did
        }
        if (rc == Z_BUF_ERROR) {
            rc = Z_OK; // output room ran out; go on
        }
    }
    out.resize(used);
    inflateEnd(&zs);
    result.code = rc == Z_STREAM_END ? Z_OK : (rc == Z_OK ? Z_BUF_ERROR : rc);
    return result;
}

ZlibCompressor::ZlibCompressor(int level) {
    m_ready = deflateInit(&m_stream, level) == Z_OK;
}

ZlibCompressor::~ZlibCompressor() {
    if (m_ready) {
        deflateEnd(&m_stream);
    }
}

std::span<uint8_t> ZlibCompressor::Compress(std::span<const uint8_t> source) {
    if (!m_ready || deflateReset(&m_stream) != Z_OK) {
        return {};
    }
    const size_t bound = deflateBound(&m_stream, static_cast<uLong>(source.size()));
    if (m_buffer.size() < bound) {
        m_buffer.resize(bound);
    }
    m_stream.next_in = const_cast<Bytef*>(source.data());
    m_stream.avail_in = static_cast<uInt>(source.size());
    m_stream.next_out = m_buffer.data();
    m_stream.avail_out = static_cast<uInt>(m_buffer.size());
    if (deflate(&m_stream, Z_FINISH) != Z_STREAM_END) {
        return {};
    }
    return {m_buffer.data(), m_stream.total_out};
}

} // namespace tarnell
