#include "CE2ImportBouquet.h"

#include "FileIo.h"
#include "TextLines.h"

#include <charconv>

namespace tarnell {

namespace {

// Reads up to `count` numbers separated by ':' (decimal or hex) and returns how many were read.
// `consumed` is the position behind the ':' after the last number read, 0 when none follows it.
size_t ReadNumbers(std::string_view text, const bool* hex, size_t count, int64_t* out,
                   size_t& consumed) {
    size_t pos = 0;
    size_t read = 0;
    consumed = 0;
    while (read < count) {
        const char* begin = text.data() + pos;
        const char* end = text.data() + text.size();
        if (begin != end && *begin == '-' && hex[read]) {
            break;
        }
        int64_t value = 0;
        const auto [ptr, ec] = std::from_chars(begin, end, value, hex[read] ? 16 : 10);
        if (ec != std::errc()) {
            break;
        }
        out[read++] = value;
        pos = static_cast<size_t>(ptr - text.data());
        if (pos >= text.size() || text[pos] != ':') {
            consumed = 0;
            return read;
        }
        consumed = ++pos;
    }
    return read;
}

std::string CutToCharacters(std::string_view utf8, size_t characters) {
    size_t i = 0;
    size_t n = 0;
    while (i < utf8.size() && n < characters) {
        const auto b = static_cast<uint8_t>(utf8[i]);
        i += b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        ++n;
    }
    return std::string(utf8.substr(0, std::min(i, utf8.size())));
}

} // namespace

std::vector<const CE2ImportBouquet*> CE2ImportBouquetArray::Offered(bool tv) const {
    std::vector<const CE2ImportBouquet*> offered;
    bool first = true;
    for (const auto& b : m_items) {
        if (b->tv != tv) {
            continue;
        }
        if (first) {
            first = false;
            continue;
        }
        offered.push_back(b.get());
    }
    return offered;
}

E2ServiceReference ParseServiceReference(std::string_view text) {
    E2ServiceReference ref;
    if (text.empty()) {
        return ref;
    }
    static constexpr bool kLong[] = {false, false, true, true, true, true, true, true, true, true};
    int64_t values[10] = {};
    size_t consumed = 0;
    size_t read = ReadNumbers(text, kLong, 10, values, consumed);
    bool complete = read == 10 && consumed > 0;
    if (read < 8) {
        std::fill(std::begin(values), std::end(values), 0);
        read = ReadNumbers(text, kLong, 6, values, consumed);
        complete = false;
        if (read < 2) {
            return ref;
        }
    }
    ref.type = static_cast<int>(values[0]);
    ref.flags = static_cast<uint32_t>(values[1]);
    for (size_t i = 0; i < 8; ++i) {
        ref.data[i] = static_cast<uint32_t>(values[i + 2]);
    }
    if (complete) {
        const std::string_view rest = text.substr(consumed);
        const size_t colon = rest.find(':');
        if (colon == std::string_view::npos) {
            ref.path = std::string(rest);
        } else {
            ref.path = std::string(rest.substr(0, colon));
            ref.name = std::string(rest.substr(colon + 1));
        }
    }
    return ref;
}

void ParseBouquetText(std::string_view text, CE2ImportBouquetArray& array, bool tv,
                      const std::function<void(const std::string&)>& include) {
    CE2ImportBouquet* current = nullptr;
    TextLines lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        if (line.empty()) {
            break; // an empty line ends the file, as the receiver reads it
        }
        if (line[0] != '#') {
            continue;
        }
        if (line.starts_with("#SERVICE")) {
            const size_t start = line.size() > 8 && line[8] == ':' ? 10 : 9;
            const auto ref = ParseServiceReference(start < line.size() ? line.substr(start)
                                                                       : std::string_view());
            if (current != nullptr && ref.data[1] != 0) {
                current->entries.push_back(
                    {ref.data[0], ref.data[1], ref.data[2], ref.data[3], ref.data[4]});
            }
            if (ref.type == 1 && (ref.flags & 4u) != 0) {
                const std::string& path = ref.path;
                const size_t slash = path.rfind('/');
                const std::string tail = slash == std::string::npos ? path : path.substr(slash + 1);
                std::string fileName;
                const size_t from = tail.find("FROM BOUQUET ");
                if (from != std::string::npos) {
                    const size_t quote = from + 13;
                    if (quote < tail.size() && tail[quote] == '"') {
                        const size_t close = tail.find('"', quote + 1);
                        fileName =
                            tail.substr(quote + 1, close == std::string::npos ? std::string::npos
                                                                              : close - quote - 1);
                    }
                } else if (!tail.empty()) {
                    fileName = path;
                }
                if (!fileName.empty()) {
                    include(fileName);
                }
            }
        } else if (line.starts_with("#DESCRIPTION")) {
            continue;
        } else if (line.starts_with("#NAME ")) {
            auto bouquet = std::make_unique<CE2ImportBouquet>();
            bouquet->name = CutToCharacters(line.substr(6), CE2ImportBouquet::kMaxNameCharacters);
            bouquet->tv = tv;
            array.Items().push_back(std::move(bouquet));
            current = array.Items().back().get();
        }
    }
}

