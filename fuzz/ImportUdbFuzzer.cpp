// UDB databases of all three lengths (818, 908, 918). The first byte picks the length; the
// input's first part is packed into the two channel blocks (so the records are reached, not
// just the stream checks), the rest fills the channel header, transponders and satellites.
#include "CSettingsFile.h"
#include "CUDBImportManager.h"
#include "FileError.h"
#include "ZlibEngine.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using tarnell::CUDBImportManager;
    if (size < 3) {
        return 0;
    }
    static constexpr size_t kLengths[] = {CUDBImportManager::kFileLength818,
                                          CUDBImportManager::kFileLength908,
                                          CUDBImportManager::kFileLength918};
    const size_t length = kLengths[data[0] % 3];
    const size_t channelAreaEnd = length == CUDBImportManager::kFileLength818 ? 327952 : 655632;
    const size_t split = std::min<size_t>(size - 1, static_cast<size_t>(data[1]) * 64);
    const auto records = std::span(data + 2, split > 1 ? split - 1 : 0);
    const auto rest = std::span(data + 1 + split, size - 1 - split);

    std::vector<uint8_t> image(length, 0);
    // Channel header at 272 (block lengths at +16 and +20), blocks from 308.
    const auto tv = tarnell::ZlibEngine::Compress(records.first(records.size() / 2), 9).bytes;
    const auto radio = tarnell::ZlibEngine::Compress(records.subspan(records.size() / 2), 9).bytes;
    std::copy_n(rest.begin(), std::min<size_t>(rest.size(), 16), image.begin() + 272);
    auto put32 = [&image](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            image[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    put32(272 + 16, static_cast<uint32_t>(tv.size()));
    put32(272 + 20, static_cast<uint32_t>(radio.size()));
    std::copy(tv.begin(), tv.end(), image.begin() + 308);
    std::copy(radio.begin(), radio.end(), image.begin() + 308 + static_cast<long>(tv.size()));
    // Transponders and satellites behind the channel area.
    std::copy_n(rest.begin(), std::min(rest.size(), length - channelAreaEnd),
                image.begin() + static_cast<long>(channelAreaEnd));

    tarnell::CSettingsFile file;
    for (int i = 0; i < 64; ++i) {
        file.m_transponders.Add(std::make_unique<tarnell::CTransponderData>());
    }
    tarnell::ImportReport report;
    CUDBImportManager().ImportBytes(image, file, report);
    try {
        file.Store();
    } catch (const tarnell::FileError&) {
    }
    return 0;
}
