// Favourite lists, timers with their texts, the miscellaneous text block.
#include "ByteOrder.h"
#include "SettingsFileBuilder.h"
#include "ZlibEngine.h"

#include <gtest/gtest.h>

using namespace tarnell;
using test::LoadBytes;
using test::MakeSample;

namespace {

std::vector<uint8_t> PayloadOf(CSettingsFile& file, uint32_t id) {
    const auto image = file.Store();
    for (const auto& s : test::Directory(image)) {
        if (s.id == id) {
            return ZlibEngine::Decompress(std::span(image).subspan(s.fileOffset + 16)).bytes;
        }
    }
    return {};
}

} // namespace

TEST(Favourites, SectionLayout) {
    test::SampleOptions o;
    o.favourites = 16;
    auto file = MakeSample(o);
    const auto payload = PayloadOf(*file, kIdFavourites);
    ASSERT_EQ(payload.size(), 2067u);
    EXPECT_EQ(payload[0], 0x00);
    EXPECT_EQ(payload[1], 0x08);
    EXPECT_EQ(payload[2], 0x10);
    EXPECT_EQ(LoadBytes(file->Store())->m_favourites.Size(), 16u);

    o.favourites = 32;
    auto full = MakeSample(o);
    EXPECT_EQ(full->m_favourites.AddFavouriteList("one too many", 6), nullptr);
    EXPECT_EQ(LoadBytes(full->Store())->m_favourites.Size(), 32u);
}

TEST(Favourites, CountComesFromThePayloadLength) {
    // The header claims 5 lists; the payload holds 2.
    auto payload = test::Concat(
        {{0x80, 0x02, 5}, std::vector<uint8_t>(13, 0), std::vector<uint8_t>(256, 'n'), {0, 0, 0}});
    std::vector<test::RawSection> sections(5, {kIdFduInfo, std::vector<uint8_t>(19, 'x')});
    sections.push_back({kIdFavourites, payload});
    auto file = LoadBytes(test::BuildRawFile(sections));
    EXPECT_EQ(file->m_favourites.Size(), 2u);
}

TEST(Favourites, NamesFollowTheFavouriteCodePage) {
    CFavoritenInfo list;
    list.SetName("\xD0\x9D\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x81\xD1\x82\xD0\xB8", 6); // "Новости"
    EXPECT_EQ(list.Record()[0], 0xD0) << "stored as UTF-8 bytes";
    EXPECT_EQ(list.GetName(6), "\xD0\x9D\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x81\xD1\x82\xD0\xB8");
    // The same bytes read as ISO 8859-5.
    EXPECT_EQ(list.GetName(1).substr(0, 4), "\xD0\xB0\xC2\x9D");

    list.SetName("Nachrichten \xC3\xA4", 0);
    EXPECT_EQ(list.GetName(0), "Nachrichten \xC3\xA4") << "ISO 6937 round trip";
    EXPECT_EQ(list.Record()[12], 0xC8) << "6937 writes the diaeresis first";
    EXPECT_EQ(list.Record()[13], 'a');

    list.SetName(std::string(300, 'x'), 6);
    EXPECT_EQ(list.Record()[126], 'x');
    EXPECT_EQ(list.Record()[127], 0) << "cut to 127 bytes";
}

TEST(Timers, SectionsRoundTrip) {
    test::SampleOptions o;
    o.timers = 6;
    auto file = MakeSample(o);
    file->m_timers.ArrayHeader()[6] = 0x44;
    const auto image = file->Store();
    auto loaded = LoadBytes(image);
    ASSERT_EQ(loaded->m_timers.Size(), 6u);
    ASSERT_EQ(loaded->m_timerInfos.Size(), 6u);
    EXPECT_EQ(loaded->m_timers.CountActive(), 4u);
    EXPECT_EQ(loaded->m_timerInfos.At(2)->GetText(), "Timer 2");
    EXPECT_EQ(loaded->m_timers.ArrayHeader()[6], 0x44);
    EXPECT_EQ(loaded->Store(), image);

    const auto info = PayloadOf(*file, kIdTimerInfo);
    ASSERT_EQ(info.size(), 16u + 6 * 24 + 3);
    EXPECT_EQ(ReadLE16(info.data()), 144);
}