namespace {

// Where a bouquet reference leads, or empty with `why` set when it leaves the folder: bouquets
// come from the lamedb's own folder, whatever a crafted line names.
std::filesystem::path ResolveReference(const std::filesystem::path& root, const std::string& name,
                                       std::string& why) {
    const std::filesystem::path ref(name);
    if (ref.is_absolute()) {
        why = "an absolute path";
        return {};
    }
    for (const auto& part : ref) {
        if (part == "..") {
            why = "it leads out of the folder";
            return {};
        }
    }
    std::error_code error;
    const auto real = std::filesystem::weakly_canonical(root / ref, error);
    if (error) {
        why = error.message();
        return {};
    }
    // A link inside the folder may still point outside it.
    const auto inside = real.lexically_relative(root);
    if (inside.empty() || *inside.begin() == "..") {
        why = "a link that leads out of the folder";
        return {};
    }
    return real;
}

} // namespace

void ParseBouquetFile(const std::filesystem::path& path, CE2ImportBouquetArray& array, bool tv,
                      std::set<std::filesystem::path>& visited) {
    std::error_code error;
    auto root = std::filesystem::weakly_canonical(path.parent_path(), error);
    if (error) {
        root = path.parent_path();
    }
    struct Pending {
        std::filesystem::path file;
        size_t depth;
    };
    // Depth first, as the files refer to each other, but on a stack of our own: a chain of
    // thousands of files must not exhaust the thread's stack.
    std::vector<Pending> stack{{root / path.filename(), 1}};
    bool tooDeep = false;
    while (!stack.empty()) {
        const Pending next = std::move(stack.back());
        stack.pop_back();
        // A file that refers to itself, or files that refer to each other, are read once.
        if (visited.size() >= CE2ImportBouquetArray::kMaxFiles ||
            !visited.insert(next.file).second) {
            continue;
        }
        std::vector<uint8_t> bytes;
        try {
            bytes = ReadWholeFile(next.file, 64u << 20);
        } catch (const std::exception& e) {
            // A missing bouquet file is skipped quietly, as the receiver does; anything else
            // that cannot be read is said.
            if (std::filesystem::exists(next.file, error)) {
                array.Skipped().push_back(e.what());
            }
            continue;
        }
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        std::vector<std::filesystem::path> includes;
        ParseBouquetText(text, array, tv, [&](const std::string& fileName) {
            std::string why;
            auto resolved = ResolveReference(root, fileName, why);
            if (resolved.empty()) {
                array.Skipped().push_back("The bouquet \"" + fileName + "\" named in " +
                                          next.file.filename().string() + " was skipped: " + why +
                                          ".");
            } else {
                includes.push_back(std::move(resolved));
            }
        });
        if (!includes.empty() && next.depth >= CE2ImportBouquetArray::kMaxNesting) {
            tooDeep = true;
            continue;
        }
        for (auto it = includes.rbegin(); it != includes.rend(); ++it) {
            stack.push_back({std::move(*it), next.depth + 1});
        }
    }
    if (tooDeep) {
        array.Skipped().push_back("Bouquets nested deeper than " +
                                  std::to_string(CE2ImportBouquetArray::kMaxNesting) +
                                  " levels were left out.");
    }
}

void ReadBouquets(CE2ImportBouquetArray& array, const std::filesystem::path& lamedbPath) {
    const auto folder =
        lamedbPath.parent_path().empty() ? std::filesystem::path(".") : lamedbPath.parent_path();
    std::set<std::filesystem::path> visited;
    ParseBouquetFile(folder / "bouquets.tv", array, true, visited);
    ParseBouquetFile(folder / "bouquets.radio", array, false, visited);
}

} // namespace tarnell
