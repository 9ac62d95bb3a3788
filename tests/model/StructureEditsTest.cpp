// Moving and creating satellites and favourite lists: every index and mask bit follows its
// record.
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace tarnell;
using test::MakeSample;

namespace {

// Which satellite (by record) each used transponder names.
std::map<const CTransponderData*, const CSatelliteInfo*>
SatelliteOfEachTransponder(const CSettingsFile& f) {
    std::map<const CTransponderData*, const CSatelliteInfo*> owners;
    for (const auto& t : f.m_transponders.Items()) {
        if (!t->IsFree()) {
            owners[t.get()] = f.m_satellites.At(t->GetSatelliteIndex());
        }
    }
    return owners;
}

// For each channel, the favourite lists (by record) it belongs to.
std::vector<std::vector<const CFavoritenInfo*>> MembershipOf(const CSettingsFile& f) {
    std::vector<std::vector<const CFavoritenInfo*>> members;
    for (const auto& c : f.m_channels.Items()) {
        std::vector<const CFavoritenInfo*> lists;
        for (int bit : c->GetFavourites()) {
            lists.push_back(bit < static_cast<int>(f.m_favourites.Size()) ? f.m_favourites.At(bit)
                                                                          : nullptr);
        }
        std::sort(lists.begin(), lists.end());
        members.push_back(lists);
    }
    return members;
}

} // namespace

TEST(StructureEdits, MovedPositionShiftsTheElementsBetween) {
    // Moving 1 to 4: 2, 3, 4 move up one place.
    const std::vector<size_t> down{0, 4, 1, 2, 3, 5};
    // Moving 4 to 1: 1, 2, 3 move down one place.
    const std::vector<size_t> up{0, 2, 3, 4, 1, 5};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(CSettingsFile::MovedPosition(i, 1, 4), down[i]) << i;
        EXPECT_EQ(CSettingsFile::MovedPosition(i, 4, 1), up[i]) << i;
        EXPECT_EQ(CSettingsFile::MovedPosition(i, 3, 3), i);
    }
}

TEST(StructureEdits, MovingASatelliteTakesItsTranspondersAlong) {
    test::SampleOptions o;
    o.satellites = 6;
    o.usedTransponders = 30;
    auto f = MakeSample(o);
    f->m_transponders.At(35)->SetSatelliteIndex(0); // a free slot keeps its bytes
    const auto owners = SatelliteOfEachTransponder(*f);
    const CSatelliteInfo* moved = f->m_satellites.At(1);

    for (auto [from, to] : std::vector<std::pair<size_t, size_t>>{{1, 4}, {4, 0}, {0, 5}}) {
        const CSatelliteInfo* record = f->m_satellites.At(from);
        ASSERT_TRUE(f->MoveSatellite(from, to));
        EXPECT_EQ(f->m_satellites.At(to), record);
        EXPECT_EQ(SatelliteOfEachTransponder(*f), owners) << from << " -> " << to;
        for (size_t i = 0; i < f->m_satellites.Size(); ++i) {
            EXPECT_EQ(f->m_satellites.At(i)->GetSequenceNumber(), static_cast<int>(i));
        }
    }
    EXPECT_NE(f->m_satellites.IndexOf(moved), 1);
    EXPECT_EQ(f->m_transponders.At(35)->GetSatelliteIndex(), 0);
    EXPECT_FALSE(f->MoveSatellite(6, 0));
    EXPECT_FALSE(f->MoveSatellite(0, 6));
}

TEST(StructureEdits, MovingAFavouriteListMovesItsBitInEveryChannel) {
    test::SampleOptions o;
    o.favourites = 6;
    o.tvChannels = 40;
    auto f = MakeSample(o);
    // Channels in several lists at once, and a bit beyond the last list that must stay.
    for (size_t i = 0; i < f->m_channels.Size(); ++i) {
        f->m_channels.At(i)->SetFavouriteMask(static_cast<uint32_t>(i * 7 % 64) | 0x80000000u);
    }
    const auto before = MembershipOf(*f);

    ASSERT_TRUE(f->MoveFavouriteList(1, 4));
    EXPECT_EQ(MembershipOf(*f), before);
    ASSERT_TRUE(f->MoveFavouriteList(5, 0));
    EXPECT_EQ(MembershipOf(*f), before);
    for (const auto& c : f->m_channels.Items()) {
        EXPECT_TRUE(c->IsInFavourite(31));
    }

    // Explicitly: moving 1 to 3 takes bit 1 to 3, and bits 2 and 3 down to 1 and 2.
    f->m_channels.At(0)->SetFavouriteMask(0b000010);
    f->m_channels.At(1)->SetFavouriteMask(0b001100);
    f->m_channels.At(2)->SetFavouriteMask(0b110001);
    ASSERT_TRUE(f->MoveFavouriteList(1, 3));
    EXPECT_EQ(f->m_channels.At(0)->GetFavouriteMask(), 0b001000u);
    EXPECT_EQ(f->m_channels.At(1)->GetFavouriteMask(), 0b000110u);
    EXPECT_EQ(f->m_channels.At(2)->GetFavouriteMask(), 0b110001u);
    EXPECT_FALSE(f->MoveFavouriteList(0, 6));
}

