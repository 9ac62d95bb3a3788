// Load and store of the largest list the receiver holds, against the bare zlib work inside
// them: whatever the model adds on top of inflate and deflate is ours to keep small.
#include "CSettingsFile.h"
#include "FileError.h"
#include "SettingsFileBuilder.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using tarnell::CSettingsFile;
using tarnell::FileError;

struct Section {
    std::span<const uint8_t> stream;
    std::vector<uint8_t> payload;
};

struct StoredList {
    std::vector<uint8_t> image;
    std::vector<Section> sections;
    size_t payloadBytes = 0;
    std::string error;
};

// Inflates a whole stream into a buffer of its known size: the least any loader has to do.
bool RawInflate(std::span<const uint8_t> stream, std::vector<uint8_t>& out) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        return false;
    }
    zs.next_in = const_cast<Bytef*>(stream.data());
    zs.avail_in = static_cast<uInt>(stream.size());
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&zs, Z_FINISH);
    inflateEnd(&zs);
    return rc == Z_STREAM_END && zs.total_out == out.size();
}

// Level 1 into a buffer of deflateBound's size, as the store compresses each section.
size_t RawDeflate(const std::vector<uint8_t>& payload, std::vector<uint8_t>& out) {
    z_stream zs{};
    if (deflateInit(&zs, 1) != Z_OK) {
        return 0;
    }
    out.resize(deflateBound(&zs, static_cast<uLong>(payload.size())));
    zs.next_in = const_cast<Bytef*>(payload.data());
    zs.avail_in = static_cast<uInt>(payload.size());
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    const int rc = deflate(&zs, Z_FINISH);
    deflateEnd(&zs);
    return rc == Z_STREAM_END ? zs.total_out : 0;
}

StoredList MakeStoredList(std::unique_ptr<CSettingsFile> model) {
    StoredList list;
    try {
        list.image = model->Store();
    } catch (const FileError& e) {
        list.error = e.what();
        return list;
    }
    for (const auto& entry : tarnell::test::Directory(list.image)) {
        const uint8_t* header = list.image.data() + entry.fileOffset;
        Section section;
        section.stream = std::span<const uint8_t>(list.image)
                             .subspan(entry.fileOffset + tarnell::kSectionHeaderSize,
                                      entry.size - tarnell::kSectionHeaderSize);
        section.payload.resize(tarnell::ReadLE32(header + 8));
        if (!RawInflate(section.stream, section.payload)) {
            list.error = "a stored section does not inflate to its recorded length";
            return list;
        }
        list.payloadBytes += section.payload.size();
        list.sections.push_back(std::move(section));
    }
    return list;
}

const StoredList& Largest() {
    static const StoredList list = MakeStoredList(tarnell::test::MakeLargest());
    return list;
}

bool Usable(benchmark::State& state, const StoredList& list) {
    if (!list.error.empty()) {
        state.SkipWithError(list.error.c_str());
        return false;
    }
    return true;
}

// CPU time of the process (one thread): the machine is shared, and the wall clock would count
// the others.
double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Seconds per iteration of the latest run of each measurement, for the counters that compare
// one benchmark with another. Benchmarks run in the order they are registered.
std::map<std::string, double>& Measured() {
    static std::map<std::string, double> seconds;
    return seconds;
}

double PerIteration(const benchmark::State& state, double total) {
    return state.iterations() > 0 ? total / static_cast<double>(state.iterations()) : 0.0;
}

void SetRatio(benchmark::State& state, const char* counter, double seconds, const char* floor) {
    const auto it = Measured().find(floor);
    if (it != Measured().end() && it->second > 0) {
        state.counters[counter] = seconds / it->second;
    }
}

// The cost of each 1,000 channels added since the next smaller size: flat means linear.
void SetGrowth(benchmark::State& state, const std::string& family, double seconds) {
    const int64_t n = state.range(0);
    auto& measured = Measured();
    const auto smaller = measured.lower_bound(family + "/");
    int64_t best = 0;
    double bestSeconds = 0;
    for (auto it = smaller; it != measured.end() && it->first.starts_with(family + "/"); ++it) {
        const int64_t m = std::stoll(it->first.substr(family.size() + 1));
        if (m < n && m > best) {
            best = m;
            bestSeconds = it->second;
        }
    }
    if (best > 0) {
        state.counters["us_per_1k_added"] =
            (seconds - bestSeconds) * 1e9 / static_cast<double>(n - best);
    }
    measured[family + "/" + std::to_string(n)] = seconds;
}

