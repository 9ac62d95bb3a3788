// The document: new, open, save, modified flag, hints, commands and the factory list.
#include "ByteOrder.h"
#include "CTarnell1018Doc.h"
#include "FactoryImage.h"
#include "FactoryListBuilder.h"
#include "FileError.h"
#include "FileIo.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

struct HintRecorder : IDocumentListener {
    std::vector<int> hints;
    void OnDocumentUpdate(CTarnell1018Doc&, int hint, const void*) override {
        hints.push_back(hint);
    }
};

fs::path TempFile(const std::string& name) {
    return fs::temp_directory_path() /
           ("tarnell-doc-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
            std::to_string(getpid()) + name);
}

} // namespace

TEST(FactoryList, HasTheFactoryStructure) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    const CSettingsFile& f = doc.File();
    EXPECT_EQ(f.m_headers.SectionCount(), 9);
    EXPECT_EQ(f.m_fduInfo.GetText(), "FDU v1.2");
    ASSERT_EQ(f.m_satellites.Size(), 96u);
    EXPECT_EQ(f.m_satellites.At(0)->GetDisplayName(), "Astra 1F 1M");
    EXPECT_EQ(f.m_satellites.At(0)->GetPosition(), 192);
    EXPECT_EQ(f.m_lnbs.Size(), 67u);
    EXPECT_EQ(f.m_transponders.Size(), 8000u);
    EXPECT_EQ(f.m_transponders.RecordSize(), 16u);
    EXPECT_EQ(f.m_channels.CountKind(true), 128u);
    EXPECT_EQ(f.m_channels.CountKind(false), 197u);
    EXPECT_EQ(f.m_channels.RecordSize(), 40u);
    EXPECT_EQ(f.m_channelNames.Size(), 325u);
    EXPECT_EQ(f.m_providerNames.Size(), 36u);
    const std::vector<std::string> favourites{
        "Sport",    "Film",          "Drama",    "Nachrichten", "Musik",  "Unterhaltung",
        "Bildung",  "Dokumentation", "Kochen",   "Shoppen",     "Reisen", "Erwachsene",
        "Anwender", "Anwender",      "Anwender", "Anwender"};
    ASSERT_EQ(f.m_favourites.Size(), favourites.size());
    for (size_t i = 0; i < favourites.size(); ++i) {
        EXPECT_EQ(f.m_favourites.At(i)->GetName(6), favourites[i]);
    }
    EXPECT_EQ(f.m_timers.Size(), 0u);
    EXPECT_EQ(f.m_etcStrings.Size(), 0u);
    EXPECT_EQ(f.m_saTCR.Size(), 0u);
    EXPECT_FALSE(doc.IsConfigPresent());
    // Every channel names an existing name and a transponder in use.
    for (const auto& c : f.m_channels.Items()) {
        EXPECT_LT(c->GetNameIndex(), f.m_channelNames.Size());
        ASSERT_LT(c->GetTransponderIndex(), f.m_transponders.Size());
        EXPECT_FALSE(f.m_transponders.At(c->GetTransponderIndex())->IsFree());
        EXPECT_EQ(c->GetSoundWord(), 0x1FFFu);
    }
    const auto image = FactoryImage();
    ASSERT_EQ(image.size(), kServicePartSize);
    for (const auto& s : test::Directory(image)) {
        EXPECT_EQ(ReadLE32(image.data() + s.fileOffset + 12), 1u);
    }
}

TEST(FactoryList, TablesRebuildTheEmbeddedImage) {
    auto file = BuildFactoryList(fs::path(TARNELL_SOURCE_DIR) / "data" / "factory");
    const auto rebuilt = file->Store();
    const auto image = FactoryImage();
    ASSERT_EQ(rebuilt.size(), image.size());
    EXPECT_TRUE(std::equal(rebuilt.begin(), rebuilt.end(), image.begin()))
        << "run tools/make_factory_image after changing data/factory";
}

