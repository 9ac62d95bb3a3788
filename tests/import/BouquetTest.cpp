// Bouquet files and service references.
#include "CE2ImportBouquet.h"
#include "FileIo.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <unistd.h>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

class BouquetFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("tarnell-bq-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                 "-" + std::to_string(getpid()));
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

TEST_F(BouquetFiles, ReferencesStayInsideTheFolder) {
    // The list lies in m_dir/e2; around it, files a crafted bouquet might try to reach.
    const auto e2 = m_dir / "e2";
    fs::create_directories(e2 / "sub");
    Write("secret.tv", "#NAME Outside\n");
    fs::create_symlink(m_dir / "secret.tv", e2 / "userbouquet.link.tv");
    fs::create_symlink("..", e2 / "sub" / "up");
    Write("e2/sub/inner.tv", "#NAME Inner\n");
    Write("e2/sub/userbouquet.near.tv", "#NAME Near\n");
    fs::create_symlink("sub/userbouquet.near.tv", e2 / "userbouquet.alias.tv");
    ASSERT_EQ(mkfifo((e2 / "userbouquet.fifo.tv").c_str(), 0600), 0);

    const std::string top = "#SERVICE 1:7:1:0:0:0:0:0:0:0:";
    Write("e2/bouquets.tv", "#NAME Top\n" + top + "../secret.tv\n" + top +
                                (m_dir / "secret.tv").string() + "\n" + top + "/dev/stdin\n" + top +
                                "FROM BOUQUET \"userbouquet.link.tv\" ORDER BY bouquet\n" + top +
                                "sub/up/../secret.tv\n" + top + "sub/inner.tv\n" + top +
                                "FROM BOUQUET \"userbouquet.alias.tv\" ORDER BY bouquet\n" + top +
                                "FROM BOUQUET \"userbouquet.fifo.tv\" ORDER BY bouquet\n");
    CE2ImportBouquetArray array;
    ReadBouquets(array, e2 / "lamedb");
    // Links that stay inside are followed; everything leading out is skipped and said.
    EXPECT_EQ(Names(array), (std::vector<std::string>{"Top/tv:0", "Inner/tv:0", "Near/tv:0"}));
    const std::vector<std::string> why{"../secret.tv\" named in bouquets.tv was skipped: it leads",
                                       "secret.tv\" named in bouquets.tv was skipped: an absolute",
                                       "\"/dev/stdin\" named in bouquets.tv was skipped: an abs",
                                       "userbouquet.link.tv\" named in bouquets.tv was skipped: a "
                                       "link that leads out",
                                       "sub/up/../secret.tv\" named in bouquets.tv was skipped",
                                       "userbouquet.fifo.tv\" is a pipe (FIFO)"};
    ASSERT_EQ(array.Skipped().size(), why.size());
    for (size_t i = 0; i < why.size(); ++i) {
        EXPECT_NE(array.Skipped()[i].find(why[i]), std::string::npos) << array.Skipped()[i];
    }
}

TEST_F(BouquetFiles, NestingEndsAtSixteenLevelsWithoutDeepRecursion) {
    // A chain of 40 files, each naming the next: 16 levels are read, the rest is left out.
    Write("bouquets.tv", "#NAME L0\n#SERVICE 1:7:1:0:0:0:0:0:0:0:u1.tv\n");
    for (int i = 1; i < 40; ++i) {
        Write("u" + std::to_string(i) + ".tv", "#NAME L" + std::to_string(i) +
                                                   "\n#SERVICE 1:7:1:0:0:0:0:0:0:0:u" +
                                                   std::to_string(i + 1) + ".tv\n");
    }
    CE2ImportBouquetArray array;
    ReadBouquets(array, m_dir / "lamedb");
    ASSERT_EQ(array.Items().size(), CE2ImportBouquetArray::kMaxNesting);
    EXPECT_EQ(array.Items().back()->name, "L15");
    ASSERT_EQ(array.Skipped().size(), 1u);
    EXPECT_NE(array.Skipped()[0].find("deeper than 16 levels"), std::string::npos);
}
