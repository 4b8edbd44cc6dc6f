#include <benchmark/benchmark.h>

#include "core/machine.h"
#include "core/trace.h"
#include "key/key_table.h"
#include "key/random_key.h"

namespace q417 {
namespace {

// A machine with a random key and card, enciphering through a stage that discards everything.
Machine MakeMachine(int machine, int module, int plug) {
    Machine m;
    m.settings.Machine = *SettingFromStored<Model>(machine);
    m.settings.Module = *SettingFromStored<AlphabetModule>(module);
    m.settings.Plug = *SettingFromStored<AlphabetPlug>(plug);
    m.settings.Rod = Work::Encipher;
    m.StartUp();
    KeyTable table;
    GenerateRandomKey(12345, table, m.card);
    ApplyKeyTable(table, m.rotors);
    return m;
}

void RunCycles(benchmark::State& state, Machine& m, const int* keys, int count) {
    int i = 0;
    for (auto _ : state) {
        m.state.InputContact = keys[i];
        m.KeyPressCycle();
        benchmark::DoNotOptimize(m.state.OutputContact);
        if (++i == count) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

const int kAll[30] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                      16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30};
const int kTen[10] = {1, 2, 4, 13, 15, 16, 18, 19, 21, 24};

void BM_CycleFullAlphabet(benchmark::State& state) {
    Machine m = MakeMachine(1, 30, 1);
    RunCycles(state, m, kAll, 30);
}
void BM_CycleLatinPlug(benchmark::State& state) {
    Machine m = MakeMachine(1, 30, 2);
    RunCycles(state, m, kAll, 30);
}
void BM_CycleModule10(benchmark::State& state) {
    Machine m = MakeMachine(1, 10, 1);
    RunCycles(state, m, kTen, 10);
}
void BM_CycleNoPath(benchmark::State& state) {
    Machine m = MakeMachine(1, 10, 2);
    RunCycles(state, m, kTen, 10);
}
void BM_CycleEightRotors(benchmark::State& state) {
    Machine m = MakeMachine(2, 30, 1);
    RunCycles(state, m, kAll, 30);
}
// q417-cli trace: every key press also traced stage by stage afterwards.
void BM_CycleTraced(benchmark::State& state) {
    Machine m = MakeMachine(1, 30, 1);
    KeyPressTrace trace;
    int i = 0;
    for (auto _ : state) {
        m.state.InputContact = kAll[i];
        m.KeyPressCycle();
        TraceLastKeyPress(m, trace);
        benchmark::DoNotOptimize(trace.points.data());
        if (++i == 30) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
void BM_StepRotors(benchmark::State& state) {
    RotorStack r;
    for (auto _ : state) r.StepRotors();
    benchmark::DoNotOptimize(r.Slot(1).Position);
}
void BM_StepRotorsEight(benchmark::State& state) {
    RotorStack r;
    r.SetRotorsInUse(8);
    for (auto _ : state) r.StepRotorsEight();
    benchmark::DoNotOptimize(r.Slot(1).Position);
}

BENCHMARK(BM_CycleFullAlphabet);
BENCHMARK(BM_CycleLatinPlug);
BENCHMARK(BM_CycleModule10);
BENCHMARK(BM_CycleNoPath);
BENCHMARK(BM_CycleEightRotors);
BENCHMARK(BM_CycleTraced);
BENCHMARK(BM_StepRotors);
BENCHMARK(BM_StepRotorsEight);

}  // namespace
}  // namespace q417
