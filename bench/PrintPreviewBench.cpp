// The print preview of all channels: the time until its first page can show, which is when
// every page has been painted (the preview records them all first). 1,000 and 10,000 channels.
#include "CDrucken.h"
#include "SettingsFileBuilder.h"

#include <QPrintPreviewWidget>
#include <QPrinter>

#include <benchmark/benchmark.h>

namespace {

void BM_PrintPreviewAllChannels(benchmark::State& state) {
    const auto file = tarnell::test::MakeRealistic(static_cast<int>(state.range(0)));
    const tarnell::ListFill fill{tarnell::ListMode::AllChannels, 0, true};
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewWidget preview(&printer);
    int pages = 0;
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter* target) {
        tarnell::CDrucken job(*file, fill, 0, {QStringLiteral("All channels"), QString()});
        job.Print(*target);
        pages = job.PageCount();
    });
    for (auto _ : state) {
        preview.updatePreview();
        benchmark::DoNotOptimize(preview.pageCount());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintPreviewAllChannels)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
