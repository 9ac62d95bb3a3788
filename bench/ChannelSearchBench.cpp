// The search pane on 10,000 channels: a keystroke that changes the results, from the widest
// ("ch": every channel) to the narrowest, with the results painted as a user sees them; and the
// search again after an edit, when every name is read anew. Goal: a keystroke within 5 ms.
#include "CChannelSucheDlg.h"
#include "CTarnell1018Doc.h"
#include "SettingsFileBuilder.h"

#include <QLineEdit>
#include <QObject>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tarnell;

struct SearchFixture {
    explicit SearchFixture(int channels) : document(std::make_unique<CTarnell1018Doc>()) {
        document->LoadFromBytes(test::MakeRealistic(channels)->Store());
        // One kind, so that the widest search lists every channel.
        for (const auto& channel : document->File().m_channels.Items()) {
            channel->SetTv(true);
        }
        document->File().m_channels.AssignRunningNumbers();
        pane.resize(420, 600);
        pane.show();
        pane.SetSource(*document, &owner, [] { return CChannelSucheDlg::View{}; });
    }
    void Type(const QString& text) {
        pane.SearchEdit()->setText(text);
        pane.Results()->viewport()->repaint();
    }

    QObject owner;
    std::unique_ptr<CTarnell1018Doc> document;
    CChannelSucheDlg pane;
};

void BM_SearchKeystroke(benchmark::State& state) {
    SearchFixture search(10000);
    const QString texts[] = {QStringLiteral("ch"), QStringLiteral("cha"),
                             QStringLiteral("channel 1"), QStringLiteral("channel 12"),
                             QStringLiteral("channel 123")};
    const QString& text = texts[state.range(0)];
    // Every measured keystroke changes the text, as typing does.
    const QString other = text + QStringLiteral("#");
    for (auto _ : state) {
        state.PauseTiming();
        search.Type(other);
        state.ResumeTiming();
        search.Type(text);
    }
    state.counters["rows"] = search.pane.Model()->rowCount();
}

void BM_SearchAfterEdit(benchmark::State& state) {
    SearchFixture search(10000);
    search.Type(QStringLiteral("channel 1"));
    for (auto _ : state) {
        search.pane.OnDocumentUpdate(*search.document, kHintRefillFromTree, nullptr);
    }
    state.counters["rows"] = search.pane.Model()->rowCount();
}

} // namespace

BENCHMARK(BM_SearchKeystroke)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAfterEdit)->Unit(benchmark::kMillisecond);
