#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tarnell {

// One service of a bouquet, as its service reference names it.
struct CE2ImportBouquetEntry {
    uint32_t serviceType = 0;
    uint32_t serviceId = 0;
    uint32_t transportStreamId = 0;
    uint32_t originalNetworkId = 0;
    uint32_t nameSpace = 0;
};

struct CE2ImportBouquet {
    static constexpr size_t kMaxNameCharacters = 126;

    std::string name; // UTF-8
    bool tv = true;
    std::vector<CE2ImportBouquetEntry> entries;
};

// All bouquets in the order their #NAME lines were read.
class CE2ImportBouquetArray {
public:
    // Bouquets refer to bouquets at most this deep, and a list has at most this many files.
    static constexpr size_t kMaxNesting = 16;
    static constexpr size_t kMaxFiles = 4096;

    std::vector<std::unique_ptr<CE2ImportBouquet>>& Items() { return m_items; }
    const std::vector<std::unique_ptr<CE2ImportBouquet>>& Items() const { return m_items; }
    void RemoveAll() {
        m_items.clear();
        m_skipped.clear();
    }
    // Why bouquet files named in the list were not read (outside the folder, too deep, ...).
    std::vector<std::string>& Skipped() { return m_skipped; }
    const std::vector<std::string>& Skipped() const { return m_skipped; }

    // The bouquets offered as favourite lists: those of one kind, without the first (the top
    // file's own name bouquet, which only refers to the others).
    std::vector<const CE2ImportBouquet*> Offered(bool tv) const;

private:
    std::vector<std::unique_ptr<CE2ImportBouquet>> m_items;
    std::vector<std::string> m_skipped;
};

// The parsed form of a service reference text.
struct E2ServiceReference {
    int type = -1;
    uint32_t flags = 0;
    uint32_t data[8] = {};
    std::string path;
    std::string name;
};

E2ServiceReference ParseServiceReference(std::string_view text);

// Reads bouquets.tv, then bouquets.radio, from the folder of the lamedb file.
void ReadBouquets(CE2ImportBouquetArray& array, const std::filesystem::path& lamedbPath);

// Reads one bouquet file and the files it refers to, at most kMaxNesting deep; each file is read
// once, and only files inside the folder of `path` are read.
void ParseBouquetFile(const std::filesystem::path& path, CE2ImportBouquetArray& array, bool tv,
                      std::set<std::filesystem::path>& visited);

// The lines of one bouquet file. `include` is called for every file it refers to.
void ParseBouquetText(std::string_view text, CE2ImportBouquetArray& array, bool tv,
                      const std::function<void(const std::string&)>& include);

} // namespace tarnell
