// Loading files that are damaged, foreign or unusually ordered.
#include "ByteOrder.h"
#include "FileError.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarnell;
using test::LoadBytes;
using test::MakeSample;

namespace {

std::vector<test::RawSection> SixSections() {
    return {
        {kIdFduInfo, std::vector<uint8_t>(19, 'x')},
        {kIdSatelliteInfo,
         test::Concat({{1, 0, 48}, std::vector<uint8_t>(13, 0), std::vector<uint8_t>(48, 'S')})},
        {kIdTransponders, test::Concat({test::ArrayHeader16(2, 16), std::vector<uint8_t>(32, 1)})},
        {kIdTvChannels, test::Concat({test::ArrayHeader16(1, 48), std::vector<uint8_t>(48, 2)})},
        {kIdChannelNames, test::Concat({test::ArrayHeader16(1), {20, 0, 0, 0}, {'A', 'B', 0}})},
        {kIdFavourites,
         test::Concat({test::ArrayHeader16(128, 1), std::vector<uint8_t>(128, 'F'), {0, 0, 0}})},
    };
}

// Moves directory entry `from` to position `to`, leaving the sections where they are.
void MoveEntry(std::vector<uint8_t>& image, size_t from, size_t to) {
    auto* entries = image.data() + kDirectoryBlockSize;
    std::vector<std::array<uint8_t, kDirectoryEntrySize>> list(ReadLE16(image.data() + 0x410));
    for (size_t i = 0; i < list.size(); ++i) {
        std::copy_n(entries + i * kDirectoryEntrySize, kDirectoryEntrySize, list[i].begin());
    }
    auto entry = list[from];
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(from));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(to), entry);
    for (size_t i = 0; i < list.size(); ++i) {
        std::copy(list[i].begin(), list[i].end(), entries + i * kDirectoryEntrySize);
    }
}

} // namespace

TEST(SettingsFileLoad, SixSectionsLoadFiveFail) {
    auto sections = SixSections();
    auto file = LoadBytes(test::BuildRawFile(sections));
    EXPECT_EQ(file->m_satellites.Size(), 1u);
    EXPECT_EQ(file->m_transponders.Size(), 2u);
    EXPECT_EQ(file->m_channels.Size(), 1u);
    EXPECT_EQ(file->m_favourites.Size(), 1u);

    sections.pop_back();
    EXPECT_THROW(LoadBytes(test::BuildRawFile(sections)), FileError);
    // The count decides, not the entries present.
    EXPECT_THROW(LoadBytes(test::BuildRawFile(SixSections(), 5)), FileError);
    EXPECT_THROW(LoadBytes(std::vector<uint8_t>(1047, 0)), FileError);
    EXPECT_THROW(LoadBytes(std::vector<uint8_t>{}), FileError);
}

TEST(SettingsFileLoad, DirectoryOrderDoesNotMatter) {
    test::SampleOptions o;
    o.timers = 3;
    const auto image = MakeSample(o)->Store();
    auto reordered = image;
    MoveEntry(reordered, 4, 0); // TV channels first
    MoveEntry(reordered, 5, 1); // then radio, both ahead of the satellites
    MoveEntry(reordered, 8, 2);
    EXPECT_EQ(LoadBytes(reordered)->Store(), image);
}

TEST(SettingsFileLoad, DirectoryCountBeyondTheEntriesPresent) {
    const auto image = MakeSample()->Store();
    // A count over 64, and a file cut off inside the directory: the entries present are used.
    auto tooMany = image;
    WriteLE16(tooMany.data() + 0x410, 200);
    EXPECT_EQ(LoadBytes(tooMany)->Store(), image);

    // Cut inside the directory: no section is left to read, which is no settings file.
    std::vector<uint8_t> cut(image.begin(),
                             image.begin() + kDirectoryBlockSize + 7 * kDirectoryEntrySize + 50);
    EXPECT_THROW(LoadBytes(cut), FileError);
}

