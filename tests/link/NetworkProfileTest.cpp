// The profile list, its file in the archive layout, and where the file lives.
#include "ArchiveStream.h"
#include "CNetworkProfileArray.h"
#include "FileError.h"
#include "FileIo.h"
#include "ReceiverSimulator.h"
#include "SettingsFileBuilder.h"
#include "UserConfigFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

class NetworkProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = test::FreshTestFolder("tarnell-profiles");
        m_file = m_dir / "config" / CNetworkProfileArray::kFileName;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path m_dir;
    fs::path m_file;
};

mode_t Mode(const fs::path& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 0777;
}

std::vector<uint8_t> Le32(uint32_t v) {
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}

// A restorable environment variable.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace

// --- the list

TEST_F(NetworkProfileTest, FirstStartGivesTheDefaultProfileSilently) {
    CNetworkProfileArray list;
    EXPECT_EQ(list.Load(m_file), std::nullopt);
    ASSERT_EQ(list.Size(), 1u);
    const auto* p = list.GetActiveProfile();
    ASSERT_EQ(p, list.At(0));
    EXPECT_EQ(p->m_name, "Default");
    EXPECT_EQ(p->ServerText(), "0.0.0.0");
    EXPECT_EQ(p->m_port, 21);
    EXPECT_EQ(p->m_user, "root");
    EXPECT_EQ(p->m_password, "");
    EXPECT_EQ(p->m_forcedReboot, 1);
    EXPECT_EQ(list.GetActiveIndex(), 0);
    EXPECT_FALSE(fs::exists(m_file)) << "a load never writes";
}

TEST_F(NetworkProfileTest, ActiveIndexOutsideTheListFallsBackToTheFirstProfile) {
    CNetworkProfileArray list;
    EXPECT_EQ(list.GetActiveProfile(), nullptr);
    auto* first = list.AddProfile("Living room");
    list.AddProfile("Bedroom");
    for (const int32_t index : {-1, 2, 99}) {
        list.SetActiveIndex(index);
        EXPECT_EQ(list.GetActiveProfile(), first) << index;
    }
    // A file saying so is mended on load.
    list.SetActiveIndex(7);
    CNetworkProfileArray loaded;
    loaded.FromBytes(list.ToBytes());
    EXPECT_EQ(loaded.GetActiveIndex(), 0);
}

TEST_F(NetworkProfileTest, RemovingStopsAtOneAndMovingKeepsTheIndex) {
    CNetworkProfileArray list;
    auto* a = list.AddProfile("A");
    list.AddProfile("B");
    auto* c = list.AddProfile("C");
    list.SetActiveIndex(0);
    list.MoveProfile(a, 99); // past the end: last
    EXPECT_EQ(list.At(2), a);
    EXPECT_EQ(list.GetActiveIndex(), 0);
    list.MoveProfile(a, 0);

    list.SetActiveIndex(2);
    EXPECT_TRUE(list.RemoveProfile(0));
    EXPECT_EQ(list.GetActiveProfile(), c);
    EXPECT_TRUE(list.RemoveProfile(1)); // the active one: the first takes over
    EXPECT_EQ(list.GetActiveProfile()->m_name, "B");
    EXPECT_FALSE(list.RemoveProfile(0));
    EXPECT_FALSE(list.RemoveProfile(5));
    EXPECT_EQ(list.Size(), 1u);
}

// --- the file

TEST_F(NetworkProfileTest, TwoProfilesWithTheSecondActiveRoundTrip) {
    CNetworkProfileArray list;
    list.AddProfile("Wohnzimmer", *ParseIpv4("192.168.178.20"), 2121, "root", "geheim", 0);
    list.AddProfile("K\xC3\xBC"
                    "che \xF0\x9F\x93\xA1",
                    *ParseIpv4("10.0.0.7"), 21, "admin", "", 1);
    list.SetActiveIndex(1);
    list.Save(m_file);

    EXPECT_EQ(Mode(m_file), 0600u) << "the file holds passwords";
    EXPECT_EQ(Mode(m_file.parent_path()), 0700u);

    CNetworkProfileArray loaded;
    EXPECT_EQ(loaded.Load(m_file), std::nullopt);
    ASSERT_EQ(loaded.Size(), 2u);
    EXPECT_EQ(loaded.GetActiveIndex(), 1);
    EXPECT_EQ(*loaded.GetActiveProfile(), *list.At(1));
    EXPECT_EQ(*loaded.At(0), *list.At(0));
    EXPECT_EQ(loaded.At(0)->ServerText(), "192.168.178.20");
}

