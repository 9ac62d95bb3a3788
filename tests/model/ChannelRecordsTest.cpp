// Channel records and the two name lists.
#include "ByteOrder.h"
#include "SettingsFileBuilder.h"
#include "ZlibEngine.h"

#include <gtest/gtest.h>

using namespace tarnell;
using test::LoadBytes;
using test::MakeSample;

namespace {

std::vector<test::RawSection> WithChannels(std::vector<uint8_t> tvPayload) {
    return {
        {kIdFduInfo, std::vector<uint8_t>(19, 'x')},
        {kIdSatelliteInfo,
         test::Concat({{1}, std::vector<uint8_t>(15, 0), std::vector<uint8_t>(48, 'S')})},
        {kIdTransponders, test::Concat({test::ArrayHeader16(1, 16), std::vector<uint8_t>(16, 1)})},
        {kIdTvChannels, std::move(tvPayload)},
        {kIdChannelNames, test::Concat({test::ArrayHeader16(1), {20, 0, 0, 0}, {'A', 0}})},
        {kIdFavourites, test::ArrayHeader16(0)},
    };
}

std::vector<uint8_t> ChannelPayload(const CSettingsFile& file, uint32_t id) {
    const auto image = const_cast<CSettingsFile&>(file).Store();
    for (const auto& s : test::Directory(image)) {
        if (s.id == id) {
            return ZlibEngine::Decompress(std::span(image).subspan(s.fileOffset + 16)).bytes;
        }
    }
    return {};
}

} // namespace

TEST(ChannelRecords, RecordSizeComesFromThePayload) {
    std::vector<uint8_t> records;
    for (int i = 0; i < 5; ++i) {
        std::vector<uint8_t> r(48, static_cast<uint8_t>(i + 1));
        records.insert(records.end(), r.begin(), r.end());
    }
    auto file = LoadBytes(
        test::BuildRawFile(WithChannels(test::Concat({test::ArrayHeader16(5, 99), records}))));
    ASSERT_EQ(file->m_channels.Size(), 5u);
    EXPECT_EQ(file->m_channels.RecordSize(), 48u);
    EXPECT_EQ(file->m_channels.At(4)->Record()[47], 5);

    // 44-byte records: the four missing bytes are zero and the records go back at 44 bytes.
    records.clear();
    for (int i = 0; i < 5; ++i) {
        std::vector<uint8_t> r(44, static_cast<uint8_t>(0x10 + i));
        records.insert(records.end(), r.begin(), r.end());
    }
    const auto payload44 = test::Concat({test::ArrayHeader16(5, 48), records});
    auto short44 = LoadBytes(test::BuildRawFile(WithChannels(payload44)));
    ASSERT_EQ(short44->m_channels.Size(), 5u);
    EXPECT_EQ(short44->m_channels.RecordSize(), 44u);
    EXPECT_EQ(short44->m_channels.At(0)->Record()[43], 0x10);
    EXPECT_EQ(short44->m_channels.At(0)->Record()[44], 0);
    auto expected = payload44;
    expected[2] = 44; // the header carries the size the records really have
    EXPECT_EQ(ChannelPayload(*short44, kIdTvChannels), expected);
}

TEST(ChannelRecords, ShortRecordIsDropped) {
    auto payload = test::Concat({test::ArrayHeader16(3, 48), std::vector<uint8_t>(48 * 3, 7)});
    payload.resize(payload.size() - 1);
    // (payload - 16) / 3 = 47-byte records: three of them arrive.
    auto file = LoadBytes(test::BuildRawFile(WithChannels(payload)));
    EXPECT_EQ(file->m_channels.Size(), 3u);
    EXPECT_EQ(file->m_channels.RecordSize(), 47u);
}

TEST(ChannelRecords, KindsAndRunningNumbers) {
    test::SampleOptions o;
    o.tvChannels = 5;
    o.radioChannels = 3;
    auto file = LoadBytes(MakeSample(o)->Store());
    const auto& channels = file->m_channels;
    ASSERT_EQ(channels.Size(), 8u);
    int tv = 0;
    int radio = 0;
    for (const auto& c : channels.Items()) {
        EXPECT_EQ(c->GetRunningNumber(), c->IsTv() ? ++tv : ++radio);
    }
    // Store writes TV first, so after a load all TV channels come first.
    EXPECT_TRUE(channels.At(0)->IsTv());
    EXPECT_FALSE(channels.At(7)->IsTv());
}

TEST(ChannelRecords, FieldsAndFavourites) {
    CChannelData c;
    c.Record()[10] = 0x05;
    c.SetAudioPid(513);
    EXPECT_EQ(c.GetAudioPid(), 513);
    EXPECT_EQ(c.GetAudioWord() & 0x7, 0x5) << "bits beside the PID stay";

    c.SetFavourite(1, true);
    EXPECT_EQ(c.GetFavouriteMask(), 1u);
    c.SetFavourite(32, true);
    EXPECT_EQ(c.GetFavourites(), (std::vector<int>{0, 31}));
    EXPECT_TRUE(c.IsInFavourite(31));
    c.SetFavourite(1, false);
    c.SetFavourite(33, true); // no such list
    EXPECT_EQ(c.GetFavouriteMask(), 0x80000000u);

    c.SetServiceId(42);
    EXPECT_EQ(c.GetServiceIdText(), "   42");
    c.Record()[35] = 0x02;
    EXPECT_FALSE(c.GetFlagT1());
    EXPECT_TRUE(c.GetFlagT2());
    c.SetSoundWord(0x1FFF);
    EXPECT_EQ(c.GetAudioMode(), 7);
    EXPECT_EQ(c.GetVolume(), 3);
}

