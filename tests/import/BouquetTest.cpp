// Bouquet files and service references.
#include "CE2ImportBouquet.h"
#include "FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

class BouquetFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("tarnell-bq-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    void Write(const std::string& name, const std::string& text) {
        WriteFileAtomically(m_dir / name,
                            std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    }
    fs::path m_dir;
};

std::vector<std::string> Names(const CE2ImportBouquetArray& a) {
    std::vector<std::string> names;
    for (const auto& b : a.Items()) {
        names.push_back(b->name + (b->tv ? "/tv" : "/radio") + ":" +
                        std::to_string(b->entries.size()));
    }
    return names;
}

} // namespace

TEST(ServiceReference, Forms) {
    auto ref = ParseServiceReference("1:0:19:132F:3EF:1:C00000:0:0:0:");
    EXPECT_EQ(ref.type, 1);
    EXPECT_EQ(ref.data[0], 0x19u);
    EXPECT_EQ(ref.data[1], 0x132Fu);
    EXPECT_EQ(ref.data[2], 0x3EFu);
    EXPECT_EQ(ref.data[3], 1u);
    EXPECT_EQ(ref.data[4], 0xC00000u);
    EXPECT_TRUE(ref.path.empty());

    ref = ParseServiceReference(
        "1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"userbouquet.a.tv\" ORDER BY bouquet");
    EXPECT_EQ(ref.flags, 7u);
    EXPECT_EQ(ref.path, "FROM BOUQUET \"userbouquet.a.tv\" ORDER BY bouquet");

    ref = ParseServiceReference("4097:0:1:0:0:0:0:0:0:0:http%3a//example.invalid/x:Stream name");
    EXPECT_EQ(ref.path, "http%3a//example.invalid/x");
    EXPECT_EQ(ref.name, "Stream name");

    ref = ParseServiceReference("1:64:2:0:0:0");
    EXPECT_EQ(ref.type, 1);
    EXPECT_EQ(ref.flags, 64u);
    EXPECT_EQ(ref.data[0], 2u);
    EXPECT_TRUE(ref.path.empty());

    EXPECT_EQ(ParseServiceReference("").type, -1);
    EXPECT_EQ(ParseServiceReference("x:y").type, -1);
    EXPECT_EQ(ParseServiceReference("1").type, -1);
}

TEST(BouquetText, EntriesNamesAndStops) {
    CE2ImportBouquetArray array;
    std::vector<std::string> included;
    ParseBouquetText("#NAME Sport \xC3\xA9t\xC3\xA9\r\n"
                     "#SERVICE 1:0:19:132F:3EF:1:C00000:0:0:0:\r\n"
                     "#SERVICE: 1:0:19:1330:3EF:1:C00000:0:0:0:\r\n"
                     "#DESCRIPTION Sport\r\n"
                     "#SERVICE 1:64:0:0:0:0:0:0:0:0::--- marker ---\r\n"
                     "not a tag\r\n"
                     "#SERVICE 1:0:1:1331:3EF:1:C00000:0:0:0:\r\n"
                     "\r\n"
                     "#SERVICE 1:0:1:1332:3EF:1:C00000:0:0:0:\r\n",
                     array, true, [&](const std::string& f) { included.push_back(f); });
    ASSERT_EQ(array.Items().size(), 1u);
    const auto& b = *array.Items()[0];
    EXPECT_EQ(b.name, "Sport \xC3\xA9t\xC3\xA9");
    ASSERT_EQ(b.entries.size(), 3u) << "the marker gives none, the empty line ends the file";
    EXPECT_EQ(b.entries[0].serviceId, 0x132Fu);
    EXPECT_EQ(b.entries[1].serviceId, 0x1330u) << "':' after the keyword reads the same";
    EXPECT_EQ(b.entries[2].serviceType, 1u);
    EXPECT_TRUE(included.empty());

    // No #NAME yet: entries have nowhere to go. Long names are cut to 126 characters.
    CE2ImportBouquetArray second;
    ParseBouquetText("#SERVICE 1:0:19:132F:3EF:1:C00000:0:0:0:\n#NAME " + std::string(200, 'x') +
                         "\n",
                     second, false, [](const std::string&) {});
    ASSERT_EQ(second.Items().size(), 1u);
    EXPECT_EQ(second.Items()[0]->name.size(), 126u);
    EXPECT_TRUE(second.Items()[0]->entries.empty());
}

TEST_F(BouquetFiles, TopFilesReferToSubFilesOnce) {
    Write("lamedb", "");
    Write("bouquets.tv",
          "#NAME Bouquets (TV)\n"
          "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"userbouquet.a.tv\" ORDER BY bouquet\n"
          "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"userbouquet.missing.tv\" ORDER BY bouquet\n"
          "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET userbouquet.noquote.tv ORDER BY bouquet\n"
          "#SERVICE 1:7:1:0:0:0:0:0:0:0:userbouquet.b.tv\n");
    Write("userbouquet.a.tv",
          "#NAME A\n#SERVICE 1:0:1:1:1:1:C00000:0:0:0:\n"
          "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"subbouquet.c.tv\" ORDER BY bouquet\n"
          "#SERVICE 1:0:1:2:1:1:C00000:0:0:0:\n");
    Write("subbouquet.c.tv",
          "#NAME C\n#SERVICE 1:0:1:3:1:1:C00000:0:0:0:\n"
          "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"userbouquet.a.tv\" ORDER BY bouquet\n"
          "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"subbouquet.c.tv\" ORDER BY bouquet\n");
    Write("userbouquet.b.tv", "#NAME B\n#SERVICE 1:0:1:4:1:1:C00000:0:0:0:\n");
    Write("bouquets.radio",
          "#NAME Bouquets (Radio)\n"
          "#SERVICE 1:7:2:0:0:0:0:0:0:0:FROM BOUQUET \"userbouquet.r.radio\" ORDER BY bouquet\n");
    Write("userbouquet.r.radio", "#NAME R\n#SERVICE 1:0:2:5:1:1:C00000:0:0:0:\n");

    CE2ImportBouquetArray array;
    ReadBouquets(array, m_dir / "lamedb");
    // The sub-file's bouquet follows the one that refers to it; loops are read once.
    EXPECT_EQ(Names(array),
              (std::vector<std::string>{"Bouquets (TV)/tv:0", "A/tv:2", "C/tv:1", "B/tv:1",
                                        "Bouquets (Radio)/radio:0", "R/radio:1"}));
    std::vector<std::string> offered;
    for (const auto* b : array.Offered(true)) {
        offered.push_back(b->name);
    }
    EXPECT_EQ(offered, (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(array.Offered(false).size(), 1u);
}

TEST_F(BouquetFiles, MissingFolderGivesNothing) {
    CE2ImportBouquetArray array;
    ReadBouquets(array, m_dir / "nowhere" / "lamedb");
    EXPECT_TRUE(array.Items().empty());
}
