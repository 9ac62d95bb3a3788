// fdutool config: the fields by page, and --set changing only the configuration part.
#include "FileIo.h"
#include "RunCommand.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <unistd.h>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

class ConfigCommand : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("tarnell-config-" + std::to_string(getpid()));
        fs::create_directories(m_dir);
        test::SampleOptions o;
        o.configLength = 900;
        auto file = test::MakeSample(o);
        file->m_configuration.SetWord(236, 1);
        file->m_configuration.SetWord(324, 60);
        WriteFileAtomically(m_dir / "in.sys", file->Store());
    }
    void TearDown() override { fs::remove_all(m_dir); }
    test::CommandRun Fdutool(const std::string& args) const {
        return test::RunCommand("cd '" + m_dir.string() + "' && " + TARNELL_FDUTOOL + " " + args +
                                " 2>&1");
    }
    nlohmann::json Fields(const std::string& file) const {
        const auto printed = nlohmann::json::parse(Fdutool("config --json " + file).out);
        nlohmann::json fields;
        for (const auto& page : printed["pages"]) {
            for (const auto& field : page["fields"]) {
                fields[field["name"].get<std::string>()] = field;
            }
        }
        return fields;
    }

    fs::path m_dir;
};

} // namespace

TEST_F(ConfigCommand, SetChangesOnlyTheNamedFields) {
    const auto before = Fields("in.sys");
    EXPECT_EQ(before["aspect-ratio"]["meaning"], "16 : 9");
    EXPECT_EQ(before["time-zone"]["meaning"], "+ 1:00");
    EXPECT_EQ(before["menu-language"]["meaning"], "no entry of the list");

    const auto run = Fdutool("config in.sys out.sys --set 'time-zone=- 3:30' "
                             "'aspect-ratio=16 : 10' ip-address=192.168.0.10");
    ASSERT_EQ(run.status, 0) << run.out;
    auto after = Fields("out.sys");
    EXPECT_EQ(after["time-zone"]["value"], -210);
    EXPECT_EQ(after["aspect-ratio"]["value"], 3);
    EXPECT_EQ(after["ip-address"]["value"], "192.168.0.10");
    for (const char* changed : {"time-zone", "aspect-ratio", "ip-address"}) {
        after.erase(changed);
    }
    auto unchanged = before;
    for (const char* changed : {"time-zone", "aspect-ratio", "ip-address"}) {
        unchanged.erase(changed);
    }
    EXPECT_EQ(after, unchanged);
    // The service part is the same byte for byte.
    const auto in = ReadWholeFile(m_dir / "in.sys");
    const auto out = ReadWholeFile(m_dir / "out.sys");
    ASSERT_EQ(in.size(), out.size());
    EXPECT_TRUE(std::equal(in.begin(), in.begin() + 0x30000, out.begin()));
}

TEST_F(ConfigCommand, RefusalsWriteNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"config in.sys out.sys --set pin-code=12", "exactly four digits"},
        {"config in.sys out.sys --set longitude=999.999E", "0 to 180"},
        {"config in.sys out.sys --set colour=1", "no field named"},
        {"config in.sys out.sys --set resolution=3", "follows the TV system"},
    };
    for (const auto& [args, message] : cases) {
        const auto run = Fdutool(args);
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_NE(run.out.find(message), std::string::npos) << run.out;
        EXPECT_FALSE(fs::exists(m_dir / "out.sys")) << args;
    }
    EXPECT_EQ(Fdutool("config in.sys out.sys").status, 2);
    WriteFileAtomically(m_dir / "plain.fdu", test::MakeSample()->Store());
    EXPECT_EQ(Fdutool("config plain.fdu").status, 1);
}
