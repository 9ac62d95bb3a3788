// Comparing two lists and sorting a list like a reference, on 1,250 to 10,000 channels: the
// second list is the first re-sorted, with a twentieth renamed and a tenth removed; the
// reference is every channel's name, in reverse. The goal is under 50 ms at 10,000 channels,
// growing linearly (the reported complexity says how it grows).
#include "CSettingsFile.h"
#include "ListDifference.h"
#include "ReferenceOrder.h"
#include "SettingsFileBuilder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {

using namespace tarnell;

std::unique_ptr<CSettingsFile> Edited(CSettingsFile& original) {
    auto file = test::LoadBytes(original.Store());
    auto& items = file->m_channels.Items();
    std::mt19937 random(18);
    std::shuffle(items.begin(), items.end(), random);
    for (size_t i = 0; i < items.size(); i += 20) {
        const uint16_t name = items[i]->GetNameIndex();
        if (name < file->m_channelNames.Size()) {
            file->m_channelNames.At(name)->SetDisplayName("Renamed " + std::to_string(i));
        }
    }
    std::vector<const CChannelData*> removed;
    for (size_t i = 5; i < items.size(); i += 10) {
        removed.push_back(items[i].get());
    }
    file->DeleteChannels(removed);
    return file;
}

void Compare(benchmark::State& state) {
    auto before = test::MakeRealistic(static_cast<int>(state.range(0)));
    const auto after = Edited(*before);
    size_t changes = 0;
    for (auto _ : state) {
        const auto d = CompareLists(*before, *after, 6);
        changes = d.items.size();
        benchmark::DoNotOptimize(changes);
    }
    state.counters["changes"] = static_cast<double>(changes);
    state.SetComplexityN(state.range(0));
}

void ApplyReference(benchmark::State& state) {
    auto original = test::MakeRealistic(static_cast<int>(state.range(0)));
    const auto bytes = original->Store();
    std::string names;
    const auto entries = ChannelEntries(*original);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        names += it->name + "\n";
    }
    const auto reference = ReferenceFromNames(names, "names.txt");
    for (auto _ : state) {
        state.PauseTiming();
        auto file = test::LoadBytes(bytes);
        state.ResumeTiming();
        auto plan = PlanReferenceOrder(*file, reference, {});
        ApplyReferenceOrder(*file, plan);
        benchmark::DoNotOptimize(plan.report.byName);
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(Compare)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(ApplyReference)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

BENCHMARK_MAIN();
