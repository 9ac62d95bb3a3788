// Importing the largest real lamedb against merely reading it and splitting it into lines.
#include "CE2ImportBouquet.h"
#include "CEnigma2ImportManager.h"
#include "CSettingsFile.h"
#include "CTarnell1018Doc.h"
#include "FileIo.h"
#include "ImportMerge.h"
#include "TextLines.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>

namespace {

const std::filesystem::path kLamedb =
    std::filesystem::path(TARNELL_TESTDATA) / "enigma2" / "ciefp-motor-75e-34w" / "lamedb";

std::unique_ptr<tarnell::CSettingsFile> EmptyTarget() {
    auto file = std::make_unique<tarnell::CSettingsFile>();
    for (int i = 0; i < 8000; ++i) {
        file->m_transponders.Add(std::make_unique<tarnell::CTransponderData>());
    }
    return file;
}

void BM_ReadAndSplitLines(benchmark::State& state) {
    if (!std::filesystem::exists(kLamedb)) {
        state.SkipWithError("no real lists (TARNELL_TESTDATA)");
        return;
    }
    for (auto _ : state) {
        const auto bytes = tarnell::ReadWholeFile(kLamedb, 64u << 20);
        tarnell::TextLines lines(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        std::string_view line;
        size_t count = 0;
        while (lines.Next(line)) {
            count += line.size() > 0 ? 1 : 0;
        }
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_ReadAndSplitLines)->Unit(benchmark::kMillisecond);

void BM_ImportLamedb(benchmark::State& state) {
    if (!std::filesystem::exists(kLamedb)) {
        state.SkipWithError("no real lists (TARNELL_TESTDATA)");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto file = EmptyTarget();
        state.ResumeTiming();
        tarnell::ImportReport report;
        if (!tarnell::CEnigma2ImportManager().ImportServices(kLamedb, *file, report)) {
            state.SkipWithError("the import failed");
            return;
        }
        state.counters["channels"] = static_cast<double>(file->m_channels.Size());
        state.counters["transponders"] = static_cast<double>(report.transponders);
        state.PauseTiming();
        file.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportLamedb)->Unit(benchmark::kMillisecond);

const std::filesystem::path kFolder = kLamedb.parent_path();

// Every file a full import reads: the lamedb and all bouquet files beside it.
void BM_ReadAndSplitAllFiles(benchmark::State& state) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    for (auto _ : state) {
        size_t count = 0;
        for (const auto& path : files) {
            const auto bytes = tarnell::ReadWholeFile(path, 64u << 20);
            tarnell::TextLines lines(
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
            std::string_view line;
            while (lines.Next(line)) {
                count += line.size() > 0 ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_ReadAndSplitAllFiles)->Unit(benchmark::kMillisecond);

// The factory list as a base file, as the editor and fdutool start from.
std::filesystem::path FactoryBase() {
    static const std::filesystem::path path = [] {
        auto target = std::filesystem::temp_directory_path() / "tarnell-import-bench-base.fdu";
        tarnell::CTarnell1018Doc doc;
        doc.OnNewDocument();
        tarnell::WriteFileAtomically(target, doc.StoreToBytes());
        return target;
    }();
    return path;
}

// What `fdutool import enigma2 FOLDER --base factory.fdu` does, without the final store.
void ImportWhole(benchmark::State& state, const std::filesystem::path& folder, bool bouquets) {
    if (!std::filesystem::exists(folder)) {
        state.SkipWithError("no real lists (TARNELL_TESTDATA)");
        return;
    }
    const auto base = FactoryBase();
    for (auto _ : state) {
        tarnell::ImportRequest request;
        request.source = folder;
        request.base = base;
        tarnell::CE2ImportBouquetArray array;
        if (bouquets) {
            tarnell::ReadBouquets(array, tarnell::CEnigma2ImportManager::ResolveDatabase(folder));
            request.tvBouquets = array.Offered(true);
            request.radioBouquets = array.Offered(false);
        }
        tarnell::ImportReport report;
        auto doc = tarnell::ImportIntoNewDocument(request, report);
        benchmark::DoNotOptimize(doc.get());
    }
}

void BM_ImportWithBouquets(benchmark::State& state) {
    ImportWhole(state, kFolder, true);
}
BENCHMARK(BM_ImportWithBouquets)->Unit(benchmark::kMillisecond);

void BM_ImportSmallList(benchmark::State& state) {
    ImportWhole(state, kFolder.parent_path() / "sorys-astra19-small", false);
}
BENCHMARK(BM_ImportSmallList)->Unit(benchmark::kMillisecond);

// The fixed cost of every import: the base file loaded and its service list emptied.
void BM_LoadAndEmptyBase(benchmark::State& state) {
    const auto bytes = tarnell::ReadWholeFile(FactoryBase());
    for (auto _ : state) {
        tarnell::CTarnell1018Doc doc;
        doc.LoadFromBytes(bytes);
        tarnell::EmptyServiceList(doc.File());
        benchmark::DoNotOptimize(doc.File().m_channels.Size());
    }
}
BENCHMARK(BM_LoadAndEmptyBase)->Unit(benchmark::kMicrosecond);

void BM_LoadBase(benchmark::State& state) {
    const auto bytes = tarnell::ReadWholeFile(FactoryBase());
    for (auto _ : state) {
        tarnell::CTarnell1018Doc doc;
        doc.LoadFromBytes(bytes);
        benchmark::DoNotOptimize(doc.File().m_channels.Size());
    }
}
BENCHMARK(BM_LoadBase)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Both sides read a 3 MB file into a fresh buffer every time; without this glibc hands such
    // buffers back to the system after each run, and the page faults of the next one swamp the
    // work being compared.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
