// Start-up to a shown main window with the factory list, against a bare QMainWindow with a
// table: what our own start adds on top of Qt's.
#include "CChildFrame.h"
#include "CMainFrame.h"
#include "CTarnell1018App.h"
#include "IUserDialogs.h"

#include <QApplication>
#include <QMainWindow>
#include <QSettings>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace tarnell;

namespace {

// The real dialogs, but nothing that would wait for a click.
class SilentDialogs : public CUserDialogs {
public:
    void ShowError(QWidget*, const QString& text) override {
        fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
    void ShowInformation(QWidget*, const QString&) override {}
    void ShowNotice(QWidget*, const QString&) override {}
};

void StartToShownWindow(benchmark::State& state) {
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    auto dialogs = std::make_shared<SilentDialogs>();
    for (auto _ : state) {
        CTarnell1018App app(dialogs);
        app.SetLanguageFolders({QStringLiteral(TARNELL_QM_DIR)});
        if (!app.InitInstance({QStringLiteral("tarnell1018"), QStringLiteral("--new")})) {
            state.SkipWithError("start-up failed");
            break;
        }
        if (!QTest::qWaitForWindowExposed(app.MainFrame())) {
            state.SkipWithError("main window not shown");
            break;
        }
        QApplication::processEvents();
        benchmark::DoNotOptimize(app.MainFrame()->Children().size());
    }
}
BENCHMARK(StartToShownWindow)->Unit(benchmark::kMillisecond);

// The reference: a main window with a table of a few hundred rows, shown.
void PlainMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        QStandardItemModel model(300, 5);
        auto* table = new QTableView(&window);
        table->setModel(&model);
        window.setCentralWidget(table);
        window.resize(1200, 760);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("window not shown");
            break;
        }
        QApplication::processEvents();
    }
}
BENCHMARK(PlainMainWindow)->Unit(benchmark::kMillisecond);

} // namespace
