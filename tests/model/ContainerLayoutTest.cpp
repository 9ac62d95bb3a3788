// The byte layout of stored files: directory, sections, alignment, fill, configuration part.
#include "ByteOrder.h"
#include "FileError.h"
#include "SettingsFileBuilder.h"
#include "ZlibEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace tarnell;
using test::Directory;
using test::LoadBytes;
using test::MakeSample;

namespace {

std::vector<uint32_t> Ids(std::span<const uint8_t> image) {
    std::vector<uint32_t> ids;
    for (const auto& s : Directory(image)) {
        ids.push_back(s.id);
    }
    return ids;
}

void ExpectValidServicePart(std::span<const uint8_t> image) {
    ASSERT_GE(image.size(), kServicePartSize);
    EXPECT_TRUE(std::all_of(image.begin(), image.begin() + 1024, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(ReadBE32(image.data() + 0x400), 0x000001FDu);
    EXPECT_TRUE(std::all_of(image.begin() + 0x407, image.begin() + 0x410,
                            [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(image.begin() + 0x412, image.begin() + 0x418,
                            [](uint8_t b) { return b == 0xFF; }));

    const auto sections = Directory(image);
    size_t expectedOffset = kDirectorySize;
    for (const auto& s : sections) {
        SCOPED_TRACE(s.id);
        EXPECT_EQ(s.fileOffset, expectedOffset) << "sections follow each other";
        EXPECT_EQ(s.fileOffset % 4, 0u);
        EXPECT_EQ(ReadBE32(image.data() + s.fileOffset), s.id) << "header repeats the id";
        const uint32_t compressed = ReadLE32(image.data() + s.fileOffset + 4);
        EXPECT_EQ(s.size, compressed + 16);
        EXPECT_EQ(image[s.fileOffset + 16], 0x78);
        EXPECT_EQ(image[s.fileOffset + 17], 0x01);
        // The stream inflates to the payload length the header gives.
        const auto inflated = ZlibEngine::Decompress(image.subspan(s.fileOffset + 16, compressed));
        EXPECT_EQ(inflated.code, 0);
        EXPECT_EQ(inflated.bytes.size(), ReadLE32(image.data() + s.fileOffset + 8));
        const size_t padded = (s.size + 3) / 4 * 4;
        for (size_t i = s.fileOffset + s.size; i < s.fileOffset + padded; ++i) {
            EXPECT_EQ(image[i], 0xFF) << "alignment bytes";
        }
        expectedOffset = s.fileOffset + padded;
    }
    const uint32_t end = image[0x404] | (image[0x405] << 8) | (image[0x406] << 16);
    EXPECT_EQ(end + kFileOffsetBias, expectedOffset) << "end of the data area";
    EXPECT_TRUE(std::all_of(image.begin() + static_cast<std::ptrdiff_t>(expectedOffset),
                            image.begin() + kServicePartSize, [](uint8_t b) { return b == 0xFF; }));
    for (size_t e = sections.size(); e < kDirectoryEntries; ++e) {
        const auto* entry = image.data() + kDirectoryBlockSize + e * kDirectoryEntrySize;
        EXPECT_TRUE(
            std::all_of(entry, entry + kDirectoryEntrySize, [](uint8_t b) { return b == 0xFF; }));
    }
}

} // namespace

TEST(ContainerLayout, StoredFileHasTheReceiverLayout) {
    test::SampleOptions o;
    o.timers = 5;
    auto file = MakeSample(o);
    const auto image = file->Store();
    ASSERT_EQ(image.size(), kServicePartSize);
    ExpectValidServicePart(image);
    EXPECT_EQ(Ids(image), (std::vector<uint32_t>{kIdFduInfo, kIdSatelliteData, kIdSatelliteInfo,
                                                 kIdTransponders, kIdTvChannels, kIdRadioChannels,
                                                 kIdChannelNames, kIdProviderNames, kIdTimers,
                                                 kIdFavourites, kIdTimerInfo}));
    for (const auto& s : Directory(image)) {
        EXPECT_EQ(ReadLE32(image.data() + s.fileOffset + 12), 1u) << "spare bytes of fresh lists";
    }
}

TEST(ContainerLayout, LargestListStaysValid) {
    auto file = test::MakeLargest();
    const auto image = file->Store();
    ExpectValidServicePart(image);
    auto again = LoadBytes(image);
    EXPECT_EQ(again->m_channels.Size(), 10000u);
    EXPECT_EQ(again->Store(), image);
}

TEST(ContainerLayout, StoreLoadStoreIsByteIdentical) {
    for (const int configLength : {0, 900, 1024}) {
        test::SampleOptions o;
        o.timers = 4;
        o.configLength = configLength;
        o.channelRecordSize = 40;
        auto file = MakeSample(o);
        const auto first = file->Store();
        auto loaded = LoadBytes(first);
        EXPECT_EQ(loaded->Store(), first) << configLength;
        auto receiver = LoadBytes(first);
        // Loading must not depend on a store having happened before.
        EXPECT_EQ(LoadBytes(receiver->Store())->Store(), first);
    }
}

TEST(ContainerLayout, LoadKeepsEveryRecordByte) {
    test::SampleOptions o;
    o.timers = 4;
    auto file = MakeSample(o);
    auto loaded = LoadBytes(file->Store());
    ASSERT_EQ(loaded->m_channels.Size(), file->m_channels.Size());
    // Store writes each kind in its own section, so compare within each kind.
    for (const bool tv : {true, false}) {
        std::vector<std::array<uint8_t, 48>> before;
        std::vector<std::array<uint8_t, 48>> after;
        for (const auto& c : file->m_channels.Items()) {
            if (c->IsTv() == tv) {
                before.push_back(c->Record());
            }
        }
        for (const auto& c : loaded->m_channels.Items()) {
            if (c->IsTv() == tv) {
                after.push_back(c->Record());
            }
        }
        EXPECT_EQ(before, after);
    }
    for (size_t i = 0; i < file->m_transponders.Size(); ++i) {
        const auto& a = file->m_transponders.At(i)->Record();
        const auto& b = loaded->m_transponders.At(i)->Record();
        EXPECT_TRUE(std::equal(a.begin(), a.begin() + 16, b.begin())) << i;
    }
    for (size_t i = 0; i < file->m_satellites.Size(); ++i) {
        EXPECT_EQ(file->m_satellites.At(i)->Record(), loaded->m_satellites.At(i)->Record());
    }
    for (size_t i = 0; i < file->m_lnbs.Size(); ++i) {
        EXPECT_EQ(file->m_lnbs.At(i)->Record(), loaded->m_lnbs.At(i)->Record());
    }
    for (size_t i = 0; i < file->m_timers.Size(); ++i) {
        EXPECT_EQ(file->m_timers.At(i)->Record(), loaded->m_timers.At(i)->Record());
        EXPECT_EQ(file->m_timerInfos.At(i)->Record(), loaded->m_timerInfos.At(i)->Record());
    }
    EXPECT_EQ(loaded->m_fduInfo.GetText(), "FDU v1.2");
}

TEST(ContainerLayout, SectionHeadersAndArrayHeadersAreKept) {
    // Spare header bytes and array-header bytes nobody interprets must survive a load and store.
    std::vector<test::RawSection> sections = {
        {kIdFduInfo,
         {'F', 'D', 'U', ' ', 'v', '1', '.', '2', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {7, 7, 7, 7}},
        {kIdSatelliteInfo,
         test::Concat(
             {{1, 0, 48, 0, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}, std::vector<uint8_t>(48, 0x41)}),
         {2, 0, 0, 0}},
        {kIdSatelliteData, test::Concat({{1, 0, 28, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
                                         std::vector<uint8_t>(28, 0x11)})},
        {kIdTransponders, test::Concat({{2, 0, 16, 0, 0xAA, 0xBB, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xCC},
                                        std::vector<uint8_t>(32, 0x22)})},
        {kIdTvChannels,
         test::Concat({{1, 0, 48, 0, 0xDE, 0xAD, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                       std::vector<uint8_t>(48, 0x33)}),
         {0, 0, 0, 9}},
        {kIdFavourites, test::Concat({{0, 0, 0, 0x55, 0x66}, std::vector<uint8_t>(14, 0)})},
    };
    const auto image = test::BuildRawFile(sections);
    auto file = LoadBytes(image);
    const auto stored = file->Store();
    const auto dir = Directory(stored);
    ASSERT_EQ(dir.size(), 7u) << "a TV list also writes the (empty) radio section";
    auto payloadOf = [&](uint32_t id) {
        for (const auto& s : dir) {
            if (s.id == id) {
                return ZlibEngine::Decompress(std::span(stored).subspan(s.fileOffset + 16)).bytes;
            }
        }
        return std::vector<uint8_t>{};
    };
    auto spareOf = [&](uint32_t id) {
        for (const auto& s : dir) {
            if (s.id == id) {
                return ReadLE32(stored.data() + s.fileOffset + 12);
            }
        }
        return 0u;
    };
    EXPECT_EQ(spareOf(kIdFduInfo), 0x07070707u);
    EXPECT_EQ(spareOf(kIdSatelliteInfo), 2u);
    EXPECT_EQ(spareOf(kIdTvChannels), 0x09000000u);
    EXPECT_EQ(spareOf(kIdRadioChannels), 0x09000000u) << "one channel list feeds both sections";
    EXPECT_EQ(payloadOf(kIdSatelliteInfo)[4], 9);
    EXPECT_EQ(payloadOf(kIdSatelliteData)[15], 12);
    EXPECT_EQ(payloadOf(kIdTransponders)[15], 0xCC);
    EXPECT_EQ(payloadOf(kIdTvChannels)[4], 0xDE);
    const auto fav = payloadOf(kIdFavourites);
    ASSERT_EQ(fav.size(), 19u);
    EXPECT_EQ(fav[3], 0x55);
    EXPECT_EQ(fav[4], 0x66);
    const auto radio = payloadOf(kIdRadioChannels);
    ASSERT_EQ(radio.size(), 16u);
    EXPECT_EQ(ReadLE16(radio.data()), 0);
}

TEST(ContainerLayout, EmptyListsFollowTheirRules) {
    test::SampleOptions o;
    o.timers = 0;
    o.favourites = 0;
    o.fduInfo = false;
    o.tvChannels = 0;
    o.radioChannels = 3;
    auto file = MakeSample(o);
    const auto image = file->Store();
    ExpectValidServicePart(image);
    EXPECT_EQ(Ids(image), (std::vector<uint32_t>{
                              kIdSatelliteData, kIdSatelliteInfo, kIdTransponders, kIdTvChannels,
                              kIdRadioChannels, kIdChannelNames, kIdProviderNames, kIdFavourites}));
    const auto dir = Directory(image);
    const auto tv = ZlibEngine::Decompress(std::span(image).subspan(dir[3].fileOffset + 16)).bytes;
    EXPECT_EQ(tv.size(), 16u);
    EXPECT_EQ(ReadLE16(tv.data()), 0) << "a radio-only list still writes a TV section with count 0";
    const auto fav =
        ZlibEngine::Decompress(std::span(image).subspan(dir.back().fileOffset + 16)).bytes;
    EXPECT_EQ(fav, std::vector<uint8_t>(19, 0));

    o.tvChannels = 0;
    o.radioChannels = 0;
    o.fduInfo = true;
    o.timers = 4;
    const auto noChannels = MakeSample(o)->Store();
    auto ids = Ids(noChannels);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), kIdTvChannels), 0);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), kIdRadioChannels), 0);

    // Below 6 sections no reader takes the file: the empty channel sections keep it loadable.
    o.fduInfo = false;
    o.timers = 0;
    o.providers = 0;
    const auto bare = MakeSample(o)->Store();
    ids = Ids(bare);
    EXPECT_EQ(ids.size(), 6u);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), kIdTvChannels), 1);
    EXPECT_EQ(LoadBytes(bare)->Store(), bare);
    o.lnbs = 0;
    EXPECT_THROW(MakeSample(o)->Store(), FileError) << "still too few: refused, nothing written";
}

