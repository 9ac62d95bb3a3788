// Reference lists read from files, and real lists compared after two imports.
#include "CEnigma2ImportManager.h"
#include "CTarnell1018Doc.h"
#include "FileError.h"
#include "FileIo.h"
#include "ImportMerge.h"
#include "ListDifference.h"
#include "ReferenceListReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

class ReferenceFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("reference_" + std::to_string(getpid()));
        fs::create_directories(m_dir);
        m_doc.OnNewDocument();
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path Write(const std::string& name, const std::string& text) {
        WriteFileAtomically(m_dir / name,
                            std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
        return m_dir / name;
    }
    std::string ServiceLine(const ChannelEntry& e) {
        char line[96];
        std::snprintf(line, sizeof line, "#SERVICE 1:0:1:%X:%X:%X:%X:0:0:0:\n", e.service.serviceId,
                      e.service.transportStreamId, e.service.originalNetworkId,
                      unsigned{e.service.position} << 16);
        return line;
    }
    fs::path m_dir;
    CTarnell1018Doc m_doc;
};

} // namespace

TEST_F(ReferenceFiles, BouquetOrderAndListComeFirst) {
    const auto entries = ChannelEntries(m_doc.File());
    const auto path = Write("userbouquet.mine.tv", "#NAME Mine\n" + ServiceLine(entries[40]) +
                                                       "#SERVICE 1:64:0:0:0:0:0:0:0:0:\n" +
                                                       ServiceLine(entries[7]));
    ReferenceOrderOptions o;
    o.rebuildFavourites = true;
    const auto report = m_doc.ApplyReferenceOrder(ReadReferenceList(path, 6), o);
    EXPECT_EQ(report.byIdentity, 2u);
    EXPECT_EQ(report.favouriteListsAdded, 1u);
    const auto after = ChannelEntries(m_doc.File());
    EXPECT_EQ(after[0].name, entries[40].name);
    EXPECT_EQ(after[1].name, entries[7].name);
    const int bit = static_cast<int>(m_doc.File().m_favourites.Size()) - 1;
    EXPECT_EQ(m_doc.File().m_favourites.At(static_cast<size_t>(bit))->GetName(6), "Mine");
    size_t members = 0;
    for (const auto& c : m_doc.File().m_channels.Items()) {
        members += c->IsInFavourite(bit) ? 1 : 0;
    }
    EXPECT_EQ(members, 2u);
}

TEST_F(ReferenceFiles, EachBadReferenceIsSaidAndChangesNothing) {
    const auto before = m_doc.StoreToBytes();
    const std::vector<std::pair<fs::path, const char*>> cases = {
        {Write("empty.txt", ""), "is empty"},
        {Write("blank.txt", "\n \n"), "holds no channel names"},
        {Write("junk.bin", std::string("\x01\x02\0\x04", 4)), "is not a settings file"},
        {Write("userbouquet.none.tv", "#NAME None\n#SERVICE 1:0:1:4D2:1:1:C00000:0:0:0:\n"),
         "None of the 1 channels"},
        {Write("userbouquet.dvbt.tv", "#NAME T\n#SERVICE 1:0:1:4D2:1:1:EEEE0000:0:0:0:\n"),
         "names no satellite channel"},
    };
    for (const auto& [path, message] : cases) {
        try {
            m_doc.ApplyReferenceOrder(ReadReferenceList(path, 6), {});
            ADD_FAILURE() << path << " was taken";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_EQ(m_doc.StoreToBytes(), before);
}

TEST(RealListsCompared, OtherBouquetOrderIsOnlyAFavouriteChange) {
    const fs::path folder = fs::path(TARNELL_TESTDATA) / "enigma2" / "horsti58-4sat-v5";
    if (!fs::exists(folder / "lamedb")) {
        GTEST_SKIP() << "no real lists at " << folder;
    }
    const fs::path base = fs::temp_directory_path() / ("base_" + std::to_string(getpid()) + ".fdu");
    {
        CTarnell1018Doc factory;
        factory.OnNewDocument();
        factory.Save(base);
    }
    CE2ImportBouquetArray bouquets;
    ReadBouquets(bouquets, folder / "lamedb");
    ImportRequest request;
    request.source = folder;
    request.base = base;
    request.tvBouquets = bouquets.Offered(true);
    request.radioBouquets = bouquets.Offered(false);
    ASSERT_GT(request.tvBouquets.size(), 2u);
    ImportReport report;
    const auto first = ImportIntoNewDocument(request, report);
    std::reverse(request.tvBouquets.begin(), request.tvBouquets.end());
    const auto second = ImportIntoNewDocument(request, report);
    fs::remove(base);
    const auto d = CompareLists(first->File(), second->File(), 6);
    EXPECT_GT(d.Count(DiffArea::FavouriteLists, DiffKind::Moved), 0u);
    for (const auto& item : d.items) {
        EXPECT_TRUE(item.area == DiffArea::FavouriteLists ||
                    item.area == DiffArea::FavouriteMembers)
            << AreaName(item.area) << " " << KindName(item.kind) << " " << item.name;
    }
}