TEST(ChannelRecords, ListOperations) {
    CChannelDataArray list;
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(list.AddChannel(i % 2 == 0, static_cast<uint16_t>(i / 2),
                                  static_cast<uint16_t>(10 + i % 3),
                                  static_cast<uint16_t>(100 + i)),
                  nullptr);
    }
    EXPECT_EQ(list.At(0)->GetNameIndex(), 0xFFFF);
    EXPECT_EQ(list.FindChannel(1, 12), 2);
    EXPECT_EQ(list.FindChannel(1, 99), -1);
    EXPECT_EQ(list.IndexWithinKind(104, true), 2);
    EXPECT_EQ(list.IndexWithinKind(105, false), 2);
    EXPECT_EQ(list.IndexWithinKind(105, true), -1);

    while (list.Size() < CChannelDataArray::kMaxChannels) {
        list.AddChannel(true, 0, 0, 0);
    }
    EXPECT_EQ(list.AddChannel(true, 0, 0, 0), nullptr);
    EXPECT_EQ(list.Size(), CChannelDataArray::kMaxChannels);
}

TEST(ChannelRecords, DeletingChannelsRemovesTheirUnsharedNames) {
    auto file = MakeSample();
    auto& channels = file->m_channels;
    auto& names = file->m_channelNames;
    // Channels 0 and 1 share name 1; channel 5 names nothing.
    channels.At(0)->SetNameIndex(1);
    channels.At(5)->SetNameIndex(0xFFFF);
    const std::string name6 = names.At(channels.At(6)->GetNameIndex())->GetDisplayName();
    const size_t before = names.Size();

    file->DeleteChannels({channels.At(1), channels.At(3), channels.At(5)});
    EXPECT_EQ(channels.Size(), 25u);
    // Name 1 is still used by channel 0; name 3 went; name 5 was already unused (kept, orphan).
    EXPECT_EQ(names.Size(), before - 1);
    EXPECT_EQ(names.At(channels.At(0)->GetNameIndex())->GetDisplayName(), "Channel 1");
    EXPECT_EQ(names.At(channels.At(3)->GetNameIndex())->GetDisplayName(), name6);
    for (const auto& c : channels.Items()) {
        EXPECT_LT(c->GetNameIndex(), names.Size());
    }
}

TEST(ChannelNames, CharacterTableByte) {
    auto latin5 = CChannelInfo::FromRecord(std::vector<uint8_t>{0x05, 'T', 0xFD, 'r', 0});
    EXPECT_EQ(latin5.GetCodePageCode(), 5u);
    EXPECT_EQ(latin5.GetDisplayName(), "T\xC4\xB1r") << "0xFD is dotless i in ISO 8859-9";
    EXPECT_EQ(latin5.StoredForm(), (std::vector<uint8_t>{0x05, 'T', 0xFD, 'r', 0}));

    auto apostrophe = CChannelInfo::FromRecord(std::vector<uint8_t>{0x27, 'C', 0xE9, 0});
    EXPECT_EQ(apostrophe.GetCodePageCode(), 0x27u);
    EXPECT_EQ(apostrophe.GetDisplayName(), "C\xC3\xA9") << "decoded as ISO 8859-1";

    auto plain = CChannelInfo::FromRecord(std::vector<uint8_t>{'Z', 0xB9, 0});
    EXPECT_EQ(plain.GetCodePageCode(), 0u);
    EXPECT_EQ(plain.GetDisplayName(), "Z\xC5\xA1") << "no table byte: ISO 8859-2";
    EXPECT_EQ(plain.StoredForm(), (std::vector<uint8_t>{'Z', 0xB9, 0}));

    auto cyrillic = CChannelInfo::FromRecord(std::vector<uint8_t>{0x01, 0xBF, 0xD5, 0xE0, 0xD2, 0});
    EXPECT_EQ(cyrillic.GetDisplayName(), "\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2");
}

TEST(ChannelNames, TableByte0x10KeepsItsExtraByte) {
    for (const std::vector<uint8_t>& record :
         {std::vector<uint8_t>{0x10, 0x00, 0x05, 'A', 'B', 0},
          std::vector<uint8_t>{0x10, 0x02, 'X', 0}, std::vector<uint8_t>{0x10, 0x00, 0x00},
          std::vector<uint8_t>{0x10, 0}}) {
        EXPECT_EQ(CChannelInfo::FromRecord(record).StoredForm(), record)
            << "a load and store must not lose a byte";
    }
}