TEST(Document, NewTwiceGivesTwoCleanFactoryLists) {
    CTarnell1018Doc a;
    CTarnell1018Doc b;
    a.OnNewDocument();
    b.OnNewDocument();
    EXPECT_FALSE(a.IsModified());
    EXPECT_FALSE(b.IsModified());
    EXPECT_EQ(a.StoreToBytes(), b.StoreToBytes());
    const auto image = FactoryImage();
    EXPECT_EQ(a.StoreToBytes(), std::vector<uint8_t>(image.begin(), image.end()));

    CTarnell1018Doc empty;
    empty.OnNewDocument(false);
    EXPECT_EQ(empty.File().m_channels.Size(), 0u);
}

TEST(Document, FailedOpenLeavesTheDocumentAsItWas) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    const auto before = doc.StoreToBytes();
    EXPECT_THROW(doc.LoadFromBytes(std::vector<uint8_t>(5000, 0x11)), FileError);
    EXPECT_THROW(doc.Open(TempFile("missing.fdu")), FileError);
    EXPECT_EQ(doc.StoreToBytes(), before);
}

TEST(Document, ModifiedFlagFollowsEditsSavesAndUndo) {
    const auto path = TempFile(".fdu");
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    doc.MoveChannel(5, 0);
    EXPECT_TRUE(doc.IsModified());
    doc.Undo();
    EXPECT_FALSE(doc.IsModified()) << "undone back to the saved state";
    doc.Redo();
    EXPECT_TRUE(doc.IsModified());
    doc.Save(path);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), path.filename().string());
    doc.Undo();
    EXPECT_TRUE(doc.IsModified()) << "the saved state is the one after the move";
    doc.Redo();
    EXPECT_FALSE(doc.IsModified());
    // A downloaded list counts as unsaved without any edit.
    doc.SetModifiedFlag(true);
    EXPECT_TRUE(doc.IsModified());

    CTarnell1018Doc reopened;
    reopened.Open(path);
    EXPECT_FALSE(reopened.IsModified());
    EXPECT_EQ(reopened.File().m_channels.At(0)->GetServiceId(),
              doc.File().m_channels.At(0)->GetServiceId());
    fs::remove(path);
}

TEST(Document, TheFileNameNeverDecidesTheContent) {
    test::SampleOptions o;
    o.configLength = 900;
    CTarnell1018Doc doc;
    doc.LoadFromBytes(test::MakeSample(o)->Store());
    ASSERT_TRUE(doc.IsConfigPresent());
    const auto path = TempFile(".fdu");
    doc.Save(path);
    EXPECT_EQ(fs::file_size(path), 197696u);
    fs::remove(path);

    doc.SetReceiverLayout(true);
    const auto upload = doc.StoreToBytes();
    EXPECT_LT(upload.size(), 197696u);
    EXPECT_FALSE(doc.GetReceiverLayout()) << "the store clears the receiver layout";
    EXPECT_EQ(doc.StoreToBytes().size(), 197696u);
}

TEST(Document, ConfigurationOptionFlag) {
    test::SampleOptions o;
    o.configLength = 900;
    auto sample = test::MakeSample(o);
    sample->m_configuration.SetWord(616, 1);
    CTarnell1018Doc doc;
    doc.LoadFromBytes(sample->Store());
    EXPECT_EQ(doc.GetConfigOptionFlag(), 1u);
    HintRecorder views;
    doc.AddListener(&views);
    doc.ToggleConfigOption();
    EXPECT_EQ(doc.GetConfigOptionFlag(), 0u);
    EXPECT_EQ(doc.File().m_configuration.GetWord(616), 0u);
    EXPECT_EQ(views.hints, std::vector<int>{kHintRenumberChannels});
    doc.Undo();
    EXPECT_EQ(doc.GetConfigOptionFlag(), 1u);
    EXPECT_EQ(doc.File().m_configuration.GetWord(616), 1u);

    CTarnell1018Doc noConfig;
    noConfig.OnNewDocument();
    noConfig.ToggleConfigOption();
    EXPECT_EQ(noConfig.GetConfigOptionFlag(), 1u) << "the flag toggles without a configuration too";
}

