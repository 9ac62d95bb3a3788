// The navigation tree built from a list of 255 satellites and 8,000 transponders, and from a
// tenth of that: the build should grow linearly with the nodes it makes.
#include "CLeftView.h"
#include "CTarnell1018Doc.h"
#include "SettingsFileBuilder.h"
#include "UpdateHints.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tarnell;

// `percent` of the full list: satellites and used transponder slots scale together.
std::unique_ptr<CTarnell1018Doc> MakeDocument(int percent) {
    test::SampleOptions o;
    o.satellites = 255 * percent / 100;
    o.transponderSlots = 8000 * percent / 100;
    o.usedTransponders = o.transponderSlots;
    o.providers = 200 * percent / 100;
    o.tvChannels = 100;
    o.radioChannels = 20;
    o.favourites = 32;
    auto document = std::make_unique<CTarnell1018Doc>();
    document->LoadFromBytes(test::MakeSample(o)->Store());
    return document;
}

struct TreeFixture {
    explicit TreeFixture(int percent) : document(MakeDocument(percent)) {
        tree = std::make_unique<CLeftView>(*document);
        TreeOptions options;
        options.onlyActive = false; // every satellite, with or without channels
        tree->SetOptions(options);
        tree->resize(300, 800);
        tree->show();
        tree->OnUpdate(0, nullptr);
    }
    int Nodes() const {
        const CNavigationTreeModel& model = *tree->Model();
        int nodes = model.rowCount();
        for (int root = 0; root < model.rowCount(); ++root) {
            const QModelIndex r = model.index(root, 0);
            nodes += model.rowCount(r);
            for (int row = 0; row < model.rowCount(r); ++row) {
                nodes += model.rowCount(model.index(row, 0, r));
            }
        }
        return nodes;
    }

    std::unique_ptr<CTarnell1018Doc> document;
    std::unique_ptr<CLeftView> tree;
};

// A rebuild as after an edit of the tree's structure, painted as the user sees it.
void BM_TreeFill(benchmark::State& state) {
    TreeFixture fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        fixture.tree->OnUpdate(kHintRebuildTree, nullptr);
        benchmark::DoNotOptimize(fixture.tree->grab());
    }
    const int nodes = fixture.Nodes();
    state.counters["nodes"] = nodes;
    // Flat from a tenth to the full list means linear growth.
    state.counters["per_node"] = benchmark::Counter(
        nodes, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The full rebuild with every satellite open: the view lays out all 8,000 transponder rows.
void BM_TreeFillExpanded(benchmark::State& state) {
    TreeFixture fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        fixture.tree->OnUpdate(kHintRebuildTree, nullptr);
        fixture.tree->expandAll();
        benchmark::DoNotOptimize(fixture.tree->grab());
    }
    const int nodes = fixture.Nodes();
    state.counters["nodes"] = nodes;
    state.counters["per_node"] = benchmark::Counter(
        nodes, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A re-sort of all satellites, as after a change of the satellite order.
void BM_TreeSortSatellites(benchmark::State& state) {
    TreeFixture fixture(static_cast<int>(state.range(0)));
    int order = 0;
    for (auto _ : state) {
        TreeOptions options = fixture.tree->Options();
        options.satelliteOrder = order++ % 3;
        fixture.tree->SetOptions(options);
        fixture.tree->OnUpdate(kHintResortSatellites, nullptr);
    }
}

BENCHMARK(BM_TreeFill)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeFillExpanded)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeSortSatellites)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
