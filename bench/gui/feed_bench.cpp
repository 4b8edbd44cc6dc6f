// The automatic typing in the shown window with the sound off: characters per second of a
// long loaded text, and how long the stop key takes to end a run without a text.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/window/main_window.h"
#include "ui/picture_element.h"
#include "io/qt/text_panel.h"

namespace {

void Press(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(20, 20));
}
void Release(QWidget* w) {
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(20, 20));
}

// The window's machine started on changed settings.
template <typename Change>
void Restart(q417::MainWindow& window, Change&& change) {
    q417::MachineSettings s = window.session().settings();
    change(s);
    window.session().StartUp(s);
}

// The run goes on from the event loop until it ends.
void RunOut(q417::MainWindow& window) {
    while (window.session().Running()) QApplication::processEvents();
}

// A Russian text of state.range(0) characters in lines of about 60.
std::string RussianText(std::size_t size) {
    std::string text;
    for (std::size_t i = 0; text.size() < size; ++i) {
        text.push_back(static_cast<char>(0xC0 + (i * 7) % 32));
        if (i % 6 == 5) text.push_back(' ');
        if (i % 60 == 59) text += "\r\n";
    }
    return text;
}

void BM_FeedLoadedText(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const std::string text = RussianText(static_cast<std::size_t>(state.range(0)));
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.close();
    q417::MainWindow window(dir.filePath(QStringLiteral("Q417.INI")));
    Restart(window, [](q417::MachineSettings& s) {
        s.Sound = false;
        s.Rod = q417::Work::Encipher;
    });
    window.show();
    window.panels().textPanel().open();
    QWidget* start = &window.host().picture(q417::Picture::StartKey);
    for (auto _ : state) {
        window.panels().textPanel().clearText();
        window.panels().textPanel().loadTextFrom(path);
        Press(start);
        Release(start);
        RunOut(window);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FeedLoadedText)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the press of the stop key to the end of the run, in a run without a text.
void BM_StopKeyDelay(benchmark::State& state) {
    QTemporaryDir dir;
    q417::MainWindow window(dir.filePath(QStringLiteral("Q417.INI")));
    Restart(window, [](q417::MachineSettings& s) { s.Sound = false; });
    window.show();
    QWidget* start = &window.host().picture(q417::Picture::StartKey);
    QWidget* stop = &window.host().picture(q417::Picture::StopKey);
    QElapsedTimer since_stop;
    double worst = 0;
    for (auto _ : state) {
        QTimer::singleShot(50, [&] {
            Release(start);
            since_stop.start();
            Press(stop);
            Release(stop);
        });
        Press(start);
        RunOut(window);
        const double ms = since_stop.nsecsElapsed() / 1e6;
        state.SetIterationTime(ms / 1000);
        worst = std::max(worst, ms);
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_StopKeyDelay)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