TEST_F(NetworkProfileTest, ArchiveLayoutIsByteExact) {
    CNetworkProfileArray list;
    list.AddProfile("Box", 0xC0A80001, 21, "root", "", 1);
    list.SetActiveIndex(0);
    const std::vector<uint8_t> expected = test::Concat({
        Le32(0),
        Le32(1),
        {0xFF, 0xFE, 0xFF, 3, 'B', 0, 'o', 0, 'x', 0},
        {0x01, 0x00, 0xA8, 0xC0},
        Le32(21),
        {0xFF, 0xFE, 0xFF, 4, 'r', 0, 'o', 0, 'o', 0, 't', 0},
        {0xFF, 0xFE, 0xFF, 0},
        Le32(1),
    });
    EXPECT_EQ(list.ToBytes(), expected);
}

TEST_F(NetworkProfileTest, LongStringsTakeTheLongerLengthForms) {
    struct Case {
        size_t length;
        std::vector<uint8_t> prefix;
    };
    const Case cases[] = {
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'x');
        ArchiveWriter out;
        out.String(text);
        const auto& bytes = out.Bytes();
        ASSERT_EQ(bytes.size(), c.prefix.size() + 2 * c.length);
        EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), bytes.begin()));
        ArchiveReader in(bytes);
        std::string back;
        ASSERT_TRUE(in.String(back));
        EXPECT_EQ(back, text);
        EXPECT_EQ(in.Position(), bytes.size());
    }
}

TEST_F(NetworkProfileTest, EightBitStringsOfOlderFilesAreRead) {
    // Length first, Windows-1252 characters: "Küche" (short form) and a 300-character user.
    std::vector<uint8_t> user = {0xFF, 0x2C, 0x01};
    user.insert(user.end(), 300, 'u');
    const auto bytes = test::Concat({Le32(0),
                                     Le32(1),
                                     {5, 'K', 0xFC, 'c', 'h', 'e'},
                                     Le32(0x7F000001),
                                     Le32(21),
                                     user,
                                     {2, 'p', 'w'},
                                     Le32(0)});
    CNetworkProfileArray list;
    list.FromBytes(bytes);
    ASSERT_EQ(list.Size(), 1u);
    EXPECT_EQ(list.At(0)->m_name, "K\xC3\xBC"
                                  "che");
    EXPECT_EQ(list.At(0)->m_user, std::string(300, 'u'));
    EXPECT_EQ(list.At(0)->m_password, "pw");
    EXPECT_EQ(list.At(0)->m_forcedReboot, 0);
}

TEST_F(NetworkProfileTest, DamagedFilesAreRefusedAndNeverHalfLoaded) {
    CNetworkProfileArray good;
    good.AddProfile("A", 1, 21, "root", "pw", 1);
    good.AddProfile("B", 2, 21, "root", "pw", 1);
    const auto whole = good.ToBytes();
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    auto cut = [&whole](size_t n) {
        return std::vector<uint8_t>(whole.begin(), whole.begin() + n);
    };
    auto hugeString = test::Concat(
        {Le32(0), Le32(1), {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F}});
    hugeString.resize(40, 0);
    const Case cases[] = {
        {"before the count", cut(6)},
        {"second profile cut off", cut(whole.size() - 3)},
        {"count larger than the file",
         test::Concat({Le32(0), Le32(100000), std::vector<uint8_t>(30, 0)})},
        {"negative count", test::Concat({Le32(0), Le32(0xFFFFFFFF), std::vector<uint8_t>(30, 0)})},
        {"string longer than the file", hugeString},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CNetworkProfileArray list;
        list.AddProfile("Kept");
        EXPECT_THROW(list.FromBytes(c.bytes), FileError);
        ASSERT_EQ(list.Size(), 1u);
        EXPECT_EQ(list.At(0)->m_name, "Kept");

        fs::create_directories(m_file.parent_path());
        WriteFileAtomically(m_file, c.bytes);
        const auto message = list.Load(m_file);
        ASSERT_TRUE(message.has_value());
        EXPECT_NE(message->find(m_file.string()), std::string::npos) << *message;
        ASSERT_EQ(list.Size(), 1u);
        EXPECT_EQ(list.At(0)->m_name, "Default");
    }
}

