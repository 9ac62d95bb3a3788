// Importing the largest real lamedb against merely reading it and splitting it into lines.
#include "CEnigma2ImportManager.h"
#include "CSettingsFile.h"
#include "FileIo.h"
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