TEST(SettingsFileLoad, UnknownAndMisplacedEntriesAreSkipped) {
    auto sections = SixSections();
    sections.push_back({0x0BADF00D, std::vector<uint8_t>(40, 9)});
    auto image = test::BuildRawFile(sections);
    auto file = LoadBytes(image);
    EXPECT_EQ(file->m_channels.Size(), 1u);

    // Offsets that point outside the file or before it.
    auto* entry0 = image.data() + kDirectoryBlockSize;
    WriteLE32(entry0 + 4, 0x7FFFFFF0);
    auto* entry1 = entry0 + kDirectoryEntrySize;
    WriteLE32(entry1 + 4, static_cast<uint32_t>(-0x500));
    auto damaged = LoadBytes(image);
    EXPECT_FALSE(damaged->m_fduInfo.IsPresent());
    EXPECT_EQ(damaged->m_satellites.Size(), 0u);
    EXPECT_EQ(damaged->m_channels.Size(), 1u);
}

TEST(SettingsFileLoad, DamagedStreamsSpoilOnlyTheirOwnSection) {
    auto sections = SixSections();
    sections[2].garbageStream = true; // transponders
    sections[5].garbageStream = true; // favourites
    auto file = LoadBytes(test::BuildRawFile(sections));
    EXPECT_EQ(file->m_transponders.Size(), 0u);
    EXPECT_EQ(file->m_favourites.Size(), 0u);
    EXPECT_EQ(file->m_satellites.Size(), 1u);
    EXPECT_EQ(file->m_channels.Size(), 1u);
    ASSERT_EQ(file->m_channelNames.Size(), 1u);
    EXPECT_EQ(file->m_channelNames.At(0)->GetDisplayName(), "AB");
    // What is left still stores as a valid file.
    EXPECT_EQ(file->Store().size(), kServicePartSize);
}

TEST(SettingsFileLoad, AbsurdCountsReadOnlyWhatIsThere) {
    auto sections = SixSections();
    sections[1].payload[0] = 200; // satellites
    sections[2].payload =
        test::Concat({test::ArrayHeader16(60000, 16), std::vector<uint8_t>(32, 1)});
    sections[3].payload =
        test::Concat({test::ArrayHeader16(65535, 48), std::vector<uint8_t>(96, 2)});
    sections[4].payload = test::Concat({test::ArrayHeader16(65535), {20, 0, 0, 0}, {'A', 0}});
    sections.push_back(
        {kIdTimers, test::Concat({test::ArrayHeader16(9999, 0), std::vector<uint8_t>(56, 3)})});
    sections.push_back(
        {kIdTimerInfo, test::Concat({test::ArrayHeader16(60000), std::vector<uint8_t>(48, 4)})});
    sections.push_back(
        {kIdEtcStrings, test::Concat({test::ArrayHeader16(30000), std::vector<uint8_t>(100, 5)})});
    sections.push_back(
        {kIdSaTCR,
         test::Concat({{255, 255}, std::vector<uint8_t>(10, 0), std::vector<uint8_t>(8, 6)})});
    auto file = LoadBytes(test::BuildRawFile(sections));
    EXPECT_EQ(file->m_satellites.Size(), 1u);
    EXPECT_EQ(file->m_transponders.Size(), 0u) << "records of 0 bytes are no records";
    EXPECT_EQ(file->m_channels.Size(), 0u);
    EXPECT_EQ(file->m_channelNames.Size(), 1u) << "only the offsets that arrived";
    EXPECT_EQ(file->m_timers.Size(), 0u);
    EXPECT_EQ(file->m_timerInfos.Size(), 2u);
    EXPECT_EQ(file->m_etcStrings.Size(), 0u) << "a block longer than 4,096 bytes is damaged";
    EXPECT_EQ(file->m_saTCR.Size(), 2u);
    EXPECT_EQ(file->Store().size(), kServicePartSize);
}

