// Transponder slots, satellites, LNB records and the deletions that keep indices right.
#include "ByteOrder.h"
#include "SettingsFileBuilder.h"
#include "ZlibEngine.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarnell;
using test::LoadBytes;
using test::MakeSample;

TEST(Transponders, FullTableRoundTrips) {
    test::SampleOptions o;
    o.transponderSlots = 8000;
    o.usedTransponders = 500;
    const auto image = MakeSample(o)->Store();
    auto file = LoadBytes(image);
    ASSERT_EQ(file->m_transponders.Size(), 8000u);
    EXPECT_EQ(file->m_transponders.CountUsed(), 500u);
    EXPECT_EQ(file->m_transponders.RecordSize(), 16u);
    for (const auto& s : test::Directory(image)) {
        if (s.id == kIdTransponders) {
            EXPECT_EQ(ReadLE32(image.data() + s.fileOffset + 8), 128016u);
        }
    }
    EXPECT_EQ(file->Store(), image);
}

TEST(Transponders, RecordOperations) {
    CTransponderData t;
    t.Record()[12] = 0x60;
    t.SetPolarisation(1);
    EXPECT_EQ(t.GetFlagWord(), 0x61u) << "flag bits beside the polarisation stay";
    t.SetFrequency(11494);
    t.SetSymbolRate(22000);
    EXPECT_EQ(t.GetLabel(), "11494 H 22000");
    for (auto [code, letter] : std::vector<std::pair<int, std::string>>{
             {0, "V"}, {1, "H"}, {2, "A"}, {5, "C"}, {3, ""}}) {
        t.SetPolarisation(code);
        EXPECT_EQ(t.GetPolarisationLetter(), letter);
    }
}

TEST(Transponders, TableOperations) {
    CTransponderDataArray table;
    for (int i = 0; i < 4; ++i) {
        table.Add(std::make_unique<CTransponderData>());
    }
    table.At(0)->SetFrequency(10714);
    table.At(0)->Record()[12] = 0x20;
    auto* added = table.AddTransponder(3, 11494, 1, 22000, 0xC00000, 1019, 1);
    ASSERT_EQ(added, table.At(1));
    added = table.AddTransponder(3, 11495, 0, 27500, 0, 1020, 1);
    added->Record()[12] |= 0x40;
    EXPECT_EQ(table.FindTransponder(1019, 1, 0xC00000), 1);
    EXPECT_EQ(table.FindTransponder(1019, 1, 0), -1);
    EXPECT_EQ(table.FindTransponderNear(3, 11499, 1, 21995, 5), 1);
    EXPECT_EQ(table.FindTransponderNear(3, 11500, 1, 22000, 5), -1);
    EXPECT_EQ(table.FindTransponderNear(3, 11494, 0, 27500, 5), 2);
    EXPECT_EQ(table.FindTransponderNear(2, 11494, 1, 22000, 5), -1);
    EXPECT_EQ(table.IndexOfTransponder(added), 2);
    table.AddTransponder(0, 12000, 0, 27500, 0, 1, 1);
    EXPECT_EQ(table.AddTransponder(0, 12100, 0, 27500, 0, 1, 1), nullptr) << "no free slot";
    EXPECT_EQ(table.CountUsed(), 4u);
}