TEST(ChannelNames, EmphasisMarks) {
    CChannelInfo name;
    name.SetDisplayName("<ARD> Das Erste");
    EXPECT_EQ(name.StoredForm(), (std::vector<uint8_t>{0x86, 'A', 'R', 'D', 0x87, ' ', 'D', 'a',
                                                       's', ' ', 'E', 'r', 's', 't', 'e', 0}));
    EXPECT_EQ(name.GetDisplayName(NameMarks::Remove), "ARD Das Erste");
    EXPECT_EQ(name.GetDisplayName(NameMarks::Keep), "<ARD> Das Erste");
    auto loaded = CChannelInfo::FromRecord(name.StoredForm());
    EXPECT_EQ(loaded.GetDisplayName(NameMarks::Keep), "<ARD> Das Erste");
}

TEST(ChannelNames, EncodingFollowsTheCodePage) {
    auto name = CChannelInfo::FromRecord(std::vector<uint8_t>{0x03, 'x', 0});
    name.SetDisplayName("\xCE\x95\xCE\xA1\xCE\xA4"); // Greek ERT
    EXPECT_EQ(name.StoredForm(), (std::vector<uint8_t>{0x03, 0xC5, 0xD1, 0xD4, 0}));
    CChannelInfo latin;
    latin.SetDisplayName("\xD0\x9F"); // Cyrillic in ISO 8859-2 cannot be held
    EXPECT_EQ(latin.StoredForm(), (std::vector<uint8_t>{'?', 0}));
}

TEST(ChannelNames, NameListLoadIsBounded) {
    // Name 0 is empty (just its terminator) and must not swallow name 1; name 2 lies past the
    // payload; name 3 is a bare 0x10 record; name 4 runs to the end without a terminator.
    auto payload = test::Concat(
        {test::ArrayHeader16(5), std::vector<uint8_t>(20, 0), {0, 'B', 'C', 0, 0x10, 0, 'D', 'E'}});
    WriteLE32(payload.data() + 16, 36);
    WriteLE32(payload.data() + 20, 37);
    WriteLE32(payload.data() + 24, 5000);
    WriteLE32(payload.data() + 28, 40);
    WriteLE32(payload.data() + 32, 42);
    std::vector<test::RawSection> sections(5, {kIdFduInfo, std::vector<uint8_t>(19, 'x')});
    sections.push_back({kIdChannelNames, payload});
    auto file = LoadBytes(test::BuildRawFile(sections));
    auto& names = file->m_channelNames;
    ASSERT_EQ(names.Size(), 5u);
    EXPECT_EQ(names.At(0)->GetDisplayName(), "");
    EXPECT_EQ(names.At(1)->GetDisplayName(), "BC");
    EXPECT_EQ(names.At(2)->GetDisplayName(), "");
    EXPECT_EQ(names.At(3)->GetDisplayName(), "");
    EXPECT_EQ(names.At(3)->StoredForm(), (std::vector<uint8_t>{0x10, 0}));
    EXPECT_EQ(names.At(4)->GetDisplayName(), "DE");
}

TEST(ChannelNames, StoredOffsetsAreSequential) {
    auto file = MakeSample();
    file->m_channelNames.RemoveAll();
    file->m_channelNames.AddName(std::vector<uint8_t>{'A', 0});
    file->m_channelNames.AddName(std::vector<uint8_t>{0x05, 'B', 'C', 0});
    const auto payload = ChannelPayload(*file, kIdChannelNames);
    const auto expected = test::Concat(
        {test::ArrayHeader16(2), {24, 0, 0, 0, 26, 0, 0, 0}, {'A', 0, 0x05, 'B', 'C', 0}});
    EXPECT_EQ(payload, expected);
}

TEST(ChannelRecords, AnEmptySectionDoesNotSetTheRecordSize) {
    auto sections =
        WithChannels(test::Concat({test::ArrayHeader16(2, 40), std::vector<uint8_t>(80, 9)}));
    sections.push_back({kIdRadioChannels, test::ArrayHeader16(0, 0)});
    auto file = LoadBytes(test::BuildRawFile(sections));
    ASSERT_EQ(file->m_channels.Size(), 2u);
    EXPECT_EQ(file->m_channels.RecordSize(), 40u) << "the TV records keep their 40 bytes";
}

TEST(ChannelNames, SharedOffsetsNameTheSameRecord) {
    auto payload =
        test::Concat({test::ArrayHeader16(3), std::vector<uint8_t>(12, 0), {'A', 'B', 0, 'C', 0}});
    WriteLE32(payload.data() + 16, 28);
    WriteLE32(payload.data() + 20, 28);
    WriteLE32(payload.data() + 24, 31);
    std::vector<test::RawSection> sections(5, {kIdFduInfo, std::vector<uint8_t>(19, 'x')});
    sections.push_back({kIdChannelNames, payload});
    auto file = LoadBytes(test::BuildRawFile(sections));
    ASSERT_EQ(file->m_channelNames.Size(), 3u);
    EXPECT_EQ(file->m_channelNames.At(0)->GetDisplayName(), "AB");
    EXPECT_EQ(file->m_channelNames.At(1)->GetDisplayName(), "AB");
    EXPECT_EQ(file->m_channelNames.At(2)->GetDisplayName(), "C");
}