TEST(ContainerLayout, LeadingBytesAreZeroedOnStore) {
    auto image = MakeSample()->Store();
    std::fill_n(image.begin(), 1024, 0xAB);
    image[0x407] = 0x12;
    auto file = LoadBytes(image);
    const auto stored = file->Store();
    ExpectValidServicePart(stored);
}

TEST(ContainerLayout, SectionsThatDoNotFitAreRefused) {
    test::SampleOptions o;
    o.tvChannels = 6000;
    o.radioChannels = 4000;
    o.transponderSlots = 8000;
    o.usedTransponders = 8000;
    o.satellites = 255;
    auto file = MakeSample(o);
    // Names that do not compress fill the data area quickly.
    std::mt19937 random(7);
    for (auto& name : file->m_channelNames.Items()) {
        std::string text;
        for (int i = 0; i < 60; ++i) {
            text += static_cast<char>('A' + random() % 26);
        }
        name->SetDisplayName(text);
    }
    try {
        file->Store();
        FAIL() << "store must refuse";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos);
    }
}

TEST(ContainerLayout, ConfigurationInFileLayout) {
    test::SampleOptions o;
    o.configLength = 900;
    auto file = MakeSample(o);
    const auto image = file->Store(ConfigLayout::File);
    ASSERT_EQ(image.size(), 197696u);
    EXPECT_TRUE(std::all_of(image.begin() + kServicePartSize, image.begin() + kConfigSectionOffset,
                            [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(ReadBE32(image.data() + kConfigSectionOffset), kIdConfiguration);
    const uint32_t c = ReadLE32(image.data() + kConfigSectionOffset + 4);
    EXPECT_EQ(ReadLE32(image.data() + kConfigSectionOffset + 8), 16u + 900u + 3u);
    EXPECT_EQ(image[kConfigSectionOffset + 16], 0x78);
    EXPECT_EQ(image[kConfigSectionOffset + 17], 0xDA) << "level 9 keeps its own second byte";
    EXPECT_TRUE(
        std::all_of(image.begin() + static_cast<std::ptrdiff_t>(kConfigSectionOffset + 16 + c),
                    image.end(), [](uint8_t b) { return b == 0; }));
    auto loaded = LoadBytes(image);
    ASSERT_TRUE(loaded->m_configuration.IsValid());
    EXPECT_EQ(loaded->m_configuration.Length(), 900u);
    EXPECT_EQ(loaded->Store(ConfigLayout::File), image);
}

TEST(ContainerLayout, ConfigurationInReceiverLayout) {
    test::SampleOptions o;
    o.configLength = 900;
    auto file = MakeSample(o);
    const auto image = file->Store(ConfigLayout::Receiver);
    const uint32_t c = ReadLE32(image.data() + kServicePartSize + 4);
    ASSERT_EQ(image.size(), kServicePartSize + 16 + c);
    EXPECT_EQ(ReadBE32(image.data() + kServicePartSize), kIdConfiguration);
    // The receiver's _config.fdu read on its own gives the same configuration.
    CConfigurationData config;
    EXPECT_FALSE(config.ReadConfiguration(std::span(image).subspan(kServicePartSize)).has_value());
    EXPECT_TRUE(config.IsValid());
    EXPECT_EQ(config.WriteConfiguration(ConfigLayout::Receiver),
              std::vector<uint8_t>(image.begin() + kServicePartSize, image.end()));
}

TEST(ContainerLayout, ConfigurationTooLargeForTheFileLayoutIsRefused) {
    // 1,024 random bytes do not compress into the 0x410 bytes of room.
    std::vector<uint8_t> payload(16, 0);
    WriteLE16(payload.data(), 1024);
    std::mt19937 random(3);
    for (int i = 0; i < 1024; ++i) {
        payload.push_back(static_cast<uint8_t>(random()));
    }
    payload.insert(payload.end(), 3, 0);
    const auto stream = ZlibEngine::Compress(payload, 9).bytes;
    ASSERT_GT(stream.size(), kConfigStreamRoom);
    SectionHeader h = SectionHeader::Fresh(kIdConfiguration);
    h.SetLengths(static_cast<uint32_t>(stream.size()), static_cast<uint32_t>(payload.size()));
    auto section = std::vector<uint8_t>(h.bytes.begin(), h.bytes.end());
    section.insert(section.end(), stream.begin(), stream.end());

    auto file = MakeSample();
    ASSERT_FALSE(file->m_configuration.ReadConfiguration(section).has_value());
    EXPECT_THROW(file->Store(ConfigLayout::File), FileError);
    // The receiver keeps the section without the fixed room, so that layout still works.
    EXPECT_EQ(file->Store(ConfigLayout::Receiver).size(), kServicePartSize + section.size());
}
