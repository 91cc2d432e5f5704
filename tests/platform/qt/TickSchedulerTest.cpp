// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's tick scheduler on a fake clock and timer: idle batches, fast wake-ups, input
// catching up, and the proof that batching changes nothing — every scenario script and both
// whole lives give the same output, sounds, tray and store as the plain 10 ms run.
#include "platform/qt/common/TickScheduler.h"
#include "app/Form1.h"
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
    std::function<void()> afterWake; // what the desktop does after each wake-up: paint
    TickScheduler::Hooks hooks(std::function<void()> period, std::function<int()> busy) {
        return {[this] { return now; },
                [this](int64_t delay, bool) {
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
            if (afterWake) afterWake();
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
        TickScheduler scheduler(time.hooks([&] { runner.period(); },
                                           [&] {
                                               return !coarse && runner.device()
                                                          ? periodsUntilDue(*runner.device(),
                                                                            runner.tray.available())
                                                          : 0;
                                           }),
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

// The headless device on the desktop's scheduler (its coarse interval too), with every wake-up
// recorded: the desktop paints after each one.
struct ScheduledToy {
    explicit ScheduledToy(bool trayHost) {
        runner.tray.hostPresent = trayHost;
        runner.advance = [this](long long periods) {
            time.pass(scheduler, periods * TickScheduler::PeriodMs);
        };
        runner.beforeCommand = [this] { scheduler.inputArrived(); };
        time.afterWake = [this] {
            wakes.push_back(time.now);
            if (painted) painted();
        };
        scheduler.start();
    }
    ~ScheduledToy() { fs::remove_all(folder); }
    bool run(const std::string& script) {
        std::istringstream in(script);
        return runner.run(in) == 0;
    }
    // Time passes with no input, as between a player's visits.
    void idle(int64_t ms) { time.pass(scheduler, ms); }
    double wakesPerSecond(int64_t from, int64_t to) const {
        const auto n =
            std::count_if(wakes.begin(), wakes.end(), [&](int64_t t) { return t >= from && t < to; });
        return 1000.0 * static_cast<double>(n) / static_cast<double>(to - from);
    }
    Form1& device() { return *runner.device(); }

    fs::path folder = scratchFolder("pipling-toy");
    std::ostringstream out;
    ScriptRunner runner{PIPLING_BIN_DIR, (folder / "settings.ini").string(), out};
    FakeTime time;
    std::vector<int64_t> wakes;
    std::function<void()> period, painted;
    TickScheduler scheduler{time.hooks(
                                [this] {
                                    runner.period();
                                    if (period) period();
                                },
                                [this] {
                                    return runner.device()
                                               ? periodsUntilDue(*runner.device(), runner.tray.available())
                                               : 0;
                                }),
                            200};
};

// The device's own answer during a call and after it: every beep's period runs on time, the toy
// wakes for the beeps rather than every period, the quiet rest of the call costs no more than
// idling, and once the call is over the toy is back at its idle rate at once.
TEST(ScheduledDevice, ACallWakesTheToyOnlyForItsBeepsAndLeavesItIdleAfterward) {
    ScheduledToy toy(false);
    std::vector<int64_t> late, beeps; // how late each beep's period ran, and when it ran
    toy.period = [&] {
        for (const std::string& sound : toy.runner.sound.take())
            if (sound.find("attend.wav") != std::string::npos) {
                late.push_back(toy.time.now - toy.scheduler.nominalTime());
                beeps.push_back(toy.scheduler.nominalTime());
            }
    };
    ASSERT_TRUE(toy.run("store InsulatingSheet 0\nstore CharacterNo 2\nstore Hunger 4\nstore Happiness 4\n"
                        "start\ntype QZVK\n"))
        << toy.out.str();
    toy.idle(2000);
    const int64_t idleFrom = toy.time.now;
    toy.idle(5000);
    const double idleRate = toy.wakesPerSecond(idleFrom, toy.time.now);
    EXPECT_LE(idleRate, 5.5);
    ASSERT_TRUE(toy.run("menu mCheatAttention0\n")) << toy.out.str();
    const int64_t called = toy.time.now;
    toy.idle(125000); // the whole call, until it expires unanswered
    ASSERT_EQ(toy.device().pet.AttendTimeLeft, 0);
    // Five seconds of beeps, one every seven periods, each on time.
    EXPECT_GE(late.size(), 70u);
    EXPECT_EQ(std::count(late.begin(), late.end(), 0), static_cast<long>(late.size()));
    // The menu was input: 10 ms wake-ups for a second, then one for each beep.
    EXPECT_LT(toy.wakesPerSecond(called + TickScheduler::InputGraceMs, beeps.back() + 10), 15.0);
    // From a second after the last beep the quiet rest of the call, and the time after it, cost
    // what idling costs.
    EXPECT_LE(toy.wakesPerSecond(beeps.back() + 1000, beeps.back() + 11000), idleRate + 0.2);
    EXPECT_LE(toy.wakesPerSecond(toy.time.now - 4000, toy.time.now), idleRate + 0.2);
}

// Each wake-up paints what the last of its periods left: the pose of the pet and the tray's
// picture must be the ones painted before or the next in the pet's own order, never a step back
// or a skip, whatever the pet does and whether or not a tray shows it.
TEST(ScheduledDevice, PaintsThePetsPicturesOnlyInTheirOwnOrder) {
    struct Case {
        const char* name;
        const char* setup;
        bool tray;
    };
    const Case cases[] = {
        {"standing baby", "store CharacterNo 1\n", true},
        {"standing baby without a tray", "store CharacterNo 1\n", false},
        {"standing adult", "store CharacterNo 6\n", true},
        {"walking child", "store CharacterNo 2\n", true},
        {"sleeping adult, light on", "store CharacterNo 7\nstore SleepAction True\n", false},
    };
    // The next picture in a cycle that may repeat a picture (a sleeping adult breathes A A B C).
    using State = std::vector<const void*>;
    const auto follows = [](const std::vector<State>& cycle, const State& from, const State& to) {
        if (to == from) return true;
        for (std::size_t i = 0; i < cycle.size(); ++i) {
            if (cycle[i] != from) continue;
            for (std::size_t step = 1; step < cycle.size(); ++step)
                if (const State& next = cycle[(i + step) % cycle.size()]; next != from) return next == to;
        }
        return false;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScheduledToy toy(c.tray);
        ASSERT_TRUE(toy.run(
            std::string("store InsulatingSheet 0\nstore Hunger 4\nstore Happiness 4\nstore AttendTimeLeft 0\n"
                        "store AttentionHungry False\nstore AttentionHappy False\n") +
            c.setup + "start\n"))
            << toy.out.str();
        const ElementSet& e = toy.device().elements;
        std::vector<State> pose, tray;
        if (toy.device().pet.SleepAction) {
            const State a{e.TempSleep[0].get(), e.TempSleepSign[0].get()};
            pose = {a,
                    a,
                    {e.TempSleep[1].get(), e.TempSleepSign[1].get()},
                    {e.TempSleep[0].get(), e.TempSleepSign[1].get()}};
        } else if (!toy.device().layout.CanWalk) {
            for (const PictureHandle& picture : e.TempChar)
                pose.push_back({picture.get()});
        }
        for (const PictureHandle& picture : e.TempIcon)
            tray.push_back({picture.get()});
        std::vector<State> seenPose, seenTray;
        toy.painted = [&] {
            if (toy.device().pet.SleepAction)
                seenPose.push_back({e.PipChar.picture.get(), e.SleepSign.picture.get()});
            else
                seenPose.push_back({e.PipChar.picture.get()});
            seenTray.push_back({toy.runner.tray.icon.get()});
        };
        toy.idle(2000);
        seenPose.clear();
        seenTray.clear();
        toy.idle(10000);
        ASSERT_TRUE(e.PipChar.visible);
        int poseSteps = 0, traySteps = 0, poseWrong = 0, trayWrong = 0;
        const bool trayCycles = c.tray && !toy.device().pet.SleepAction;
        for (std::size_t i = 1; i < seenPose.size(); ++i) {
            if (!pose.empty()) {
                poseWrong += !follows(pose, seenPose[i - 1], seenPose[i]);
                poseSteps += seenPose[i] != seenPose[i - 1];
            }
            if (trayCycles) {
                trayWrong += !follows(tray, seenTray[i - 1], seenTray[i]);
                traySteps += seenTray[i] != seenTray[i - 1];
            }
        }
        EXPECT_EQ(poseWrong, 0) << "poses painted out of order, of " << seenPose.size();
        EXPECT_EQ(trayWrong, 0) << "tray pictures out of order, of " << seenTray.size();
        // The pictures do move on: at least one step in three of the pet's own.
        const int frames = 10000 / toy.device().pet.FramePeriod;
        if (!pose.empty()) {
            EXPECT_GE(poseSteps, frames / 3);
        }
        if (trayCycles) {
            EXPECT_GE(traySteps, frames / 3);
        }
        EXPECT_LE(toy.wakesPerSecond(toy.time.now - 10000, toy.time.now),
                  1000.0 / toy.device().pet.FramePeriod + 1);
    }
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
