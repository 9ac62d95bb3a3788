// fdutool as a user runs it: exit codes, messages, JSON keys, stored bytes.
#include "FileIo.h"
#include "RunCommand.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

// Runs fdutool with the given arguments; stderr goes to out as well when asked.
test::CommandRun Fdutool(const std::string& args, bool withStderr = false) {
    return test::RunCommand(std::string(TARNELL_FDUTOOL) + " " + args +
                            (withStderr ? " 2>&1" : " 2>/dev/null"));
}

class FdutoolTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("tarnell-cli-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                 "-" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        test::SampleOptions o;
        o.timers = 5;
        o.configLength = 900;
        m_sys = m_dir / "sample.sys";
        WriteFileAtomically(m_sys, test::MakeSample(o)->Store());
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string Q(const fs::path& p) const { return "'" + p.string() + "'"; }

    fs::path m_dir;
    fs::path m_sys;
};

} // namespace

TEST_F(FdutoolTest, InfoJsonHasTheAgreedKeys) {
    const auto run = Fdutool("info --json " + Q(m_sys));
    ASSERT_EQ(run.status, 0);
    const auto info = nlohmann::json::parse(run.out);
    EXPECT_EQ(info["fileInfo"], "FDU v1.2");
    ASSERT_EQ(info["sections"].size(), 11u);
    EXPECT_EQ(info["sections"][0]["id"], "0x000102FD");
    EXPECT_EQ(info["sections"][0]["dataOffset"], 0x1708);
    EXPECT_EQ(info["satellites"].size(), 3u);
    EXPECT_EQ(info["satellites"][0]["name"], "Sat 0");
    EXPECT_EQ(info["satellites"][0]["position"], 192);
    EXPECT_EQ(info["satellites"][0]["lnb"], nlohmann::json::parse("[0, null]"));
    EXPECT_EQ(info["lnbCount"], 2);
    EXPECT_EQ(info["transponders"]["slots"], 40);
    EXPECT_EQ(info["transponders"]["used"], 12);
    EXPECT_EQ(info["transponders"]["recordSize"], 16);
    EXPECT_EQ(info["channels"]["tv"], 20);
    EXPECT_EQ(info["channels"]["radio"], 8);
    EXPECT_EQ(info["channels"]["recordSize"], 48);
    EXPECT_EQ(info["channelNames"], 28);
    EXPECT_EQ(info["providerNames"], 4);
    EXPECT_EQ(info["favourites"], nlohmann::json::parse(R"(["Fav 0","Fav 1","Fav 2","Fav 3"])"));
    EXPECT_EQ(info["timers"]["records"], 5);
    EXPECT_EQ(info["timers"]["active"], 3);
    EXPECT_EQ(info["config"]["present"], true);
    EXPECT_EQ(info["config"]["length"], 900);

    const auto text = Fdutool("info " + Q(m_sys));
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("20 TV, 8 radio"), std::string::npos) << text.out;
}

TEST_F(FdutoolTest, DumpListsChannelsAndTransponders) {
    const auto run = Fdutool("dump " + Q(m_sys));
    ASSERT_EQ(run.status, 0);
    const auto dump = nlohmann::json::parse(run.out);
    const auto& list = dump["channels"]["list"];
    ASSERT_EQ(list.size(), 28u);
    EXPECT_EQ(list[0]["tv"], true);
    EXPECT_EQ(list[0]["runningNumber"], 1);
    EXPECT_EQ(list[0]["name"], "Channel 0");
    EXPECT_EQ(list[0]["pids"]["audio"], 400);
    EXPECT_EQ(list[20]["tv"], false);
    EXPECT_EQ(list[20]["runningNumber"], 1);
    EXPECT_EQ(dump["transponderList"].size(), 12u);
    EXPECT_EQ(dump["transponderList"][1]["pol"], "H");
    EXPECT_EQ(dump["transponderList"][1]["provider"], "Provider 1");
    EXPECT_EQ(dump["timerList"].size(), 5u);
}

