// Damaged and special files given to fdutool: each is refused at once with a message naming
// what is wrong and status 1, and nothing is written; intact files pass through links.
#include "CSettingsFile.h"
#include "FileIo.h"
#include "LostSection.h"
#include "RunCommand.h"
#include "SectionIds.h"
#include "SettingsFileBuilder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

struct Case {
    std::string name;
    std::string command; // {in} and {out} stand for the files
    int status;
    std::vector<std::string> said; // each must be in the output
};

class DamagedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("tarnell-damaged-files-" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        test::SampleOptions o;
        o.timers = 5;
        o.configLength = 900;
        m_image = test::MakeSample(o)->Store();
        m_sys = m_dir / "sample.sys";
        WriteFileAtomically(m_sys, m_image);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path Cut(const std::string& name, size_t length) {
        const auto path = m_dir / name;
        WriteFileAtomically(path, std::span(m_image).first(length));
        return path;
    }
    // Runs fdutool (cut off after 20 s, so a hang fails instead of blocking the suite).
    test::CommandRun Run(std::string command, const fs::path& in, const fs::path& out) {
        for (const auto& [key, value] :
             {std::pair{std::string("{in}"), in}, std::pair{std::string("{out}"), out}}) {
            if (const size_t at = command.find(key); at != std::string::npos) {
                command.replace(at, key.size(), "'" + value.string() + "'");
            }
        }
        return test::RunCommand("timeout 20 " + std::string(TARNELL_FDUTOOL) + " " + command +
                                " 2>&1 </dev/null");
    }
    void Expect(const Case& c, const fs::path& in, const fs::path& out) {
        const auto run = Run(c.command, in, out);
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.out;
        for (const auto& text : c.said) {
            EXPECT_NE(run.out.find(text), std::string::npos)
                << c.name << ": \"" << text << "\" not in: " << run.out;
        }
        if (c.status == 1) {
            EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1)
                << c.name << ": one line: " << run.out;
        }
    }

    fs::path m_dir;
    fs::path m_sys;
    std::vector<uint8_t> m_image;
};

} // namespace

TEST_F(DamagedFiles, ATruncatedFileNamesEverySectionItLost) {
    auto file = test::LoadBytes(m_image);
    const auto& entries = file->m_headers.Entries();
    const size_t count = file->m_headers.SectionCount();
    // Cut inside each section in turn: that one is cut off, every later one is gone.
    for (size_t i = 1; i < count; ++i) {
        const size_t at = static_cast<size_t>(entries[i].FileOffset()) + 20;
        const auto cut = Cut("cut" + std::to_string(i) + ".fdu", at);
        std::vector<std::string> said{"cut" + std::to_string(i) + ".fdu is damaged",
                                      SectionName(entries[i].Id()) + " (cut off by the end",
                                      "--salvage"};
        for (size_t later = i + 1; later < count; ++later) {
            said.push_back(SectionName(entries[later].Id()));
        }
        Expect({"cut in section " + std::to_string(i), "info {in}", 1, said}, cut, {});
        EXPECT_FALSE(fs::exists(m_dir / "out.fdu"));
        Expect({"store of cut " + std::to_string(i), "store {in} {out}", 1, {"Nothing was done"}},
               cut, m_dir / "out.fdu");
        EXPECT_FALSE(fs::exists(m_dir / "out.fdu")) << "nothing written for cut " << i;
    }
    const auto last = Cut("config.sys", kConfigSectionOffset + 20);
    Expect({"cut in the configuration", "info {in}", 1, {"configuration (cut off"}}, last, {});

    // With --salvage it goes on, and says without what.
    const auto cut = Cut("t.fdu", static_cast<size_t>(entries[count / 2].FileOffset()) + 20);
    const auto run = Run("store --salvage {in} {out}", cut, m_dir / "salvaged.fdu");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("going on with what can be read"), std::string::npos) << run.out;
    EXPECT_TRUE(fs::exists(m_dir / "salvaged.fdu"));
    // A base file for an import is refused the same way.
    Expect({"damaged import base",
            "import udb {in} --base {out} -o /dev/null",
            1,
            {"t.fdu is damaged"}},
           m_sys, cut);
}

TEST_F(DamagedFiles, SpecialFilesAndLinksAreRefusedAtOnceOrWrittenThrough) {
    ASSERT_EQ(mkfifo((m_dir / "fifo").c_str(), 0600), 0);
    fs::create_directories(m_dir / "folder");
    fs::create_symlink(m_sys, m_dir / "link.sys");
    fs::create_symlink(m_dir / "real.sys", m_dir / "dangling.sys");
    WriteFileAtomically(m_dir / "empty.fdu", std::vector<uint8_t>{});

    const std::vector<std::pair<Case, fs::path>> reads{
        {{"FIFO", "info {in}", 1, {"is a pipe (FIFO), not a file"}}, m_dir / "fifo"},
        {{"device", "info {in}", 1, {"is a device, not a file"}}, "/dev/zero"},
        {{"folder", "info {in}", 1, {"is a folder, not a file"}}, m_dir / "folder"},
        {{"udb FIFO", "import udb {in} --base {out} -o /dev/null", 1, {"is a pipe (FIFO)"}},
         m_dir / "fifo"},
        {{"empty", "info {in}", 1, {"The file is empty"}}, m_dir / "empty.fdu"},
        {{"link", "info {in}", 0, {"20 TV, 8 radio"}}, m_dir / "link.sys"},
    };
    for (const auto& [c, in] : reads) {
        Expect(c, in, m_sys);
    }

    // Saves: a FIFO target is refused and stays a FIFO; a link is written through, atomically
    // beside its file, and stays a link; no name at all is said plainly.
    Expect({"store onto FIFO", "store {in} {out}", 1, {"is a pipe (FIFO), not a file"}}, m_sys,
           m_dir / "fifo");
    EXPECT_TRUE(fs::is_fifo(m_dir / "fifo"));
    Expect({"store onto link", "new {out}", 0, {}}, {}, m_dir / "link.sys");
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.sys"));
    EXPECT_EQ(ReadWholeFile(m_sys).size(), kServicePartSize) << "the link's file got the list";
    Expect({"store onto dangling link", "new {out}", 0, {}}, {}, m_dir / "dangling.sys");
    EXPECT_TRUE(fs::is_symlink(m_dir / "dangling.sys"));
    EXPECT_EQ(fs::file_size(m_dir / "real.sys"), kServicePartSize);
    Expect({"no output name", "new ''", 1, {"No file name was given"}}, {}, {});

    for (const auto& entry : fs::directory_iterator(m_dir)) {
        EXPECT_NE(entry.path().filename().string()[0], '.')
            << "temporary file left: " << entry.path();
    }
}