TEST(Timers, RecordSizeComesFromTheHeader) {
    // 20-byte records: the rest of each 28-byte record is zero.
    auto payload = test::Concat({test::ArrayHeader16(3, 20), std::vector<uint8_t>(60, 0x31)});
    std::vector<test::RawSection> sections = {
        {kIdFduInfo, std::vector<uint8_t>(19, 'x')},
        {kIdSatelliteData, test::Concat({{1}, std::vector<uint8_t>(15 + 28, 0)})},
        {kIdSatelliteInfo, test::Concat({{1}, std::vector<uint8_t>(15 + 48, 0)})},
        {kIdTransponders, test::Concat({test::ArrayHeader16(1, 16), std::vector<uint8_t>(16, 1)})},
        {kIdFavourites, test::ArrayHeader16(0)},
        {kIdTimers, payload}};
    auto file = LoadBytes(test::BuildRawFile(sections));
    ASSERT_EQ(file->m_timers.Size(), 3u);
    EXPECT_EQ(file->m_timers.At(0)->Record()[19], 0x31);
    EXPECT_EQ(file->m_timers.At(0)->Record()[20], 0);
    EXPECT_EQ(PayloadOf(*file, kIdTimers), payload);
}

TEST(Timers, ClearAndDates) {
    std::array<uint8_t, 28> record;
    record.fill(0xAB);
    CAlarmData timer(record);
    timer.Clear();
    const std::array<uint8_t, 28> cleared{0,    0,    0,    0,    0,    0,    0,    0,   0xFF, 0xFF,
                                          0,    0,    0,    0,    0,    0x10, 0,    0,   0,    0,
                                          0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB};
    EXPECT_EQ(timer.Record(), cleared);

    EXPECT_EQ(DateFromMjd(56000), (CalendarDate{2012, 3, 14}));
    EXPECT_EQ(DateFromMjd(0), (CalendarDate{1858, 11, 17}));
    EXPECT_EQ(MjdFromDate({2026, 12, 6}), 61380);
}

TEST(Timers, TextCodePagesAndLimit) {
    CAlarmInfo info;
    EXPECT_TRUE(info.SetText("Tatort M\xC3\xBCnster"));
    EXPECT_EQ(info.Record()[9], 0xFC) << "Windows-1252";
    EXPECT_FALSE(info.SetText(std::string(23, 'a')));
    EXPECT_EQ(info.GetText(), "Tatort M\xC3\xBCnster") << "a refused text leaves the old one";
    info.SetCodePageCode(1);
    EXPECT_EQ(info.GetText(), "Tatort M\xD1\x9Cnster") << "code 1 reads ISO 8859-5";
}

TEST(EtcStrings, BlockRoundTripsAndTextFields) {
    auto file = MakeSample();
    auto block = std::make_unique<CEtcStringData>();
    block->SetText(0, "192.168.0.10");
    block->SetText(3, "Receiver K\xC3\xBC"
                      "che");
    block->Block()[600] = 0x77;
    file->m_etcStrings.Add(std::move(block));
    WriteLE16(file->m_etcStrings.ArrayHeader().data(), 1024);
    const auto image = file->Store();
    auto loaded = LoadBytes(image);
    ASSERT_EQ(loaded->m_etcStrings.Size(), 1u);
    EXPECT_EQ(loaded->m_etcStrings.At(0)->GetText(0), "192.168.0.10");
    EXPECT_EQ(loaded->m_etcStrings.At(0)->GetText(3), "Receiver K\xC3\xBC"
                                                      "che");
    EXPECT_EQ(loaded->m_etcStrings.At(0)->Block()[600], 0x77);
    EXPECT_EQ(loaded->Store(), image);
    EXPECT_EQ(PayloadOf(*loaded, kIdEtcStrings).size(), 16u + 1024u + 3u);
}

TEST(Configuration, WordsAreBigEndianAndBounded) {
    CConfigurationData config;
    config.SetWord(616, 1);
    EXPECT_EQ(config.GetWord(616), 0u) << "nothing is written while not valid";
    ASSERT_FALSE(config.ReadConfiguration(test::ConfigSection(900)).has_value());
    config.SetWord(616, 1);
    EXPECT_EQ(config.GetWord(616), 1u);
    EXPECT_EQ(config.Structure()[619], 1);
    EXPECT_EQ(config.Structure()[616], 0);
    config.SetWord(898, 0xFFFFFFFF);
    EXPECT_EQ(config.GetWord(898), 0u) << "a word past the structure is not there";
    config.SetByte(529, 7);
    EXPECT_EQ(config.GetByte(529), 7);
}