TEST_F(FdutoolTest, StoreIsByteIdenticalInBothLayouts) {
    const auto out = m_dir / "out.sys";
    ASSERT_EQ(Fdutool("store " + Q(m_sys) + " " + Q(out)).status, 0);
    EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(m_sys));

    // The receiver's layout: the service list, and its configuration in a file beside it,
    // named in the output; stored again, the pair gives the same .sys file.
    const auto receiver = m_dir / "_service.fdu";
    const auto run = Fdutool("store --receiver-layout " + Q(m_sys) + " " + Q(receiver));
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find((m_dir / "_config.fdu").string()), std::string::npos) << run.out;
    const auto service = ReadWholeFile(receiver);
    const auto config = ReadWholeFile(m_dir / "_config.fdu");
    const auto original = ReadWholeFile(m_sys);
    ASSERT_EQ(service.size(), 196608u);
    EXPECT_TRUE(std::equal(service.begin(), service.end(), original.begin()));
    EXPECT_EQ(config.size(), 16u + (config[4] | config[5] << 8));
    // An upload image (both parts back to back) keeps its configuration when stored again.
    auto image = service;
    image.insert(image.end(), config.begin(), config.end());
    WriteFileAtomically(m_dir / "image.sys", image);
    ASSERT_EQ(Fdutool("store " + Q(m_dir / "image.sys") + " " + Q(out)).status, 0);
    EXPECT_EQ(ReadWholeFile(out), original);
    EXPECT_EQ(Fdutool("store --receiver-layout " + Q(m_sys) + " " + Q(m_dir / "list.fdu")).status,
              0);
    EXPECT_EQ(ReadWholeFile(m_dir / "list_config.fdu"), config);
}

TEST_F(FdutoolTest, FailuresSayWhatAndKeepFiles) {
    const auto junk = m_dir / "junk.fdu";
    WriteFileAtomically(junk, std::vector<uint8_t>(300, 'j'));
    auto run = Fdutool("info " + Q(junk), true);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("not a settings file"), std::string::npos) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << "one line";

    run = Fdutool("info " + Q(m_dir / "missing.fdu"), true);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("missing.fdu"), std::string::npos);

    // A store whose target cannot be written leaves the old file as it was.
    const auto keep = m_dir / "keep.sys";
    WriteFileAtomically(keep, std::vector<uint8_t>{1, 2, 3});
    EXPECT_EQ(Fdutool("store " + Q(junk) + " " + Q(keep)).status, 1);
    EXPECT_EQ(ReadWholeFile(keep), (std::vector<uint8_t>{1, 2, 3}));
    fs::create_directories(m_dir / "folder" / "x");
    EXPECT_EQ(Fdutool("store " + Q(m_sys) + " " + Q(m_dir / "folder")).status, 1);

    EXPECT_EQ(Fdutool("").status, 2);
    EXPECT_EQ(Fdutool("info").status, 2);
    EXPECT_EQ(Fdutool("frobnicate x").status, 2);
    EXPECT_EQ(Fdutool("--help").status, 0);
}

