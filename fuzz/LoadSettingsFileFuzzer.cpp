// Any bytes may reach the loader: it must not crash, and whatever it accepts must store to an
// image that loads again and stores to the same bytes.
#include "ByteOrder.h"
#include "CSettingsFile.h"
#include "FileError.h"
#include "SectionIds.h"
#include "ZlibEngine.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <random>
#include <span>
#include <vector>

namespace {

std::optional<std::vector<uint8_t>> StoreOrNothing(tarnell::CSettingsFile& file) {
    try {
        return file.Store();
    } catch (const tarnell::FileError&) {
        return std::nullopt; // a list too large for the receiver is refused, not a fault
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tarnell::CSettingsFile first;
    try {
        first.Load(std::span<const uint8_t>(data, size));
    } catch (const tarnell::FileError&) {
        return 0;
    }
    const auto image = StoreOrNothing(first);
    if (!image) {
        return 0;
    }
    // Store must leave the model as it was, or saving twice would write two different files.
    if (StoreOrNothing(first) != image) {
        __builtin_trap();
    }

    // What we wrote ourselves has to load and store back unchanged.
    tarnell::CSettingsFile second;
    try {
        second.Load(*image);
    } catch (const tarnell::FileError&) {
        __builtin_trap();
    }
    if (StoreOrNothing(second) != image) {
        __builtin_trap();
    }
    return 0;
}

#ifdef TARNELL_LIBFUZZER
extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

using namespace tarnell;

uint8_t* EntryAt(uint8_t* data, size_t i) {
    return data + kDirectoryBlockSize + i * kDirectoryEntrySize;
}

// Mutates the payload behind one directory entry and compresses it again. Bit flips in a zlib
// stream mostly just break it, so without this the record parsers would hardly be reached.
size_t MutateSectionPayload(uint8_t* data, size_t size, size_t maxSize, size_t entryIndex) {
    uint8_t* entry = EntryAt(data, entryIndex);
    const int64_t offset = static_cast<int32_t>(ReadLE32(entry + 4)) + int64_t{kFileOffsetBias};
    if (offset < 0 || static_cast<size_t>(offset) + kSectionHeaderSize > size) {
        return 0;
    }
    const size_t at = static_cast<size_t>(offset);
    auto payload =
        ZlibEngine::Decompress({data + at + kSectionHeaderSize, size - at - kSectionHeaderSize},
                               size_t{1} << 20)
            .bytes;
    const size_t before = payload.size();
    payload.resize(before + 256);
    payload.resize(LLVMFuzzerMutate(payload.data(), before, payload.size()));
    const auto stream = ZlibEngine::Compress(payload, 1).bytes;
    const size_t need = kSectionHeaderSize + stream.size();

    // In place when the old section had room, otherwise appended to the input.
    const size_t room = std::min<size_t>(ReadLE32(entry + 8), size - at);
    size_t to = at;
    size_t newSize = size;
    if (need > room) {
        if (size + need > maxSize) {
            return 0;
        }
        to = size;
        newSize = size + need;
        std::memcpy(data + to, data + at, kSectionHeaderSize);
        WriteLE32(entry + 4, static_cast<uint32_t>(to - kFileOffsetBias));
    }
    WriteLE32(data + to + 4, static_cast<uint32_t>(stream.size()));
    WriteLE32(data + to + 8, static_cast<uint32_t>(payload.size()));
    std::memcpy(data + to + kSectionHeaderSize, stream.data(), stream.size());
    WriteLE32(entry + 8, static_cast<uint32_t>(need));
    return newSize;
}

} // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
    std::minstd_rand rng(seed);
    const size_t count =
        size >= kDirectorySize ? std::min<size_t>(ReadLE16(data + 0x410), kDirectoryEntries) : 0;
    const unsigned choice = rng() % 8;
    if (count == 0 || choice < 3) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    const size_t pick = rng() % count;
    if (choice == 3) {
        // A list named twice in the directory is loaded twice.
        if (count < kDirectoryEntries) {
            std::memcpy(EntryAt(data, count), EntryAt(data, pick), kDirectoryEntrySize);
            WriteLE16(data + 0x410, static_cast<uint16_t>(count + 1));
        } else {
            std::memcpy(EntryAt(data, rng() % count), EntryAt(data, pick), kDirectoryEntrySize);
        }
        return size;
    }
    const size_t mutated = MutateSectionPayload(data, size, maxSize, pick);
    return mutated != 0 ? mutated : LLVMFuzzerMutate(data, size, maxSize);
}
#endif
