// The document's structure edits for the navigation tree: hints, undo, and the records the
// views point at.
#include "CTarnell1018Doc.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarnell;

namespace {

struct HintRecorder : IDocumentListener {
    std::vector<int> hints;
    void OnDocumentUpdate(CTarnell1018Doc&, int hint, const void*) override {
        hints.push_back(hint);
    }
};

// A document holding a sample list, unmodified.
std::unique_ptr<CTarnell1018Doc> SampleDocument(const test::SampleOptions& o = {}) {
    auto doc = std::make_unique<CTarnell1018Doc>();
    doc->OnNewDocument(false);
    doc->LoadFromBytes(test::MakeSample(o)->Store());
    return doc;
}

// Each channel's transponder, by content (frequency), so that moved slots still compare equal.
std::vector<int> TransponderFrequencies(const CSettingsFile& f) {
    std::vector<int> frequencies;
    for (const auto& c : f.m_channels.Items()) {
        const uint16_t t = c->GetTransponderIndex();
        frequencies.push_back(t < f.m_transponders.Size() ? f.m_transponders.At(t)->GetFrequency()
                                                          : -1);
    }
    return frequencies;
}

} // namespace

TEST(TreeCommands, DeletingATransponderKeepsTheOtherChannelsOnTheirTransponders) {
    test::SampleOptions o;
    o.usedTransponders = 12;
    o.tvChannels = 30;
    o.radioChannels = 6;
    auto doc = SampleDocument(o);
    HintRecorder hints;
    doc->AddListener(&hints);
    auto& f = doc->File();
    const CTransponderData* doomed = f.m_transponders.At(4);
    const int doomedFrequency = doomed->GetFrequency();
    doc->SetCurrentTransponder(f.m_transponders.At(4));
    doc->SetCurrentChannel(const_cast<CChannelData*>(f.ChannelsOfTransponder(4).at(0)));

    auto before = TransponderFrequencies(f);
    std::erase(before, doomedFrequency);
    doc->DeleteTransponders({doomed});

    EXPECT_EQ(TransponderFrequencies(f), before);
    EXPECT_EQ(f.m_transponders.Size(), 40u) << "the slot count stays";
    EXPECT_TRUE(f.m_transponders.At(39)->IsFree());
    EXPECT_EQ(doc->GetCurrentTransponder(), nullptr) << "its slot is free now";
    EXPECT_EQ(doc->GetCurrentChannel(), nullptr) << "the channel went with its transponder";
    EXPECT_EQ(hints.hints, std::vector<int>{kHintTranspondersRemoved});
    EXPECT_TRUE(doc->IsModified());
    // Running numbers close the gap.
    int tv = 0;
    for (const auto& c : f.m_channels.Items()) {
        if (c->IsTv()) {
            EXPECT_EQ(c->GetRunningNumber(), ++tv);
        }
    }

    doc->Undo();
    EXPECT_EQ(doc->File().m_channels.Size(), 36u);
    EXPECT_FALSE(doc->IsModified());
}

TEST(TreeCommands, DeletingTheChannelsOfATransponder) {
    auto doc = SampleDocument();
    auto& f = doc->File();
    const CTransponderData* t = f.m_transponders.At(2);
    const size_t channels = f.ChannelsOfTransponder(2).size();
    ASSERT_GT(channels, 0u);
    const size_t total = f.m_channels.Size();
    HintRecorder hints;
    doc->AddListener(&hints);

    doc->DeleteTransponderChannels(t);
    EXPECT_EQ(f.m_channels.Size(), total - channels);
    EXPECT_TRUE(f.ChannelsOfTransponder(2).empty());
    EXPECT_FALSE(t->IsFree()) << "the transponder stays";
    EXPECT_EQ(hints.hints, std::vector<int>{kHintRefillFromTree});

    // Nothing to delete is no edit.
    doc->SetModifiedFlag(false);
    doc->DeleteTransponderChannels(t);
    EXPECT_FALSE(doc->IsModified());
}

TEST(TreeCommands, NewTransponderIsAPlaceholderWithoutProvider) {
    test::SampleOptions o;
    o.transponderSlots = 13;
    o.usedTransponders = 12;
    auto doc = SampleDocument(o);
    auto& f = doc->File();
    // A slot freed earlier: it still names provider 0.
    f.m_transponders.At(12)->SetProviderIndex(0);

    CTransponderData* added = doc->NewTransponder(2);
    ASSERT_EQ(added, f.m_transponders.At(12));
    EXPECT_EQ(added->GetLabel(), "1 H 1");
    EXPECT_EQ(added->GetSatelliteIndex(), 2);
    EXPECT_EQ(added->GetProviderIndex(), CChannelData::kNone);
    EXPECT_TRUE(doc->IsModified());

    const size_t steps = doc->History().Steps();
    EXPECT_EQ(doc->NewTransponder(2), nullptr) << "no free slot";
    EXPECT_EQ(doc->NewTransponder(99), nullptr) << "no such satellite";
    EXPECT_EQ(doc->History().Steps(), steps) << "a refused edit leaves no undo step";
}

TEST(TreeCommands, FavouriteListEditsAnnounceThemselves) {
    auto doc = SampleDocument();
    HintRecorder hints;
    doc->AddListener(&hints);
    auto& f = doc->File();

    doc->RenameFavouriteList(0, "Sport", 6);
    EXPECT_EQ(f.m_favourites.At(0)->GetName(6), "Sport");
    doc->MoveFavouriteList(0, 2);
    EXPECT_EQ(f.m_favourites.At(2)->GetName(6), "Sport");
    doc->MoveFavouriteList(1, 1); // no move, no edit
    EXPECT_EQ(doc->AddFavouriteListFromProvider(0, 6), 4);
    doc->DeleteFavouriteList(2);
    EXPECT_EQ(f.m_favourites.Size(), 4u);
    EXPECT_EQ(hints.hints, (std::vector<int>{kHintRelabelFavourites, kHintRelabelFavourites,
                                             kHintRelabelFavourites, kHintRelabelFavourites,
                                             kHintRefillFromTree}));
    EXPECT_EQ(doc->History().Steps(), 4u);

    hints.hints.clear();
    doc->RenameProvider(1, "Renamed <HD>");
    EXPECT_EQ(f.m_providerNames.At(1)->GetDisplayName(), "Renamed HD");
    EXPECT_EQ(f.m_providerNames.At(1)->GetDisplayName(NameMarks::Keep), "Renamed <HD>");
    EXPECT_EQ(hints.hints, std::vector<int>{kHintRefillFromTree});
}

TEST(TreeCommands, SatelliteEditsAndCurrentRecords) {
    auto doc = SampleDocument();
    auto& f = doc->File();
    HintRecorder hints;
    doc->AddListener(&hints);
    CSatelliteInfo* first = f.m_satellites.At(0);
    doc->SetCurrentSatellite(first);

    doc->MoveSatellite(0, 2);
    EXPECT_EQ(f.m_satellites.At(2), first);
    EXPECT_EQ(doc->GetCurrentSatellite(), first) << "a move keeps the record";
    CSatelliteInfo* added = doc->NewSatellite();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(f.m_satellites.Size(), 4u);
    EXPECT_EQ(hints.hints, (std::vector<int>{kHintRebuildTree, kHintRebuildTree}));

    doc->Undo();
    EXPECT_EQ(doc->File().m_satellites.Size(), 3u);
    EXPECT_EQ(doc->GetCurrentSatellite(), nullptr) << "undo makes new records";
}