TEST_F(FdutoolTest, FactoryListSortCleanupStatsAndExport) {
    const auto factory = m_dir / "f.fdu";
    ASSERT_EQ(Fdutool("new " + Q(factory)).status, 0);
    const auto info = nlohmann::json::parse(Fdutool("info --json " + Q(factory)).out);
    EXPECT_EQ(info["sections"].size(), 9u);
    EXPECT_EQ(info["satellites"].size(), 96u);
    EXPECT_EQ(info["channels"]["tv"], 128);
    EXPECT_EQ(info["channels"]["radio"], 197);
    const auto again = m_dir / "g.fdu";
    ASSERT_EQ(Fdutool("store " + Q(factory) + " " + Q(again)).status, 0);
    EXPECT_EQ(ReadWholeFile(again), ReadWholeFile(factory));

    const auto sorted = m_dir / "s.fdu";
    const auto run = Fdutool("sort-template " + Q(factory) + " " + Q(sorted));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Moved 81"), std::string::npos);
    const auto dump = nlohmann::json::parse(Fdutool("dump " + Q(sorted)).out);
    EXPECT_EQ(dump["channels"]["list"][0]["name"], "Das Erste HD");
    EXPECT_EQ(dump["channels"]["list"][80]["name"], "Dr.DishTV-Welt der Technik");
    const auto twice = m_dir / "s2.fdu";
    ASSERT_EQ(Fdutool("sort-template " + Q(sorted) + " " + Q(twice)).status, 0);
    EXPECT_EQ(ReadWholeFile(twice), ReadWholeFile(sorted));

    const auto cleaned = m_dir / "c.fdu";
    ASSERT_EQ(Fdutool("cleanup --transponders " + Q(factory) + " " + Q(cleaned)).status, 0);
    const auto stats = nlohmann::json::parse(Fdutool("stats --json " + Q(cleaned)).out);
    EXPECT_EQ(stats["tv"], 128);
    EXPECT_EQ(stats["radio"], 197);
    EXPECT_LT(stats["usedTransponders"].get<int>(), info["transponders"]["used"].get<int>());
    // The editor's pie: six slices that add up to every channel, with the legend's shares.
    int sliced = 0;
    for (const auto& slice : stats["slices"]) {
        sliced += slice["channels"].get<int>();
    }
    EXPECT_EQ(stats["slices"].size(), 6u);
    EXPECT_EQ(sliced, 325);
    EXPECT_EQ(stats["slices"][4]["share"], "60.62%"); // 197 free radio channels of 325

    const auto text = m_dir / "radio.txt";
    ASSERT_EQ(Fdutool("export-text --radio " + Q(factory) + " " + Q(text)).status, 0);
    const auto bytes = ReadWholeFile(text);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 197);
    ASSERT_EQ(Fdutool("export-text --utf8 " + Q(factory) + " " + Q(text)).status, 0);
    const auto utf8 = ReadWholeFile(text);
    EXPECT_NE(std::string(utf8.begin(), utf8.end())
                  .find("\"BR S\xC3\xBC"
                        "d HD\""),
              std::string::npos);
}