TEST(Transponders, DeleteMovesTheSlotToTheEndAndFixesChannels) {
    test::SampleOptions o;
    o.transponderSlots = 8000;
    o.usedTransponders = 30;
    o.tvChannels = 60;
    o.radioChannels = 30;
    auto file = MakeSample(o);
    auto& slots = file->m_transponders;
    // Remember which transponder every channel is on, by its frequency.
    std::vector<std::pair<const CChannelData*, uint16_t>> onFrequency;
    for (const auto& c : file->m_channels.Items()) {
        if (c->GetTransponderIndex() != 10) {
            onFrequency.emplace_back(c.get(), slots.At(c->GetTransponderIndex())->GetFrequency());
        }
    }
    const auto* doomed = slots.At(10);
    const auto* eleventh = slots.At(11);
    file->DeleteTransponder(doomed);
    EXPECT_EQ(slots.Size(), 8000u);
    EXPECT_EQ(slots.At(10), eleventh);
    EXPECT_EQ(slots.At(7999), doomed) << "the record moves to the end";
    EXPECT_EQ(slots.At(7999)->Record(), (std::array<uint8_t, 18>{}));
    EXPECT_EQ(file->m_channels.Size(), onFrequency.size());
    for (const auto& [channel, frequency] : onFrequency) {
        EXPECT_EQ(slots.At(channel->GetTransponderIndex())->GetFrequency(), frequency);
    }
}

TEST(Transponders, DeleteRemovesAProviderNameNobodyUses) {
    test::SampleOptions o;
    o.usedTransponders = 6;
    o.providers = 6;
    auto file = MakeSample(o);
    auto& slots = file->m_transponders;
    // Transponder i has provider i; the free slots have provider 0.
    const std::string provider4 = file->m_providerNames.At(4)->GetDisplayName();
    file->DeleteTransponder(slots.At(3));
    ASSERT_EQ(file->m_providerNames.Size(), 5u);
    EXPECT_EQ(slots.At(3)->GetProviderIndex(), 3) << "provider 4 moved down to 3";
    EXPECT_EQ(file->m_providerNames.At(3)->GetDisplayName(), provider4);
    EXPECT_EQ(slots.At(0)->GetProviderIndex(), 0);

    // A provider still used by another transponder stays.
    slots.At(1)->SetProviderIndex(2);
    file->DeleteTransponder(slots.At(2));
    EXPECT_EQ(file->m_providerNames.Size(), 5u);
}

TEST(Transponders, TheFirstProviderGoesWithItsLastTransponder) {
    test::SampleOptions o;
    o.usedTransponders = 6;
    o.providers = 6;
    auto file = MakeSample(o);
    auto& slots = file->m_transponders;
    const size_t providers = file->m_providerNames.Size();
    const std::string provider1 = file->m_providerNames.At(1)->GetDisplayName();
    // The free slots hold provider 0 only because they are cleared; they must not keep it.
    file->DeleteTransponder(slots.At(0));
    ASSERT_EQ(file->m_providerNames.Size(), providers - 1);
    EXPECT_EQ(file->m_providerNames.At(0)->GetDisplayName(), provider1);
    EXPECT_EQ(slots.At(0)->GetProviderIndex(), 0) << "provider 1 moved down to 0";
}

// An import empties the whole list at once, which takes a shorter way than other deletions.
TEST(Transponders, BatchDeletesMatchOneByOneAndEmptyingMatchesAnyOrder) {
    test::SampleOptions o;
    o.transponderSlots = 200;
    o.usedTransponders = 50;
    o.tvChannels = 120;
    o.radioChannels = 40;
    o.providers = 20;
    auto batch = MakeSample(o);
    auto single = MakeSample(o);
    std::vector<const CTransponderData*> doomed;
    for (size_t k : {3u, 4u, 17u, 30u, 49u}) {
        doomed.push_back(batch->m_transponders.At(k));
    }
    batch->DeleteTransponders(doomed);
    for (size_t k : {49u, 30u, 17u, 4u, 3u}) {
        single->DeleteTransponder(single->m_transponders.At(k));
    }
    EXPECT_EQ(batch->Store(), single->Store());

    for (auto* file : {batch.get(), single.get()}) {
        std::vector<const CChannelData*> channels;
        for (const auto& c : file->m_channels.Items()) {
            channels.push_back(c.get());
        }
        std::vector<const CTransponderData*> slots;
        for (const auto& t : file->m_transponders.Items()) {
            slots.push_back(t.get());
        }
        if (file == single.get()) {
            std::reverse(channels.begin(), channels.end());
            std::reverse(slots.begin(), slots.end());
        }
        file->DeleteChannels(channels);
        file->DeleteTransponders(slots);
    }
    EXPECT_EQ(batch->m_channels.Size(), 0u);
    EXPECT_EQ(batch->Store(), single->Store());
}

