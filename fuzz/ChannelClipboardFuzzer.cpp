// Clipboard data comes from any program: the reader must not crash or read past the end, what
// it accepts must read back the same after writing it again, and pasting it into a list must
// leave a list that stores.
#include "CTarnell1018Doc.h"
#include "ChannelClipboardBlock.h"
#include "FileError.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarnell;
    const auto decoded = ChannelClipboardBlock::Decode(std::span<const uint8_t>(data, size));
    if (!decoded || !decoded->usable) {
        return 0;
    }
    // Names that were not valid UTF-16 are mended once; from then on the block is stable.
    const auto once = ChannelClipboardBlock::Encode(decoded->channels);
    const auto again = ChannelClipboardBlock::Decode(once);
    if (!again || ChannelClipboardBlock::Encode(again->channels) != once) {
        __builtin_trap();
    }

    static CTarnell1018Doc* document = [] {
        auto* d = new CTarnell1018Doc;
        d->OnNewDocument();
        return d;
    }();
    const auto result = document->PasteChannels(decoded->channels, true, nullptr, false);
    try {
        document->File().Store();
    } catch (const FileError&) {
        // More names than the sections hold is refused at the save, not a fault.
    }
    if (!result.inserted.empty()) {
        document->Undo();
    }
    return 0;
}
