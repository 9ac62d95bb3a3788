#include "ZlibEngine.h"

#include <algorithm>

#include <zlib.h>

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

ZlibEngine::Result ZlibEngine::Decompress(std::span<const uint8_t> source, size_t maxOutput) {
    Result result;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        result.code = Z_STREAM_ERROR;
        return result;
    }
    zs.next_in = const_cast<Bytef*>(source.data());
    zs.avail_in = static_cast<uInt>(source.size());
    int rc = Z_OK;
    while (rc == Z_OK) {
        if (result.bytes.size() >= maxOutput) {
            rc = Z_MEM_ERROR;
            break;
        }
        const size_t have = result.bytes.size();
        const size_t room = std::min(kBlock, maxOutput - have);
        result.bytes.resize(have + room);
        zs.next_out = result.bytes.data() + have;
        zs.avail_out = static_cast<uInt>(room);
        rc = inflate(&zs, Z_NO_FLUSH);
        result.bytes.resize(have + (room - zs.avail_out));
        if (rc == Z_BUF_ERROR && zs.avail_in == 0) {
            break; // input ended before the stream did
        }
        if (rc == Z_BUF_ERROR) {
            rc = Z_OK; // output room ran out; go on
        }
    }
    inflateEnd(&zs);
    result.code = rc == Z_STREAM_END ? Z_OK : (rc == Z_OK ? Z_BUF_ERROR : rc);
    return result;
}

} // namespace tarnell