TEST(Document, FavouriteListLimitAndNameRepair) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    while (doc.CanAddFavouriteList()) {
        ASSERT_TRUE(doc.AddFavouriteList());
    }
    EXPECT_EQ(doc.File().m_favourites.Size(), 32u);
    EXPECT_EQ(doc.File().m_favourites.At(31)->GetName(6), "New");
    EXPECT_FALSE(doc.AddFavouriteList());
    doc.Undo();
    EXPECT_TRUE(doc.CanAddFavouriteList()) << "enabled again below 32";

    auto& channels = doc.File().m_channels;
    const auto names = static_cast<uint16_t>(doc.File().m_channelNames.Size());
    channels.At(0)->SetNameIndex(names);
    channels.At(1)->SetNameIndex(static_cast<uint16_t>(names + 1));
    doc.RepairChannelNameReferences();
    EXPECT_EQ(channels.At(0)->GetNameIndex(), names) << "an index equal to the count stays";
    EXPECT_EQ(channels.At(1)->GetNameIndex(), 0xFFFF);
}

TEST(Document, RemovingUnreferencedTranspondersKeepsEveryChannelWhereItWas) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    HintRecorder views;
    doc.AddListener(&views);
    auto& f = doc.File();
    auto key = [&f](const CChannelData& c) {
        const CTransponderData& t = *f.m_transponders.At(c.GetTransponderIndex());
        return std::tuple(t.GetSatelliteIndex(), t.GetFrequency(), t.GetPolarisation(),
                          t.GetSymbolRate(), t.GetTransportStreamId());
    };
    std::vector<decltype(key(*f.m_channels.At(0)))> before;
    for (const auto& c : f.m_channels.Items()) {
        before.push_back(key(*c));
    }
    const int removed = doc.RemoveUnreferencedTransponders();
    EXPECT_GT(removed, 2000);
    EXPECT_EQ(views.hints, (std::vector<int>{kHintTranspondersRemoved, kHintSelectSatellitesNode}));
    EXPECT_EQ(f.m_transponders.Size(), 8000u);
    ASSERT_EQ(f.m_channels.Size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(key(*f.m_channels.At(i)), before[i]);
    }
    std::vector<bool> used(f.m_transponders.Size(), false);
    for (const auto& c : f.m_channels.Items()) {
        used[c->GetTransponderIndex()] = true;
    }
    for (size_t t = 0; t < f.m_transponders.Size(); ++t) {
        EXPECT_TRUE(used[t] || f.m_transponders.At(t)->IsFree()) << t;
    }
    EXPECT_EQ(doc.RemoveUnreferencedTransponders(), 0) << "nothing left to remove";
}

TEST(Document, ListenersHearTheirHintsAndMayLeave) {
    CTarnell1018Doc doc;
    HintRecorder a;
    HintRecorder b;
    doc.AddListener(&a);
    doc.AddListener(&a);
    doc.AddListener(&b);
    doc.OnNewDocument();
    EXPECT_EQ(a.hints, std::vector<int>{kHintModelReplaced});
    doc.RemoveListener(&b);
    doc.MoveChannel(3, 1);
    doc.Undo();
    EXPECT_EQ(a.hints,
              (std::vector<int>{kHintModelReplaced, kHintRefillFromTree, kHintModelReplaced}));
    EXPECT_EQ(b.hints.size(), 1u);
}

TEST(Document, Statistics) {
    CTarnell1018Doc doc;
    doc.OnNewDocument(false);
    auto& channels = doc.File().m_channels;
    // TV = 10 with HD = 4 (1 scrambled), 2 SD scrambled; 3 radio, 1 scrambled.
    for (int i = 0; i < 13; ++i) {
        CChannelData* c = channels.AddChannel(i < 10, 0, static_cast<uint16_t>(i), 0);
        uint8_t flags = 0;
        if (i < 4) {
            flags |= 0x80;
        }
        if (i == 0 || i == 5 || i == 6 || i == 12) {
            flags |= 0x08;
        }
        c->SetFlagByte(flags);
    }
    const auto s = doc.GetStatistics();
    EXPECT_EQ(s.tv, 10);
    EXPECT_EQ(s.radio, 3);
    EXPECT_EQ(s.hd, 4);
    EXPECT_EQ(s.hdScrambled, 1);
    EXPECT_EQ(s.sdScrambled, 2);
    EXPECT_EQ(s.radioScrambled, 1);
    // The pie's TV slices: SD free, HD free, SD scrambled, HD scrambled.
    EXPECT_EQ(s.tv - s.hd - s.sdScrambled, 4);
    EXPECT_EQ(s.hd - s.hdScrambled, 3);
}
