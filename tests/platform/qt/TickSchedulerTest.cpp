// The desktop's tick scheduler on a fake clock and timer: idle batches, fast wake-ups, input
// catching up, and the proof that batching changes nothing — every scenario script and both
// whole lives give the same output, sounds, tray and store as the plain 10 ms run.
#include "platform/qt/common/TickScheduler.h"
#include "tests/TestTree.h"
#include "tools/sim/ScriptRunner.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A fake monotonic clock and one-shot timer; the timer fires when time passes its deadline.
struct FakeTime {
    int64_t now = 0;
    int64_t wakeAt = LLONG_MAX;
    std::vector<int64_t> delays;
    TickScheduler::Hooks hooks(std::function<void()> period, std::function<int()> busy) {
        return {[this] { return now; },
                [this](int64_t delay) {
                    delays.push_back(delay);
                    wakeAt = now + delay;
                },
                std::move(period), std::move(busy)};
    }
    void pass(TickScheduler& scheduler, int64_t ms) {
        const int64_t end = now + ms;
        while (wakeAt <= end) {
            now = wakeAt;
            wakeAt = LLONG_MAX;
            scheduler.wake();
        }
        now = end;
    }
};

class Scheduler : public testing::Test {
protected:
    FakeTime time;
    std::vector<int64_t> ran; // the nominal time of each period, in the order run
    bool busy = false;
    int64_t busyFrom = LLONG_MAX; // the period that starts a quick sequence
    int every = 0;                // when set, every so many periods one must run on time
    std::vector<int64_t> late;    // how late each of those ran
    TickScheduler scheduler{
        time.hooks(
            [this] {
                ran.push_back(scheduler.nominalTime());
                if (scheduler.nominalTime() == busyFrom) busy = true;
                if (every && ran.size() % every == 0) late.push_back(time.now - scheduler.nominalTime());
            },
            [this] { return every ? every - static_cast<int>(ran.size() % every) : busy; }),
        100};

    void expectEveryPeriodUpTo(int64_t last) {
        ASSERT_EQ(ran.size(), static_cast<std::size_t>(last / 10));
        for (std::size_t i = 0; i < ran.size(); ++i)
            ASSERT_EQ(ran[i], static_cast<int64_t>(i + 1) * 10) << "period " << i;
    }
};

TEST_F(Scheduler, IdleRunsEveryPeriodInOrderAtItsOwnTimeInCoarseBatches) {
    scheduler.start();
    time.pass(scheduler, TickScheduler::InputGraceMs); // the start counts as input
    const uint64_t wakesBefore = scheduler.wakeCount();
    time.pass(scheduler, 10000);
    scheduler.catchUp();
    expectEveryPeriodUpTo(TickScheduler::InputGraceMs + 10000);
    // One wake-up per coarse interval (and the catch-up above), ten periods each.
    EXPECT_LE(scheduler.wakeCount() - wakesBefore, 101u);
    EXPECT_GE(scheduler.wakeCount() - wakesBefore, 99u);
    EXPECT_EQ(time.delays.back(), 100);
}

TEST_F(Scheduler, TurnsFastTheWakeUpAfterAPeriodStartsAQuickSequence) {
    busyFrom = 3050;
    scheduler.start();
    time.pass(scheduler, 3000);
    EXPECT_EQ(time.delays.back(), 100);
    time.pass(scheduler, 100); // the batch up to 3100 holds the period that turns busy
    expectEveryPeriodUpTo(3100);
    EXPECT_EQ(time.delays.back(), 10);
    const std::size_t wakes = time.delays.size();
    time.pass(scheduler, 500);
    EXPECT_EQ(time.delays.size() - wakes, 50u);
    for (std::size_t i = wakes; i < time.delays.size(); ++i)
        EXPECT_EQ(time.delays[i], 10);
    busy = false;
    time.pass(scheduler, 20);
    EXPECT_EQ(time.delays.back(), 100);
}

TEST_F(Scheduler, WakesExactlyForEachPeriodThatMustBeOnTimeAndBatchesThoseBetween) {
    every = 7; // a call's beeps
    scheduler.start();
    time.pass(scheduler, TickScheduler::InputGraceMs);
    const std::size_t wakes = time.delays.size();
    time.pass(scheduler, 7000);
    EXPECT_EQ(time.delays.size() - wakes, 100u);
    scheduler.catchUp();
    expectEveryPeriodUpTo(TickScheduler::InputGraceMs + 7000);
    ASSERT_EQ(late.size(), 800u / 7);
    EXPECT_EQ(std::count(late.begin(), late.end(), 0), 800 / 7);
    every = 20; // more periods apart than a coarse interval: the coarse wake-up still comes
    time.pass(scheduler, 1000);
    EXPECT_EQ(time.delays.back(), 100);
}

