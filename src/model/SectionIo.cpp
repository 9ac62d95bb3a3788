#include "SectionIo.h"

#include "CFDUPrepackaging.h"
#include "ZlibEngine.h"

#include <algorithm>

namespace tarnell {

bool ReadSection(std::span<const uint8_t> data, LoadedSection& out) {
    if (data.size() < kSectionHeaderSize) {
        return false;
    }
    std::copy_n(data.begin(), kSectionHeaderSize, out.header.bytes.begin());
    // The stream is inflated until it ends, whatever the header claims its length is.
    auto inflated =
        ZlibEngine::Decompress(data.subspan(kSectionHeaderSize), ZlibEngine::kMaxInflatedSize,
                               std::min<size_t>(out.header.PayloadLength(), 1u << 20));
    out.payload = std::move(inflated.bytes);
    out.zlibResult = inflated.code;
    return true;
}

void StoreSection(CFDUPrepackaging& assembler, SectionHeader& header,
                  const std::vector<uint8_t>& payload) {
    const auto stream = assembler.Compressor().Compress(payload);
    if (stream.size() > 1) {
        stream[1] = 0x01;
    }
    header.SetLengths(static_cast<uint32_t>(stream.size()), static_cast<uint32_t>(payload.size()));
    assembler.AddSection(header, stream);
}

} // namespace tarnell
