#include <benchmark/benchmark.h>

#include <string>

#include "core/machine.h"
#include "io/feed.h"
#include "io/printer.h"

namespace q417 {
namespace {

// A megabyte of Russian text in lines of 60 characters, as a text file holds it.
std::string MegabyteFile() {
    std::string file;
    file.reserve(1 << 20);
    for (int i = 0; file.size() < (1u << 20); ++i) {
        file.push_back(static_cast<char>(i % 61 == 60 ? ' ' : 0xC0 + i % 32));
        if (i % 60 == 59) file += "\r\n";
    }
    return file;
}

// Enciphers the whole text through the printer with no pictures attached and the sound off.
void BM_FeedMegabyte(benchmark::State& state) {
    const std::string file = MegabyteFile();
    Machine machine;
    machine.settings.Rod = Work::Encipher;
    machine.settings.Sound = false;
    machine.settings.Divider = true;
    machine.StartUp();
    Printer printer(machine);
    machine.SetOutputStage(&printer);
    TextFeed feed;
    for (auto _ : state) {
        ClearText(machine, printer, feed);
        LoadText(machine, printer, feed, file);
        machine.state.AutoRun = true;
        if (feed.BeginRun(machine))
            while (!feed.Step(machine).ended) {
            }
        benchmark::DoNotOptimize(printer.OutputText().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_FeedMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace q417