TEST_F(Scheduler, InputCatchesThePendingPeriodsUpAndBringsBackFastWakeups) {
    scheduler.start();
    time.pass(scheduler, 2000);
    scheduler.catchUp();
    const std::size_t caughtUp = ran.size();
    time.pass(scheduler, 55); // inside a coarse interval: nothing woke yet
    ASSERT_LT(time.wakeAt, LLONG_MAX);
    scheduler.inputArrived();
    expectEveryPeriodUpTo(2050);
    EXPECT_EQ(ran.size() - caughtUp, 5u);
    EXPECT_EQ(time.delays.back(), 5); // the next period, not the next batch
    time.pass(scheduler, TickScheduler::InputGraceMs - 100);
    EXPECT_EQ(time.delays.back(), 10);
    time.pass(scheduler, 200);
    EXPECT_EQ(time.delays.back(), 100);
}

TEST_F(Scheduler, AGapLongerThanTheCatchUpLimitIsNotLivedThrough) {
    scheduler.start();
    time.pass(scheduler, 2000);
    scheduler.catchUp();
    const std::size_t before = ran.size();
    time.now += 60000; // the process was stopped: its timer fires a minute late
    scheduler.wake();
    const std::size_t run = ran.size() - before;
    EXPECT_LE(run, static_cast<std::size_t>(TickScheduler::MaxCatchUpMs / 10 + 1));
    EXPECT_GE(run, static_cast<std::size_t>(TickScheduler::MaxCatchUpMs / 10));
    EXPECT_EQ(ran.back(), time.now); // the periods kept their phase and reached the present
}

TEST_F(Scheduler, NominalClockReadsTheLocalTimeOncePerWakeAndGivesEachPeriodItsOwnTime) {
    int reads = 0;
    // The local time is 23:59:59.000 when the monotonic clock reads 10 000.
    NominalClock clock([&] {
        ++reads;
        return (24LL * 3600 - 1) * 1000 + (time.now - 10000);
    });
    // Before it follows a scheduler the clock reads the local time every time.
    time.now = 8000;
    EXPECT_EQ(clock.now().second, 57);
    EXPECT_EQ(clock.now().second, 57);
    EXPECT_EQ(reads, 2);
    reads = 0;
    std::vector<TimeOfDay> seen;
    scheduler = TickScheduler(time.hooks([&] { seen.push_back(clock.now()); }, [] { return false; }), 100);
    clock.follow(&scheduler);
    scheduler.start();
    time.pass(scheduler, 3000);
    const int wakes = static_cast<int>(scheduler.wakeCount());
    EXPECT_EQ(reads, wakes);
    ASSERT_EQ(seen.size(), 300u);
    // Period 200 is at 10 000: the last second of the day; the next one wraps to midnight.
    const auto hms = [](const TimeOfDay& t) { return std::tuple(t.hour, t.minute, t.second, t.millisecond); };
    EXPECT_EQ(hms(seen[199]), std::tuple(23, 59, 59, 0));
    EXPECT_EQ(hms(seen[299]), std::tuple(0, 0, 0, 0));
    for (std::size_t i = 1; i < seen.size(); ++i) {
        const int step = ((seen[i].second - seen[i - 1].second + 60) % 60) * 1000 + seen[i].millisecond -
                         seen[i - 1].millisecond;
        ASSERT_EQ(step, 10) << "period " << i;
    }
}

// One script run through the headless device, plainly or through a scheduler.
struct Outcome {
    int status = 0;
    std::string output;
    std::string store;
    std::vector<std::string> soundsLeft;
    int trayCalls = 0;
    uint64_t wakes = 0;
};

enum class Wakes { Plain, Scheduled, AlwaysCoarse };