TEST(StructureEdits, DeletingAFavouriteListClosesTheGapInTheMasks) {
    test::SampleOptions o;
    o.favourites = 3;
    auto f = MakeSample(o);
    const CFavoritenInfo* second = f->m_favourites.At(1);
    f->m_channels.At(0)->SetFavouriteMask(0b010);
    f->m_channels.At(1)->SetFavouriteMask(0b111);
    f->m_channels.At(2)->SetFavouriteMask(0x80000001u);
    ASSERT_TRUE(f->DeleteFavouriteList(0));
    EXPECT_EQ(f->m_favourites.Size(), 2u);
    EXPECT_EQ(f->m_favourites.At(0), second);
    EXPECT_EQ(f->m_channels.At(0)->GetFavouriteMask(), 0b01u) << "the second list's members";
    EXPECT_EQ(f->m_channels.At(1)->GetFavouriteMask(), 0b11u);
    EXPECT_EQ(f->m_channels.At(2)->GetFavouriteMask(), 0x40000000u);

    // The top list: its bit goes, nothing moves into it.
    for (int i = 0; i < 30; ++i) {
        f->m_favourites.AddFavouriteList("More", 6);
    }
    ASSERT_EQ(f->m_favourites.Size(), 32u);
    f->m_channels.At(3)->SetFavouriteMask(0xC0000000u);
    ASSERT_TRUE(f->DeleteFavouriteList(31));
    EXPECT_EQ(f->m_channels.At(3)->GetFavouriteMask(), 0x40000000u);
    EXPECT_FALSE(f->DeleteFavouriteList(31));
}

TEST(StructureEdits, FavouriteListFromAProvider) {
    test::SampleOptions o;
    o.favourites = 2;
    o.providers = 3;
    auto f = MakeSample(o);
    // A channel on a free slot has no provider, whatever the slot's bytes say.
    f->m_channels.At(0)->SetTransponderIndex(39);
    f->m_transponders.At(39)->SetProviderIndex(1);
    f->m_providerNames.At(1)->SetDisplayName("<Sky> Deutschland");

    const int list = f->AddFavouriteListFromProvider(1, 6);
    ASSERT_EQ(list, 2);
    EXPECT_EQ(f->m_favourites.At(2)->GetName(6), "Sky Deutschland");
    size_t members = 0;
    for (const auto& c : f->m_channels.Items()) {
        const uint16_t t = c->GetTransponderIndex();
        const bool onProvider = t < f->m_transponders.Size() &&
                                !f->m_transponders.At(t)->IsFree() &&
                                f->m_transponders.At(t)->GetProviderIndex() == 1;
        EXPECT_EQ(c->IsInFavourite(2), onProvider);
        members += onProvider ? 1 : 0;
    }
    EXPECT_GT(members, 0u);
    EXPECT_EQ(f->AddFavouriteListFromProvider(3, 6), -1) << "no such provider";

    while (f->m_favourites.Size() < 32) {
        f->m_favourites.AddFavouriteList("x", 6);
    }
    EXPECT_EQ(f->AddFavouriteListFromProvider(0, 6), -1);
    EXPECT_EQ(f->m_favourites.Size(), 32u);
}

TEST(StructureEdits, NewSatelliteUpToTheLimit) {
    test::SampleOptions o;
    o.satellites = 253;
    auto f = MakeSample(o);
    CSatelliteInfo* added = f->NewSatellite();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetDisplayName(), "New");
    EXPECT_EQ(added->GetPosition(), 0);
    EXPECT_FALSE(added->HasChannels());
    EXPECT_EQ(f->m_satellites.ArrayHeader()[0], 254);
    EXPECT_NE(f->NewSatellite(), nullptr);
    EXPECT_EQ(f->m_satellites.ArrayHeader()[0], 255);
    EXPECT_EQ(f->NewSatellite(), nullptr);
    EXPECT_EQ(f->m_satellites.Size(), 255u);
    // Sequence numbers go on from the list's counter, so the stored order puts them last.
    EXPECT_GT(f->m_satellites.At(254)->GetSequenceNumber(),
              f->m_satellites.At(253)->GetSequenceNumber());
}