TEST(SettingsFileLoad, TruncatedFilesNeverCrash) {
    test::SampleOptions o;
    o.timers = 4;
    o.configLength = 900;
    const auto image = MakeSample(o)->Store();
    // Every cut inside the directory and the first sections, then coarser steps.
    for (size_t cut = 0; cut < image.size(); cut += (cut < 8000 ? 1 : 97)) {
        const std::span<const uint8_t> part(image.data(), cut);
        std::unique_ptr<CSettingsFile> file;
        try {
            file = LoadBytes(part);
        } catch (const FileError&) {
            EXPECT_LT(cut, kDirectorySize + kSectionHeaderSize) << "fails only without any section";
            continue;
        }
        try {
            const size_t expected = file->m_configuration.IsValid() ? 197696 : kServicePartSize;
            EXPECT_EQ(file->Store().size(), expected) << cut;
        } catch (const FileError&) {
            // Too few lists survived to make a file any reader takes: refused, not written.
            EXPECT_LT(cut, 8000u) << cut;
        }
    }
}

TEST(SettingsFileLoad, CorruptedBytesNeverCrash) {
    test::SampleOptions o;
    o.timers = 4;
    o.configLength = 900;
    const auto image = MakeSample(o)->Store();
    uint32_t seed = 12345;
    for (int round = 0; round < 300; ++round) {
        auto damaged = image;
        for (int k = 0; k < 4; ++k) {
            seed = seed * 1103515245 + 12345;
            const size_t at = kDirectoryBlockSize + (seed >> 8) % 3000;
            damaged[at] ^= static_cast<uint8_t>(1 + (seed & 0x7F));
        }
        try {
            auto file = LoadBytes(damaged);
            const auto stored = file->Store();
            EXPECT_EQ(LoadBytes(stored)->Store(), stored) << round;
        } catch (const FileError&) {
        }
    }
}

TEST(SettingsFileLoad, ConfigurationMessages) {
    auto service = MakeSample()->Store();
    std::vector<std::string> messages;
    auto fdu = LoadBytes(service, &messages);
    EXPECT_FALSE(fdu->m_configuration.IsValid());
    EXPECT_TRUE(messages.empty()) << "a *.fdu file has no configuration and says nothing";

    auto withConfig = [&](const std::vector<uint8_t>& section) {
        auto image = service;
        image.resize(kConfigSectionOffset, 0);
        image.insert(image.end(), section.begin(), section.end());
        return LoadBytes(image, &messages);
    };
    auto big = withConfig(test::ConfigSection(2000));
    EXPECT_FALSE(big->m_configuration.IsValid());
    EXPECT_EQ(messages, std::vector<std::string>{"(1) Wrong size of Buffer ( 2000 vs 1024 )"});

    auto old = withConfig(test::ConfigSection(800));
    EXPECT_FALSE(old->m_configuration.IsValid());
    EXPECT_EQ(messages,
              std::vector<std::string>{"(B) Old style of ConfigurationStruct ( 800 / 848 )\n\n"
                                       "ConfigurationData will not be available."});

    auto section = test::ConfigSection(900);
    std::fill(section.begin() + 18, section.end(), 0x33);
    auto broken = withConfig(section);
    EXPECT_FALSE(broken->m_configuration.IsValid());
    EXPECT_EQ(messages, std::vector<std::string>{"Die Systemdaten sind fehlerhaft!"});

    section = test::ConfigSection(900);
    section[3] = 0x00; // another id
    auto foreign = withConfig(section);
    EXPECT_FALSE(foreign->m_configuration.IsValid());
    EXPECT_TRUE(messages.empty());

    auto good = withConfig(test::ConfigSection(848));
    EXPECT_TRUE(good->m_configuration.IsValid());
    EXPECT_TRUE(messages.empty());
}

TEST(SettingsFileLoad, FailedConfigurationReadKeepsTheValidOne) {
    CConfigurationData config;
    ASSERT_FALSE(config.ReadConfiguration(test::ConfigSection(900)).has_value());
    const auto before = config.WriteConfiguration(ConfigLayout::Receiver);
    EXPECT_TRUE(config.ReadConfiguration(test::ConfigSection(700)).has_value());
    EXPECT_TRUE(config.IsValid());
    EXPECT_EQ(config.WriteConfiguration(ConfigLayout::Receiver), before);
}