TEST_F(NetworkProfileTest, SavingNarrowsALooseFileAndReportsAFolderItCannotUse) {
    CNetworkProfileArray list;
    list.AddProfile("A");
    fs::create_directories(m_file.parent_path());
    WriteFileAtomically(m_file, std::vector<uint8_t>{1, 2, 3});
    fs::permissions(m_file, fs::perms(0644));
    list.Save(m_file);
    EXPECT_EQ(Mode(m_file), 0600u);

    // A file where the folder should be (a permission test would pass as root).
    const auto blocked = m_dir / "blocked";
    WriteFileAtomically(blocked, std::vector<uint8_t>{0});
    try {
        list.Save(blocked / CNetworkProfileArray::kFileName);
        FAIL() << "saved into a file";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("File could not be opened ", 0), 0u) << e.what();
    }
}

TEST_F(NetworkProfileTest, TheFileLivesInTheUsersConfigurationFolder) {
    {
        ScopedEnv own("TARNELL_CONFIG_DIR", "/tmp/own");
        EXPECT_EQ(NetworkProfilePath(), fs::path("/tmp/own/NetworkProfileData.i2k"));
    }
    ScopedEnv own("TARNELL_CONFIG_DIR", nullptr);
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/home/u/.cfg");
        EXPECT_EQ(UserConfigFolder(), fs::path("/home/u/.cfg/Brixholm"));
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", "/home/u");
    EXPECT_EQ(UserConfigFolder(), fs::path("/home/u/.config/Brixholm"));
    EXPECT_EQ(ReceiverBackupFolder(), fs::path("/home/u/.config/Brixholm/ReceiverBackups"));
}

TEST_F(NetworkProfileTest, AddressesParseOnlyAsFourOctets) {
    EXPECT_EQ(ParseIpv4("192.168.0.10"), 0xC0A8000Au);
    EXPECT_EQ(ParseIpv4("0.0.0.0"), 0u);
    EXPECT_EQ(ParseIpv4("255.255.255.255"), 0xFFFFFFFFu);
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1..2.3", "1.2.3.4 ", "a.b.c.d",
                            "-1.2.3.4", "1.2.3.0004"}) {
        EXPECT_EQ(ParseIpv4(bad), std::nullopt) << bad;
    }
    CNetworkProfileData p;
    p.m_address = 0x0A000107;
    EXPECT_EQ(p.ServerText(), "10.0.1.7");
}

TEST_F(NetworkProfileTest, AFileThatCannotBeReadIsSaidAndNeverOverwritten) {
    CNetworkProfileArray mine;
    mine.AddProfile("Mine", 0x0A000001);
    const auto bytes = mine.ToBytes();
    const auto folder = m_file.parent_path();
    const auto elsewhere = m_dir / "elsewhere.i2k";
    struct Case {
        const char* name;
        std::function<void()> make;
        fs::path kept; // this file must keep `bytes`; or must not come into being when empty
    };
    const Case cases[] = {
        {"no read permission",
         [&] {
             WriteFileAtomically(m_file, bytes);
             fs::permissions(m_file, fs::perms::none);
         },
         m_file},
        {"a link to a file",
         [&] {
             WriteFileAtomically(elsewhere, bytes);
             fs::create_symlink(elsewhere, m_file);
         },
         elsewhere},
        {"a dangling link", [&] { fs::create_symlink(elsewhere, m_file); }, {}},
        {"a folder", [&] { fs::create_directories(m_file); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder);
        fs::remove(elsewhere);
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::all); // so that even another user could replace it
        c.make();
        // Root reads every file: the permission case runs as nobody in a child process.
        const bool drop = std::string(c.name) == "no read permission" && geteuid() == 0;
        const pid_t child = drop ? fork() : 0;
        if (child == 0) {
            if (drop && (setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(3);
            }
            CNetworkProfileArray list;
            const auto message = list.Load(m_file);
            int failed = !message || message->find(m_file.string()) == std::string::npos ||
                         message->find("stands in") == std::string::npos;
            EXPECT_FALSE(failed) << (message ? *message : "no message");
            list.AddProfile("New");
            try {
                list.Save(m_file);
                failed |= 2;
            } catch (const FileError& e) {
                EXPECT_NE(std::string(e.what()).find(m_file.string()), std::string::npos);
            }
            if (drop) {
                _exit(failed);
            }
            EXPECT_EQ(failed, 0);
        } else {
            int status = -1;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        }
        if (c.kept.empty()) {
            EXPECT_FALSE(fs::exists(elsewhere)) << "nothing created through the link";
        } else {
            fs::permissions(c.kept, fs::perms::owner_read);
            EXPECT_EQ(ReadWholeFile(c.kept), bytes);
        }
    }
}