// The model's destruction is left out: it is not part of reading the file.
double LoadEach(benchmark::State& state, const StoredList& list) {
    double total = 0;
    for (auto _ : state) {
        auto file = std::make_unique<CSettingsFile>();
        const double start = CpuSeconds();
        benchmark::DoNotOptimize(file->Load(list.image));
        total += CpuSeconds() - start;
        state.PauseTiming();
        file.reset();
        state.ResumeTiming();
    }
    return PerIteration(state, total);
}

double StoreEach(benchmark::State& state, const StoredList& list) {
    CSettingsFile file;
    file.Load(list.image);
    const double start = CpuSeconds();
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.Store());
    }
    return PerIteration(state, CpuSeconds() - start);
}

void BM_InflateSections(benchmark::State& state) {
    const auto& list = Largest();
    if (!Usable(state, list)) {
        return;
    }
    std::vector<std::vector<uint8_t>> out;
    for (const auto& s : list.sections) {
        out.emplace_back(s.payload.size());
    }
    const double start = CpuSeconds();
    for (auto _ : state) {
        for (size_t i = 0; i < list.sections.size(); ++i) {
            benchmark::DoNotOptimize(RawInflate(list.sections[i].stream, out[i]));
        }
        benchmark::ClobberMemory();
    }
    Measured()["inflate"] = PerIteration(state, CpuSeconds() - start);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(list.payloadBytes));
}

void BM_Load(benchmark::State& state) {
    const auto& list = Largest();
    if (!Usable(state, list)) {
        return;
    }
    SetRatio(state, "vs_inflate", LoadEach(state, list), "inflate");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(list.payloadBytes));
}

void BM_DeflateSections(benchmark::State& state) {
    const auto& list = Largest();
    if (!Usable(state, list)) {
        return;
    }
    std::vector<uint8_t> out;
    const double start = CpuSeconds();
    for (auto _ : state) {
        for (const auto& s : list.sections) {
            benchmark::DoNotOptimize(RawDeflate(s.payload, out));
        }
        benchmark::ClobberMemory();
    }
    Measured()["deflate"] = PerIteration(state, CpuSeconds() - start);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(list.payloadBytes));
}

void BM_Store(benchmark::State& state) {
    const auto& list = Largest();
    if (!Usable(state, list)) {
        return;
    }
    SetRatio(state, "vs_deflate", StoreEach(state, list), "deflate");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(list.payloadBytes));
}

// The largest list with fewer channels: the same counts of everything else, and channels
// shaped the way MakeLargest shapes them (a few services per transponder sharing a PID plan).
// Without that shape the synthetic records compress too poorly for 10,000 to fit the file.
std::unique_ptr<CSettingsFile> MakeScaled(int channels) {
    return tarnell::test::MakeRealistic(channels);
}

const StoredList& Scaled(int channels) {
    static std::map<int, StoredList> lists;
    auto it = lists.find(channels);
    if (it == lists.end()) {
        it = lists.emplace(channels, MakeStoredList(MakeScaled(channels))).first;
    }
    return it->second;
}

void BM_LoadChannels(benchmark::State& state) {
    const auto& list = Scaled(static_cast<int>(state.range(0)));
    if (!Usable(state, list)) {
        return;
    }
    SetGrowth(state, "load", LoadEach(state, list));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_StoreChannels(benchmark::State& state) {
    const auto& list = Scaled(static_cast<int>(state.range(0)));
    if (!Usable(state, list)) {
        return;
    }
    SetGrowth(state, "store", StoreEach(state, list));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Each floor runs right before the work it is compared with.
BENCHMARK(BM_InflateSections)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeflateSections)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Store)->Unit(benchmark::kMicrosecond);
// Satellites, LNBs, providers and the 8,000 transponder slots stay fixed, so each size costs a
// constant plus a part per channel; us_per_1k_added shows that part between the sizes.
BENCHMARK(BM_LoadChannels)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoreChannels)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
