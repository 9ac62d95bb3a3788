// Bouquet files on disk, as an Enigma2 folder holds them: the input is cut at NUL bytes into
// bouquets.tv, bouquets.radio and userbouquet.N.tv. Beside them lie a link to a file outside the
// folder and a subfolder; nothing outside the folder may ever become a bouquet.
#include "CE2ImportBouquet.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kOutsideName = "OUTSIDE THE FOLDER";

struct Folder {
    fs::path root;
    fs::path lists;
    Folder() {
        char pattern[] = "/tmp/tarnell-bouquet-fuzz-XXXXXX";
        root = mkdtemp(pattern);
        lists = root / "enigma2";
        fs::create_directories(lists / "sub");
        std::ofstream(root / "outside.tv") << "#NAME " << kOutsideName << "\n";
        fs::create_symlink(root / "outside.tv", lists / "userbouquet.link.tv");
        fs::create_symlink("..", lists / "sub" / "up");
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

void Write(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(text.data(), std::streamsize(text.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Folder folder;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    for (int i = 0; i < 8; ++i) {
        const size_t cut = std::min(input.find('\0'), input.size());
        const std::string name = i == 0   ? "bouquets.tv"
                                 : i == 1 ? "bouquets.radio"
                                          : "userbouquet." + std::to_string(i - 2) + ".tv";
        Write((i == 7 ? folder.lists / "sub" : folder.lists) / name, input.substr(0, cut));
        input.remove_prefix(std::min(cut + 1, input.size()));
    }
    tarnell::CE2ImportBouquetArray array;
    tarnell::ReadBouquets(array, folder.lists / "lamedb");
    // The outside file's name may only come from an input that names it itself.
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    for (const auto& bouquet : array.Items()) {
        if (bouquet->name == kOutsideName && all.find(kOutsideName) == std::string_view::npos) {
            __builtin_trap();
        }
    }
    return 0;
}
