// The channel list with 1,000 and 10,000 rows: fill, sort and renumber, against a plain
// QTableView over a model that knows nothing but its size. The list should grow linearly and
// fill and paint within three times the plain table; sorting and renumbering are measured
// without the paint, which costs the same whatever the order.
#include "CChannelListModel.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "ChannelListTexts.h"
#include "SettingsFileBuilder.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QListView>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tarnell;

// A document whose channels are all of one kind, so that the all-channels fill lists each.
std::unique_ptr<CTarnell1018Doc> MakeDocument(int channels) {
    auto document = std::make_unique<CTarnell1018Doc>();
    document->LoadFromBytes(test::MakeRealistic(channels)->Store());
    for (const auto& channel : document->File().m_channels.Items()) {
        channel->SetTv(true);
    }
    document->File().m_channels.AssignRunningNumbers();
    return document;
}

struct ListFixture {
    explicit ListFixture(int channels) : document(MakeDocument(channels)) {
        const QString ini = dir.filePath(QStringLiteral("bench.ini"));
        view = std::make_unique<CTarnell1018View>(
            *document, [] { return ChannelListOptions{}; },
            [ini] { return std::make_unique<QSettings>(ini, QSettings::IniFormat); });
        view->resize(1000, 600);
        view->show();
    }
    // Paints what a user would see, as the plain table does below.
    void Paint() { benchmark::DoNotOptimize(view->Table()->grab()); }

    QTemporaryDir dir;
    std::unique_ptr<CTarnell1018Doc> document;
    std::unique_ptr<CTarnell1018View> view;
};

void BM_ListFill(benchmark::State& state) {
    ListFixture list(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        list.view->Fill({ListMode::AllChannels, 0, true});
        list.Paint();
    }
    state.counters["rows"] = list.view->Model()->rowCount();
}

// The fill alone: what the list does before anything is painted.
void BM_ListFillWithoutPaint(benchmark::State& state) {
    ListFixture list(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        list.view->Fill({ListMode::AllChannels, 0, true});
    }
}

// The compact style lays its entries out in columns of the list width.
void BM_CompactListFill(benchmark::State& state) {
    ListFixture list(static_cast<int>(state.range(0)));
    list.view->SetCompact(true);
    for (auto _ : state) {
        list.view->Fill({ListMode::AllChannels, 0, true});
        benchmark::DoNotOptimize(list.view->CompactList()->grab());
    }
}

// Each click turns the order round: a text column, then a padded one.
void SortByColumn(benchmark::State& state, int column) {
    ListFixture list(static_cast<int>(state.range(0)));
    list.view->Fill({ListMode::AllChannels, 0, true});
    for (auto _ : state) {
        list.view->ClickHeader(column);
    }
}

void BM_ListSortByName(benchmark::State& state) {
    SortByColumn(state, ChannelList::kColName);
}

void BM_ListSortByServiceId(benchmark::State& state) {
    SortByColumn(state, ChannelList::kColServiceId);
}

void BM_ListRenumber(benchmark::State& state) {
    ListFixture list(static_cast<int>(state.range(0)));
    list.view->Fill({ListMode::AllChannels, 0, true});
    list.view->ClickHeader(ChannelList::kColServiceId);
    for (auto _ : state) {
        list.view->Renumber();
    }
}

// The reference: rows that cost nothing to make.
class TrivialModel : public QAbstractTableModel {
public:
    void Reset(int rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_rows;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : ChannelList::kColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        return role == Qt::DisplayRole ? QVariant(index.row()) : QVariant();
    }

private:
    int m_rows = 0;
};

void BM_PlainTableFill(benchmark::State& state) {
    TrivialModel model;
    QTableView table;
    table.setModel(&model);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The same cells on show as in the list.
    for (int column = 0; column < ChannelList::kColumnCount; ++column) {
        table.horizontalHeader()->resizeSection(column, ChannelList::Info(column).defaultWidth);
    }
    table.resize(1000, 600);
    table.show();
    for (auto _ : state) {
        model.Reset(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(table.grab());
    }
}

BENCHMARK(BM_ListFill)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFillWithoutPaint)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainTableFill)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompactListFill)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListSortByName)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListSortByServiceId)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListRenumber)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
