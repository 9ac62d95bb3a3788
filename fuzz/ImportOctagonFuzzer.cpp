// The UDB and BIN readers on fixed-size images whose interesting parts come from the input.
#include "CBINImportManager.h"
#include "CSettingsFile.h"
#include "CUDBImportManager.h"
#include "FileError.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

std::unique_ptr<tarnell::CSettingsFile> Target() {
    auto file = std::make_unique<tarnell::CSettingsFile>();
    for (int i = 0; i < 64; ++i) {
        file->m_transponders.Add(std::make_unique<tarnell::CTransponderData>());
    }
    return file;
}

void StoreQuietly(tarnell::CSettingsFile& file) {
    try {
        file.Store();
    } catch (const tarnell::FileError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::vector<uint8_t> input(data + 1, data + size);
    tarnell::ImportReport report;
    if (data[0] & 1) {
        // UDB: the input is the channel header and blocks; transponders and satellites follow it.
        std::vector<uint8_t> image(tarnell::CUDBImportManager::kFileLength818, 0);
        std::copy_n(input.begin(), std::min(input.size(), image.size() - 272), image.begin() + 272);
        const size_t tail = std::min<size_t>(input.size(), 4096);
        std::copy_n(input.begin(), tail, image.begin() + 327952);
        std::copy_n(input.begin(), tail, image.begin() + 327952 + 65536);
        auto file = Target();
        tarnell::CUDBImportManager().ImportBytes(image, *file, report);
        StoreQuietly(*file);
    } else {
        // BIN: the input fills the transponders, satellites and the first channel records.
        std::vector<uint8_t> image(tarnell::CBINImportManager::kFileLength, 0);
        std::copy_n(input.begin(), std::min<size_t>(input.size(), 32768 + 4096), image.begin());
        std::copy_n(input.begin(), std::min<size_t>(input.size(), 8192), image.begin() + 65536);
        auto file = Target();
        tarnell::CBINImportManager().ImportBytes(image, *file, report);
        StoreQuietly(*file);
        auto other = Target();
        tarnell::CBINImportManager().ImportBytes(input, *other, report);
    }
    return 0;
}