TEST_F(FdutoolTest, ImportReportsWhatCameAndWhatWasDropped) {
    const auto base = m_dir / "base.fdu";
    ASSERT_EQ(Fdutool("new " + Q(base)).status, 0);
    const auto folder = m_dir / "e2";
    fs::create_directories(folder);
    const std::string lamedb = "eDVB services /4/\ntransponders\n00c00000:0401:0001\n"
                               "\ts 11494000:22000000:0:2:192:2:0:1:2:0:2\n/\nend\nservices\n"
                               "283d:00c00000:0401:0001:1:0\nDas Erste HD\np:\n"
                               "0001:00c00000:0401:0001:2:0\nRadio\np:\n"
                               "0002:00c00000:0401:0001:31:0\nUHD\np:\nend\n";
    WriteFileAtomically(folder / "lamedb",
                        std::span(reinterpret_cast<const uint8_t*>(lamedb.data()), lamedb.size()));
    const std::string tv = "#NAME Bouquets (TV)\n#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET "
                           "\"userbouquet.a.tv\" ORDER BY bouquet\n"
                           "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"outside.tv\"\n";
    const std::string a = "#NAME Favoriten\n#SERVICE 1:0:1:283D:401:1:C00000:0:0:0:\n";
    WriteFileAtomically(folder / "bouquets.tv",
                        std::span(reinterpret_cast<const uint8_t*>(tv.data()), tv.size()));
    WriteFileAtomically(folder / "userbouquet.a.tv",
                        std::span(reinterpret_cast<const uint8_t*>(a.data()), a.size()));
    WriteFileAtomically(m_dir / "outside.tv",
                        std::span(reinterpret_cast<const uint8_t*>(a.data()), a.size()));
    fs::create_symlink(m_dir / "outside.tv", folder / "outside.tv");

    const auto out = m_dir / "imported.fdu";
    const auto run =
        Fdutool("import enigma2 " + Q(folder) + " --base " + Q(base) + " -o " + Q(out), true);
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("outside.tv"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1 TV and 1 radio channels"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1 favourite lists"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Dropped:  1 services of a type"), std::string::npos) << run.out;
    const auto info = nlohmann::json::parse(Fdutool("info --json " + Q(out)).out);
    EXPECT_EQ(info["favourites"], nlohmann::json::parse(R"(["Favoriten"])"));
    EXPECT_EQ(info["channels"]["tv"], 1);

    // No bouquet wanted, none read: the bouquet leading out of the folder goes unmentioned.
    const auto none = Fdutool("import enigma2 " + Q(folder) + " --base " + Q(base) + " -o " +
                                  Q(out) + " --bouquets none",
                              true);
    ASSERT_EQ(none.status, 0);
    EXPECT_EQ(none.out.find("outside.tv"), std::string::npos) << none.out;
    EXPECT_TRUE(nlohmann::json::parse(Fdutool("info --json " + Q(out)).out)["favourites"].empty());

    const auto failed = Fdutool("import bin " + Q(folder / "lamedb") + " --base " + Q(base) +
                                    " -o " + Q(m_dir / "x.fdu"),
                                true);
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.out.find("Nothing was imported"), std::string::npos) << failed.out;
    EXPECT_FALSE(fs::exists(m_dir / "x.fdu"));
    EXPECT_EQ(Fdutool("import tar " + Q(folder) + " --base " + Q(base) + " -o " + Q(out)).status,
              2);
}

TEST_F(FdutoolTest, DiffApplyOrderAndDuplicates) {
    const auto factory = m_dir / "factory.fdu";
    const auto sorted = m_dir / "sorted.fdu";
    const auto back = m_dir / "back.fdu";
    ASSERT_EQ(Fdutool("new " + Q(factory)).status, 0);
    ASSERT_EQ(Fdutool("sort-template " + Q(factory) + " " + Q(sorted)).status, 0);
    // diff's own exit codes: 0 equal, 1 different, 2 trouble.
    const auto same = Fdutool("diff " + Q(factory) + " " + Q(factory));
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");
    const auto moved = Fdutool("diff --json " + Q(factory) + " " + Q(sorted));
    EXPECT_EQ(moved.status, 1);
    const auto json = nlohmann::json::parse(moved.out);
    EXPECT_EQ(json["summary"]["channels"].size(), 1u);
    EXPECT_GT(json["summary"]["channels"]["moved"].get<int>(), 50);
    for (const auto& change : json["changes"]) {
        EXPECT_EQ(change["change"], "moved") << change.dump();
    }
    EXPECT_EQ(Fdutool("diff " + Q(factory) + " " + Q(m_dir / "missing.fdu")).status, 2);
    // The factory list as reference brings the order back.
    const auto applied = Fdutool("apply-order " + Q(sorted) + " " + Q(factory) + " " + Q(back));
    EXPECT_EQ(applied.status, 0);
    EXPECT_NE(applied.out.find("Matched 325 channels (325 by identity"), std::string::npos)
        << applied.out;
    EXPECT_EQ(Fdutool("diff " + Q(factory) + " " + Q(back)).status, 0);
    const auto names = m_dir / "names.txt";
    WriteFileAtomically(names, std::vector<uint8_t>{'\n'});
    const auto refused = Fdutool("apply-order " + Q(sorted) + " " + Q(names) + " " + Q(back), true);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("holds no channel names"), std::string::npos) << refused.out;
    const auto duplicates = Fdutool("duplicates --json " + Q(factory));
    EXPECT_EQ(duplicates.status, 0);
    EXPECT_TRUE(nlohmann::json::parse(duplicates.out).is_array());
}
