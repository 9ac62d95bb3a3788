// The merge of a foreign list onto a copy of a base settings file.
#include "ByteOrder.h"
#include "CTarnell1018Doc.h"
#include "FileError.h"
#include "FileIo.h"
#include "ImportMerge.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

class Merge : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("tarnell-merge-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                 "-" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        test::SampleOptions o;
        o.timers = 6;
        o.configLength = 900;
        o.transponderSlots = 300;
        WriteFileAtomically(m_dir / "base.sys", test::MakeSample(o)->Store());
    }
    void TearDown() override { fs::remove_all(m_dir); }
    void Write(const std::string& name, const std::string& text) {
        WriteFileAtomically(m_dir / name,
                            std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    }
    ImportRequest Request() {
        ImportRequest r;
        r.source = m_dir / "lamedb";
        r.base = m_dir / "base.sys";
        return r;
    }
    fs::path m_dir;
};

} // namespace

TEST_F(Merge, ReplacesTheServiceListAndKeepsTheRest) {
    Write("lamedb", "eDVB services /4/\ntransponders\n00c00000:0401:0001\n"
                    "\ts 11494000:22000000:0:2:192:2:0:1:2:0:2\n/\nend\nservices\n"
                    "283d:00c00000:0401:0001:1:0\nDas Erste HD\np:\n"
                    "0001:00c00000:0401:0001:2:0\nRadio\np:\n"
                    "283e:00c00000:0401:0001:1:0\narte HD\np:\nend\n");
    const auto before = ReadWholeFile(m_dir / "base.sys");
    CE2ImportBouquet news{
        "News", true, {{1, 0x283e, 0x401, 1, 0xC00000}, {1, 0x9999, 0x401, 1, 0xC00000}}};
    CE2ImportBouquet music{"Music", false, {{2, 1, 0x401, 1, 0xC00000}}};
    auto request = Request();
    request.tvBouquets = {&news};
    request.radioBouquets = {&music};
    ImportReport report;
    auto doc = ImportIntoNewDocument(request, report);
    EXPECT_EQ(ReadWholeFile(m_dir / "base.sys"), before);
    const auto& f = doc->File();
    ASSERT_EQ(f.m_channels.Size(), 3u);
    EXPECT_EQ(f.m_channels.At(2)->GetRunningNumber(), 2);
    EXPECT_EQ(f.m_channels.At(1)->GetRunningNumber(), 1) << "radio counts on its own";
    EXPECT_EQ(f.m_transponders.Size(), 300u);
    EXPECT_EQ(f.m_transponders.CountUsed(), 1u);
    // The base's provider names went with its transponders, the first one too, and the new
    // transponder names none rather than whichever provider stood first.
    EXPECT_EQ(f.m_providerNames.Size(), 0u);
    EXPECT_EQ(f.m_transponders.At(0)->GetProviderIndex(), CChannelData::kNone);
    EXPECT_EQ(f.m_satellites.Size(), 3u) << "the base's satellite at 19.2E takes the transponder";
    EXPECT_TRUE(f.m_satellites.At(0)->HasChannels());
    EXPECT_FALSE(f.m_satellites.At(1)->HasChannels()) << "its channels were replaced";
    EXPECT_TRUE(doc->IsConfigPresent());
    ASSERT_EQ(f.m_favourites.Size(), 2u);
    EXPECT_EQ(f.m_favourites.At(0)->GetName(6), "News");
    EXPECT_EQ(f.m_favourites.At(1)->GetName(6), "Music");
    EXPECT_EQ(f.m_channels.At(2)->GetFavourites(), std::vector<int>{0});
    EXPECT_EQ(f.m_channels.At(1)->GetFavourites(), std::vector<int>{1});
    EXPECT_TRUE(f.m_channels.At(0)->GetFavourites().empty());
    // Timers went with the channels, but the receiver's two own records stay.
    ASSERT_EQ(f.m_timers.Size(), 6u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(f.m_timers.At(i)->GetStartDay(), 0) << i;
        EXPECT_EQ(f.m_timerInfos.At(i)->GetText(), "") << i;
    }
    EXPECT_EQ(f.m_timerInfos.At(5)->GetText(), "Timer 5");
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(Merge, AtMost32ListsTvFirst) {
    Write("lamedb", "eDVB services /4/\ntransponders\nend\nservices\nend\n");
    std::vector<CE2ImportBouquet> bouquets;
    for (int i = 0; i < 45; ++i) {
        bouquets.push_back({"B" + std::to_string(i), i < 40, {}});
    }
    auto request = Request();
    for (auto& b : bouquets) {
        (b.tv ? request.tvBouquets : request.radioBouquets).push_back(&b);
    }
    ImportReport report;
    auto doc = ImportIntoNewDocument(request, report);
    ASSERT_EQ(doc->File().m_favourites.Size(), 32u);
    EXPECT_EQ(doc->File().m_favourites.At(31)->GetName(6), "B31");
}

TEST_F(Merge, FailureLeavesNothing) {
    auto request = Request();
    ImportReport report;
    EXPECT_THROW(ImportIntoNewDocument(request, report), FileError) << "no lamedb";
    EXPECT_EQ(report.messages.back(), "Datenfile nicht gefunden, oder Datenfile in Gebrauch!");

    Write("lamedb", "eDVB services /4/\ntransponders\nend\nservices\nend\n");
    request.base = m_dir / "missing.sys";
    EXPECT_THROW(ImportIntoNewDocument(request, report), FileError);

    request = Request();
    request.kind = ImportKind::Bin;
    request.source = m_dir / "lamedb";
    try {
        ImportIntoNewDocument(request, report);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "Please check files");
    }
}