TEST(Satellites, PositionText) {
    CSatelliteInfo s;
    s.SetPosition(3450);
    EXPECT_EQ(s.GetPositionText(), "  15.0 \xC2\xB0W ");
    s.SetPosition(50);
    EXPECT_EQ(s.GetPositionText(), "    5.0 \xC2\xB0"
                                   "E ");
    s.SetPosition(192);
    EXPECT_EQ(s.GetPositionText(), "  19.2 \xC2\xB0"
                                   "E ");
    s.SetPosition(1800);
    EXPECT_EQ(s.GetPositionText(), "180.0 \xC2\xB0"
                                   "E ");
    s.SetPosition(1801);
    EXPECT_TRUE(s.IsWest());
}

TEST(Satellites, NamesAndLnbs) {
    std::array<uint8_t, 48> record{};
    const uint8_t name[] = {0x05, 'T', 0xFC, 'r', 'k', 's', 'a', 't'};
    std::copy(std::begin(name), std::end(name), record.begin());
    record[36] = 0xFE;
    record[37] = 1;
    CSatelliteInfo s(record, 7);
    EXPECT_EQ(s.GetCodePageCode(), 5u);
    EXPECT_EQ(s.GetDisplayName(), "T\xC3\xBCrksat");
    EXPECT_EQ(s.GetDisplayName(true), "(07) T\xC3\xBCrksat");
    EXPECT_EQ(s.ResolveLnb(0, 10), -1) << "0xFE is no LNB";
    EXPECT_EQ(s.ResolveLnb(1, 10), 1);
    EXPECT_EQ(s.ResolveLnb(1, 1), -1) << "an index past the list is none";

    s.SetName("A very long satellite name that does not fit");
    EXPECT_EQ(s.Record()[31], 0);
    EXPECT_EQ(s.GetDisplayName().size(), 31u);
    EXPECT_EQ(s.Record()[36], 0xFE) << "renaming leaves the rest";
}

TEST(Satellites, LimitAndHasChannels) {
    CSatelliteInfoArray list;
    for (size_t i = 0; i < CSatelliteInfoArray::kMaxSatellites; ++i) {
        ASSERT_NE(list.AddSatellite({}), nullptr);
    }
    EXPECT_EQ(list.AddSatellite({}), nullptr);
    EXPECT_EQ(list.At(254)->GetSequenceNumber(), 254);

    test::SampleOptions o;
    o.satellites = 4;
    o.usedTransponders = 6; // transponder i on satellite i % 4
    o.tvChannels = 2;       // channels on transponders 0 and 1
    o.radioChannels = 0;
    auto file = LoadBytes(MakeSample(o)->Store());
    EXPECT_TRUE(file->m_satellites.At(0)->HasChannels());
    EXPECT_TRUE(file->m_satellites.At(1)->HasChannels());
    EXPECT_FALSE(file->m_satellites.At(2)->HasChannels());
    EXPECT_FALSE(file->m_satellites.At(3)->HasChannels());
}

TEST(SingleCable, UserBandsRoundTrip) {
    auto file = MakeSample();
    for (uint32_t f : {1210u, 1420u, 1680u, 2040u}) {
        file->m_saTCR.Add(std::make_unique<CSaTCRData>(CSaTCRData{f}));
    }
    file->m_saTCR.ArrayHeader()[5] = 0x99;
    const auto image = file->Store();
    auto loaded = LoadBytes(image);
    ASSERT_EQ(loaded->m_saTCR.Size(), 4u);
    EXPECT_EQ(loaded->m_saTCR.At(3)->frequency, 2040u);
    EXPECT_EQ(loaded->m_saTCR.ArrayHeader()[5], 0x99);
    EXPECT_EQ(loaded->Store(), image);
}
