// The machine window's speed: a key press through the window (cycle, rotor pictures, tape,
// keyboard picture) and start-up to the first painted frame. Runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "app/window/main_window.h"
#include "app/qt/signal_path_panel.h"

namespace {

void BM_KeyPressThroughWindow(benchmark::State& state) {
    QTemporaryDir dir;
    q417::MainWindow window(dir.filePath("Q417.INI"));
    q417::MachineSettings s = window.session().settings();
    s.Rod = q417::Work::Encipher;
    s.Sposob = q417::PrintMethod::AlsoPunchedTape;
    window.session().StartUp(s);
    window.show();
    const Qt::Key keys[] = {Qt::Key_F, Qt::Key_A, Qt::Key_Space, Qt::Key_K, Qt::Key_L};
    int i = 0;
    for (auto _ : state) {
        const Qt::Key key = keys[i++ % 5];
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(&window, &down);
        QApplication::sendEvent(&window, &up);
        if (i % 64 == 0 && state.range(0)) QApplication::processEvents();  // repaint
    }
    QApplication::processEvents();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyPressThroughWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Typing with the signal-path panel closed (first argument 0) and open (1), the window's
// events handled after every key press or every 64 (second argument). The panel draws at
// most once per frame.
void BM_KeyPressWithSignalPathPanel(benchmark::State& state) {
    QTemporaryDir dir;
    q417::MainWindow window(dir.filePath("Q417.INI"));
    q417::MachineSettings s = window.session().settings();
    s.Rod = q417::Work::Encipher;
    window.session().StartUp(s);
    window.show();
    if (state.range(0)) window.panels().signalPathPanel().open();
    const Qt::Key keys[] = {Qt::Key_F, Qt::Key_A, Qt::Key_Comma, Qt::Key_K, Qt::Key_L};
    int i = 0;
    for (auto _ : state) {
        const Qt::Key key = keys[i++ % 5];
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(&window, &down);
        QApplication::sendEvent(&window, &up);
        if (i % state.range(1) == 0) QApplication::processEvents();
    }
    QApplication::processEvents();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyPressWithSignalPathPanel)
    ->Args({0, 64})
    ->Args({1, 64})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_StartUpToFirstFrame(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        q417::MainWindow window(dir.filePath("Q417.INI"));
        window.show();
        const QImage frame = window.grab().toImage();
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
