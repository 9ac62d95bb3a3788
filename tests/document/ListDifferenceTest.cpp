// Differences of crafted pairs of lists, and the duplicates of one list.
#include "ListDifference.h"
#include "ChannelDuplicates.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tarnell;

namespace {

std::unique_ptr<CSettingsFile> Sample() {
    test::SampleOptions o;
    o.configLength = 900;
    return test::MakeSample(o);
}

std::unique_ptr<CSettingsFile> Copy(CSettingsFile& f) {
    return test::LoadBytes(f.Store());
}

std::string Describe(const ListDifference& d) {
    std::string text;
    for (const auto& item : d.items) {
        text +=
            std::string(AreaName(item.area)) + " " + KindName(item.kind) + " " + item.name + "\n";
    }
    return text;
}

struct Case {
    const char* what;
    std::function<void(CSettingsFile&)> edit;
    // The only (area, kind, count) the difference may hold.
    std::vector<std::tuple<DiffArea, DiffKind, size_t>> expected;
};

} // namespace

TEST(ListDifference, NamesWhatEachEditChanged) {
    const auto moveChannel = [](CSettingsFile& f, size_t from, size_t to) {
        auto c = f.m_channels.TakeAt(from);
        f.m_channels.InsertAt(to, std::move(c));
    };
    const std::vector<Case> cases = {
        {"nothing", [](CSettingsFile&) {}, {}},
        // Moving one channel to the top shifts all between, but only it moved.
        {"moved",
         [&](CSettingsFile& f) { moveChannel(f, 9, 0); },
         {{DiffArea::Channels, DiffKind::Moved, 1},
          {DiffArea::FavouriteMembers, DiffKind::Moved, 0}}},
        {"another service is removed and added, not moved",
         [](CSettingsFile& f) { f.m_channels.At(3)->SetServiceId(4711); },
         {{DiffArea::Channels, DiffKind::Removed, 1},
          {DiffArea::Channels, DiffKind::Added, 1},
          {DiffArea::FavouriteMembers, DiffKind::Removed, 0},
          {DiffArea::FavouriteMembers, DiffKind::Added, 0}}},
        {"removed",
         [](CSettingsFile& f) { f.DeleteChannel(f.m_channels.At(5)); },
         {{DiffArea::Channels, DiffKind::Removed, 1},
          {DiffArea::FavouriteMembers, DiffKind::Removed, 0}}},
        {"renamed",
         [](CSettingsFile& f) {
             f.m_channelNames.At(f.m_channels.At(2)->GetNameIndex())->SetDisplayName("Other");
         },
         {{DiffArea::Channels, DiffKind::Renamed, 1}}},
        {"flags",
         [](CSettingsFile& f) { f.m_channels.At(1)->SetFlagByte(0x88); },
         {{DiffArea::Channels, DiffKind::Changed, 1}}},
        {"favourite lists reordered",
         [](CSettingsFile& f) { f.MoveFavouriteList(0, 2); },
         {{DiffArea::FavouriteLists, DiffKind::Moved, 1}}},
        {"favourite member",
         [](CSettingsFile& f) {
             f.m_channels.At(0)->SetFavourite(4, !f.m_channels.At(0)->IsInFavourite(3));
         },
         {{DiffArea::FavouriteMembers, DiffKind::Added, 0},
          {DiffArea::FavouriteMembers, DiffKind::Removed, 0}}},
        {"configuration word",
         [](CSettingsFile& f) { f.m_configuration.SetWord(616, 1); },
         {{DiffArea::Configuration, DiffKind::Changed, 1}}},
        {"transponder",
         [](CSettingsFile& f) { f.m_transponders.At(0)->SetSymbolRate(12345); },
         {{DiffArea::Transponders, DiffKind::Changed, 1}}},
        {"satellite renamed",
         [](CSettingsFile& f) { f.m_satellites.At(1)->SetName("Elsewhere"); },
         {{DiffArea::Satellites, DiffKind::Renamed, 1}}},
    };
    for (const auto& c : cases) {
        auto before = Sample();
        auto after = Copy(*before);
        c.edit(*after);
        const auto d = CompareLists(*before, *after, 6);
        size_t expectedItems = 0;
        for (const auto& [area, kind, count] : c.expected) {
            // 0: whatever the sample's favourite lists make of it.
            if (count > 0) {
                EXPECT_EQ(d.Count(area, kind), count) << c.what << "\n" << Describe(d);
            }
            expectedItems += d.Count(area, kind);
        }
        EXPECT_EQ(d.items.size(), expectedItems) << c.what << " names more:\n" << Describe(d);
        EXPECT_EQ(d.Empty(), c.expected.empty()) << c.what;
    }
}

TEST(ListDifference, ReSortedListIsAllMovesWithOldAndNewPositions) {
    auto before = Sample();
    auto after = Copy(*before);
    std::reverse(after->m_channels.Items().begin(), after->m_channels.Items().end());
    const auto d = CompareLists(*before, *after, 6);
    const size_t tv = before->m_channels.CountKind(true);
    EXPECT_EQ(d.Count(DiffArea::Channels, DiffKind::Added), 0u);
    EXPECT_EQ(d.Count(DiffArea::Channels, DiffKind::Removed), 0u);
    // Reversed, all but one of each kind moved.
    EXPECT_EQ(d.Count(DiffArea::Channels, DiffKind::Moved), before->m_channels.Size() - 2);
    for (const auto& item : d.items) {
        if (item.area == DiffArea::Channels && item.tv) {
            EXPECT_EQ(item.oldPosition + item.newPosition, static_cast<int>(tv) + 1) << item.name;
        }
    }
    EXPECT_NE(DifferenceSummary(d).find("channels: "), std::string::npos);
}

TEST(ChannelDuplicates, FindsTheSameServiceAndOneNameOnTwoTransponders) {
    auto f = Sample();
    EXPECT_TRUE(FindDuplicates(*f).empty());
    const CChannelData& original = *f->m_channels.At(4);
    f->m_channels.Add(std::make_unique<CChannelData>(original.Record(), original.IsTv()));
    // Channel 7 takes channel 6's name, on a transponder of its own.
    CChannelData& renamed = *f->m_channels.At(7);
    ASSERT_NE(renamed.GetTransponderIndex(), f->m_channels.At(6)->GetTransponderIndex());
    ASSERT_EQ(renamed.IsTv(), f->m_channels.At(6)->IsTv());
    renamed.SetNameIndex(f->m_channels.At(6)->GetNameIndex());
    const auto groups = FindDuplicates(*f);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].kind, DuplicateGroup::Kind::SameService);
    EXPECT_EQ(groups[0].channels, (std::vector<size_t>{4, f->m_channels.Size() - 1}));
    EXPECT_EQ(groups[1].kind, DuplicateGroup::Kind::SameName);
    EXPECT_EQ(groups[1].channels, (std::vector<size_t>{6, 7}));
    EXPECT_EQ(SurplusChannels(groups), (std::vector<size_t>{f->m_channels.Size() - 1}));
}