Outcome runScript(const fs::path& script, Wakes wakes) {
    // Every expectation of the script becomes a dump, so the runs are compared at each point the
    // script checks, not only by what it prints itself.
    std::ifstream file(script);
    std::string text;
    for (std::string line; std::getline(file, line);)
        text += (line.rfind("#>", 0) == 0 ? std::string("dump") : line) + '\n';
    std::istringstream in(text);
    std::unique_ptr<TestTree> tree;
    const std::string appDir = scriptAppDir(script, tree);
    // Each run gets a folder of its own: the store keeps a backup beside itself, and a run that
    // found the previous run's backup would start from that run's pet.
    const fs::path folder = scratchFolder("pipling-ticks");
    const fs::path store = folder / "settings.ini";

    Outcome outcome;
    std::ostringstream out;
    {
        ScriptRunner runner(appDir, store.string(), out);
        FakeTime time;
        const bool coarse = wakes == Wakes::AlwaysCoarse;
        TickScheduler scheduler(
            time.hooks([&] { runner.period(); },
                       [&] { return !coarse && runner.device() ? periodsUntilDue(*runner.device()) : 0; }),
            coarse ? 1000 : 100);
        if (wakes != Wakes::Plain) {
            runner.advance = [&](long long periods) {
                time.pass(scheduler, periods * TickScheduler::PeriodMs);
            };
            runner.beforeCommand = [&] { coarse ? scheduler.catchUp() : scheduler.inputArrived(); };
            scheduler.start();
        }
        outcome.status = runner.run(in);
        outcome.soundsLeft = runner.sound.take();
        outcome.trayCalls = runner.tray.calls;
        outcome.wakes = scheduler.wakeCount();
    }
    outcome.output = out.str();
    outcome.store = fileBytes(store);
    fs::remove_all(folder);
    return outcome;
}

// The device's own answer: during a call's beeping every beep's period runs on time, and the
// toy wakes for the beeps rather than every period.
TEST(ScheduledDevice, EachBeepOfACallRunsOnTimeWithoutTenMillisecondWakeups) {
    const fs::path folder = scratchFolder("pipling-beeps");
    std::ostringstream out;
    ScriptRunner runner(PIPLING_BIN_DIR, (folder / "settings.ini").string(), out);
    FakeTime time;
    std::vector<int64_t> late; // of each beep's period
    TickScheduler scheduler(time.hooks(
                                [&] {
                                    runner.period();
                                    for (const std::string& sound : runner.sound.take())
                                        if (sound.find("attend.wav") != std::string::npos)
                                            late.push_back(time.now - scheduler.nominalTime());
                                },
                                [&] { return runner.device() ? periodsUntilDue(*runner.device()) : 0; }),
                            200);
    runner.advance = [&](long long periods) { time.pass(scheduler, periods * TickScheduler::PeriodMs); };
    runner.beforeCommand = [&] { scheduler.inputArrived(); };
    scheduler.start();
    std::istringstream script("store InsulatingSheet 0\nstore CharacterNo 2\nstart\ntype QZVK\n"
                              "menu mCheatAttention0\nwait 7\n");
    ASSERT_EQ(runner.run(script), 0) << out.str();
    // Five seconds of beeps, one every seven periods; the second after the menu is input's.
    EXPECT_GE(late.size(), 70u);
    EXPECT_EQ(std::count(late.begin(), late.end(), 0), static_cast<long>(late.size()));
    EXPECT_LT(scheduler.wakeCount(), 200u);
    fs::remove_all(folder);
}

class ScheduledRun : public testing::TestWithParam<fs::path> {};

TEST_P(ScheduledRun, GivesExactlyWhatThePlainTenMillisecondRunGives) {
    const Outcome plain = runScript(GetParam(), Wakes::Plain);
    ASSERT_FALSE(plain.output.empty());
    for (Wakes wakes : {Wakes::Scheduled, Wakes::AlwaysCoarse}) {
        const Outcome batched = runScript(GetParam(), wakes);
        const char* how = wakes == Wakes::Scheduled ? "scheduled" : "always coarse";
        EXPECT_EQ(batched.status, plain.status) << how;
        EXPECT_EQ(batched.output, plain.output) << how;
        EXPECT_EQ(batched.store, plain.store) << how;
        EXPECT_EQ(batched.soundsLeft, plain.soundsLeft) << how;
        EXPECT_EQ(batched.trayCalls, plain.trayCalls) << how;
        EXPECT_GT(batched.wakes, 0u) << how;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScheduledRun, testing::ValuesIn(scriptFiles("scenarios")), scriptTestName);
// Whole lives take seconds each: the "Lives" prefix puts them with the long tests.
INSTANTIATE_TEST_SUITE_P(Lives, ScheduledRun, testing::ValuesIn(scriptFiles("lives")), scriptTestName);

} // namespace
