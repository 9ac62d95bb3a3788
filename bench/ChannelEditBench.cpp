// The channel list's edits on 1,000 and 10,000 channels in a real document window: delete half
// the channels, paste half of them back, move a tenth to position 1, add a tenth to a favourite
// list, and the undo of each. Each time includes the undo snapshot and the window's refill of
// its tree and list; the goal is under 100 ms at 10,000 channels, growing linearly.
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CTarnell1018Doc.h"
#include "ChannelClipboardBlock.h"
#include "SettingsFileBuilder.h"

#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tarnell;

enum class Op { DeleteHalf, PasteHalf, MoveTenth, FavouriteTenth };

struct Window {
    explicit Window(int channels) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        auto document = std::make_unique<CTarnell1018Doc>();
        document->LoadFromBytes(test::MakeRealistic(channels)->Store());
        child = std::make_unique<CChildFrame>(std::move(document), QStringLiteral("bench"), prefs);
        child->resize(1200, 700);
        child->show();
    }
    CTarnell1018Doc& Document() { return child->Document(); }
    // Every `step`-th channel of the table.
    std::vector<CChannelData*> Every(size_t step) {
        std::vector<CChannelData*> picked;
        const auto& items = Document().File().m_channels.Items();
        for (size_t i = 0; i < items.size(); i += step) {
            picked.push_back(items[i].get());
        }
        return picked;
    }

    QTemporaryDir settings;
    CAppPreferences prefs;
    std::unique_ptr<CChildFrame> child;
};

void Run(Window& window, Op op, const std::vector<ClipboardChannel>& clip) {
    CTarnell1018Doc& document = window.Document();
    switch (op) {
    case Op::DeleteHalf: {
        const auto half = window.Every(2);
        document.DeleteChannels({half.begin(), half.end()});
        break;
    }
    case Op::PasteHalf:
        document.PasteChannels(clip, true, document.File().m_channels.At(0), false);
        break;
    case Op::MoveTenth:
        document.MoveChannelsInTable(window.Every(10), true, 1);
        break;
    case Op::FavouriteTenth:
        document.SetFavourites(window.Every(10), 0, true);
        break;
    }
}

void Edit(benchmark::State& state, Op op, bool measureUndo) {
    const int channels = static_cast<int>(state.range(0));
    // The paste goes into a list of half the size, which it fills up again.
    Window window(op == Op::PasteHalf ? channels / 2 : channels);
    std::vector<ClipboardChannel> clip;
    if (op == Op::PasteHalf) {
        const auto all = window.Every(1);
        clip = ChannelClipboardBlock::Collect(window.Document().File(), {all.begin(), all.end()});
        for (auto& c : clip) {
            c.tv.reset(); // the list's kind, whatever the sample made of it
        }
    }
    for (auto _ : state) {
        if (measureUndo) {
            state.PauseTiming();
            Run(window, op, clip);
            state.ResumeTiming();
            window.Document().Undo();
        } else {
            Run(window, op, clip);
            state.PauseTiming();
            window.Document().Undo();
            state.ResumeTiming();
        }
    }
    state.counters["channels"] = channels;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
}

} // namespace

BENCHMARK_CAPTURE(Edit, delete_half, Op::DeleteHalf, false)->Apply(Sizes);
BENCHMARK_CAPTURE(Edit, delete_half_undo, Op::DeleteHalf, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Edit, paste_half, Op::PasteHalf, false)->Apply(Sizes);
BENCHMARK_CAPTURE(Edit, paste_half_undo, Op::PasteHalf, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Edit, move_tenth_to_1, Op::MoveTenth, false)->Apply(Sizes);
BENCHMARK_CAPTURE(Edit, move_tenth_to_1_undo, Op::MoveTenth, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Edit, favourite_tenth, Op::FavouriteTenth, false)->Apply(Sizes);
BENCHMARK_CAPTURE(Edit, favourite_tenth_undo, Op::FavouriteTenth, true)->Apply(Sizes);
