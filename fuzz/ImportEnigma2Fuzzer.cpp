// Any text may arrive as a lamedb: the reader must not crash, and what it adds must store.
#include "CEnigma2ImportManager.h"
#include "CSettingsFile.h"
#include "FileError.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tarnell::CSettingsFile file;
    for (int i = 0; i < 64; ++i) {
        file.m_transponders.Add(std::make_unique<tarnell::CTransponderData>());
    }
    tarnell::ImportReport report;
    tarnell::CEnigma2ImportManager().ImportServicesText(
        std::string_view(reinterpret_cast<const char*>(data), size), file, report);
    try {
        file.Store();
    } catch (const tarnell::FileError&) {
    }
    return 0;
}
