// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the main tick: one with nothing due, one that counts a second, and the allocations
// each makes. The idle tick runs a hundred times a second for as long as the program runs, so it
// must stay a handful of comparisons and never touch the heap.
#include "tools/sim/ScriptRunner.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <sstream>
#include <unistd.h>

namespace {

std::atomic<long long> allocations{0};

} // namespace

// Every allocation in this program passes here, so a benchmark can count the ones its loop makes.
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

// A running device: the sheet pulled out, a teen on the screen, a quiet moment of its life.
class Device {
public:
    Device() {
        namespace fs = std::filesystem;
        folder = fs::temp_directory_path() / ("pipling-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        runner = std::make_unique<ScriptRunner>(PIPLING_BIN_DIR, (folder / "store.ini").string(), out);
        for (const char* line : {"store InsulatingSheet 0", "store CharacterNo 4", "clock 10:00:00", "start"})
            runner->runLine(line);
        form().pet.FramePeriod = 30000; // the pet animation is measured with the frames, not here
    }
    ~Device() {
        runner.reset();
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
    Form1& form() { return *runner->device(); }
    VirtualClock& clock() { return runner->clock; }

private:
    std::filesystem::path folder;
    std::ostringstream out;
    std::unique_ptr<ScriptRunner> runner;
};

void reportAllocations(benchmark::State& state, long long before) {
    state.counters["allocs/tick"] = benchmark::Counter(static_cast<double>(allocations.load() - before),
                                                       benchmark::Counter::kAvgIterations);
}

// A tick with no animation step and no second due: the clock stands within one second.
void IdleTick(benchmark::State& state) {
    Device device;
    Form1& form = device.form();
    const long long before = allocations.load();
    for (auto _ : state) {
        form.pet.IntervalCount = 0;
        form.Timer1_Timer();
    }
    reportAllocations(state, before);
}
BENCHMARK(IdleTick);

// A tick on which the wall clock's second has changed: the countdowns run, no minute is due.
void CountedSecond(benchmark::State& state) {
    Device device;
    Form1& form = device.form();
    const long long before = allocations.load();
    for (auto _ : state) {
        device.clock().advance(1000);
        form.pet.SecondCount = 0;
        form.pet.IntervalCount = 0;
        form.Timer1_Timer();
    }
    reportAllocations(state, before);
}
BENCHMARK(CountedSecond);

// The tick while the clock screen is shown: the clock is redrawn from the wall clock each time.
void ClockScreenTick(benchmark::State& state) {
    Device device;
    Form1& form = device.form();
    form.pet.TimerScreen = true;
    form.DoShowTimerScreen(true);
    const long long before = allocations.load();
    for (auto _ : state) {
        form.pet.IntervalCount = 0;
        form.Timer1_Timer();
    }
    reportAllocations(state, before);
}
BENCHMARK(ClockScreenTick);

} // namespace

BENCHMARK_MAIN();
