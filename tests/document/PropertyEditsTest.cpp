// The pane edits that guard stored data: orbital positions, LNB records shared by satellites,
// the 100-byte name record, moving a channel to another satellite.
#include "PropertyEdits.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

using namespace tarnell;
using namespace tarnell::PropertyEdits;

TEST(PropertyEdits, PositionsStayWithinHalfACircleOnEachSide) {
    struct Parse {
        const char* text;
        std::optional<uint16_t> tenths;
    };
    for (const Parse& c : std::vector<Parse>{{"13,0", 130},
                                             {"19.2", 192},
                                             {" 0 ", 0},
                                             {"180", 1800},
                                             {"180.0", 1800},
                                             {"7.", 70},
                                             {"180.1", std::nullopt},
                                             {"190", std::nullopt},
                                             {"-5", std::nullopt},
                                             {"1.25", std::nullopt},
                                             {"1e2", std::nullopt},
                                             {"", std::nullopt}}) {
        EXPECT_EQ(ParseDegrees(c.text), c.tenths) << c.text;
    }
    struct Store {
        uint16_t tenths;
        bool west;
        uint16_t stored;
    };
    // 0 and 180.0 are one place whichever side: never 3600, never a wrap.
    for (const Store& c : std::vector<Store>{
             {130, true, 3470}, {192, false, 192}, {0, true, 0}, {1800, true, 1800}}) {
        EXPECT_EQ(StoredPosition(c.tenths, c.west), c.stored) << c.tenths;
    }
    // East to west and back keeps the magnitude.
    EXPECT_EQ(StoredPosition(Magnitude(192), true), 3408);
    EXPECT_EQ(StoredPosition(Magnitude(3408), false), 192);
}

TEST(PropertyEdits, AnLnbEditOfASharedRecordGivesTheSatelliteACopyOfItsOwn) {
    auto file = test::MakeSample(); // satellites 0 and 2 share LNB record 0
    CSatelliteInfo& edited = *file->m_satellites.At(0);
    const auto shared = file->m_lnbs.At(0)->Record();
    ASSERT_EQ(LnbUseCount(*file, 0), 2);

    const LnbForEdit target = TakeLnbForEdit(*file, edited, 0);
    ASSERT_NE(target.record, nullptr);
    EXPECT_TRUE(target.taken);
    EXPECT_EQ(file->m_lnbs.Size(), 3u) << "appended: no record was free";
    EXPECT_EQ(edited.GetLnbIndex(0), 2);
    EXPECT_EQ(target.record->Record(), shared) << "the settings the satellite had";
    target.record->SetLofLow(9000);
    EXPECT_EQ(file->m_lnbs.At(0)->Record(), shared) << "the other satellite keeps its values";
    EXPECT_EQ(file->m_satellites.At(2)->GetLnbIndex(0), 0);

    // Its own record now: the next edit goes there in place.
    EXPECT_EQ(TakeLnbForEdit(*file, edited, 0).record, target.record);
    EXPECT_EQ(file->m_lnbs.Size(), 3u);

    // A free record (unmarked, named by nobody) is taken before the list grows; an input
    // without a record starts from a blank one, not from the free record's old values.
    file->m_lnbs.At(1)->SetFlags(0);
    file->m_satellites.At(1)->SetLnbIndex(0, 0xFE);
    CSatelliteInfo& bare = *file->m_satellites.At(1);
    const LnbForEdit fresh = TakeLnbForEdit(*file, bare, 1);
    EXPECT_EQ(bare.GetLnbIndex(1), 1);
    EXPECT_EQ(fresh.record->GetLofLow(), 0);
    EXPECT_TRUE(fresh.record->IsInUse());
}

TEST(PropertyEdits, NoLnbRecordOtherSatellitesUseIsOverwrittenWhenAllAreTaken) {
    test::SampleOptions options;
    options.lnbs = static_cast<int>(kMaxLnbRecords);
    options.satellites = 3;
    auto file = test::MakeSample(options);
    // Every record in use: the two satellites on record 0 share it.
    file->m_satellites.At(2)->SetLnbIndex(0, 0);
    const auto before = file->Store();
    EXPECT_FALSE(CanTakeLnbForEdit(*file, *file->m_satellites.At(0), 0));
    EXPECT_EQ(TakeLnbForEdit(*file, *file->m_satellites.At(0), 0).record, nullptr);
    EXPECT_EQ(file->Store(), before);
    // A record only this satellite uses can still be edited.
    EXPECT_TRUE(CanTakeLnbForEdit(*file, *file->m_satellites.At(1), 0));
}

TEST(PropertyEdits, ChannelNamesFitTheirHundredByteRecord) {
    auto file = test::MakeSample();
    CChannelData& channel = *file->m_channels.At(0);
    channel.SetNameIndex(CChannelData::kNone);
    // Table bytes, 97 bytes of text and the terminator fill the record; never cut silently.
    EXPECT_EQ(CheckChannelName(*file, channel, std::string(97, 'a')), NameProblem::None);
    EXPECT_EQ(CheckChannelName(*file, channel, std::string(98, 'a')), NameProblem::TooLong);
    EXPECT_EQ(
        CheckChannelName(*file, channel, std::string(49, 'a') + "\xC3\xA4" + std::string(48, 'a')),
        NameProblem::TooLong)
        << "98 bytes in ISO 8859-2 as well";
    EXPECT_EQ(CheckChannelName(*file, channel, "\xE4\xB8\xAD"), NameProblem::NotEncodable);

    // The first edit makes a record and links it, the second changes that record.
    const size_t names = file->m_channelNames.Size();
    SetChannelName(*file, channel, "Das Erste");
    ASSERT_EQ(file->m_channelNames.Size(), names + 1);
    EXPECT_EQ(channel.GetNameIndex(), names);
    EXPECT_TRUE(channel.GetFlagByte() & 0x20);
    SetChannelName(*file, channel, "<ARD> Das Erste");
    EXPECT_EQ(file->m_channelNames.Size(), names + 1);
    EXPECT_EQ(file->m_channelNames.At(names)->StoredForm().front(), 0x86);

    // A name another channel uses stays theirs.
    CChannelData& other = *file->m_channels.At(1);
    other.SetNameIndex(channel.GetNameIndex());
    SetChannelName(*file, channel, "ZDF");
    EXPECT_NE(channel.GetNameIndex(), other.GetNameIndex());
    EXPECT_EQ(file->m_channelNames.At(other.GetNameIndex())->GetDisplayName(), "ARD Das Erste");
}

TEST(PropertyEdits, AChannelMovesOnlyToATransponderOfTheChosenSatellite) {
    auto file = test::MakeSample(); // 12 transponders over 3 satellites
    EXPECT_EQ(FirstTransponderOf(*file, 1), std::optional<uint16_t>(1));
    file->NewSatellite();
    EXPECT_EQ(FirstTransponderOf(*file, 3), std::nullopt);
}
