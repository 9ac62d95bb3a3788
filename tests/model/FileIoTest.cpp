#include "FileIo.h"
#include "FileError.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {
struct TempDir {
    fs::path path =
        fs::temp_directory_path() /
        ("tarnell-io-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
         std::to_string(reinterpret_cast<uintptr_t>(this)));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};
} // namespace

TEST(FileIo, AtomicWriteReplacesAndFailureKeepsTheOldFile) {
    TempDir dir;
    const auto file = dir.path / "list.fdu";
    const std::vector<uint8_t> first{1, 2, 3};
    const std::vector<uint8_t> second(70000, 9);
    WriteFileAtomically(file, first);
    EXPECT_EQ(ReadWholeFile(file), first);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    WriteFileAtomically(file, second);
    EXPECT_EQ(ReadWholeFile(file), second);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write)
        << "permissions of the replaced file are kept";

    // A target that cannot be replaced (a folder) leaves everything as it was.
    fs::create_directories(dir.path / "folder" / "inside");
    EXPECT_THROW(WriteFileAtomically(dir.path / "folder", first), FileError);
    EXPECT_TRUE(fs::is_directory(dir.path / "folder" / "inside"));
    EXPECT_THROW(WriteFileAtomically(dir.path / "missing" / "x.fdu", first), FileError);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path)) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u) << "no temporary file is left behind";
}

TEST(FileIo, ReadRefusesMissingAndOversizedFiles) {
    TempDir dir;
    EXPECT_THROW(ReadWholeFile(dir.path / "none.fdu"), FileError);
    WriteFileAtomically(dir.path / "big", std::vector<uint8_t>(5000, 1));
    EXPECT_THROW(ReadWholeFile(dir.path / "big", 4000), FileError);
    EXPECT_EQ(ReadWholeFile(dir.path / "big", 5000).size(), 5000u);
}
