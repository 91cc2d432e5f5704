// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// When the desktop toy wakes up to run its 10 ms periods. This file provides:
//  - TickScheduler: runs every 10 ms period in order, each at its own nominal time, but wakes
//    only once per coarse interval while nothing quick is happening, running the periods that
//    fell due since the last wake-up in one batch. Input catches the pending periods up before it
//    is handled and brings back 10 ms wake-ups at once; so does any fast sequence the device
//    runs, and a sequence that needs only some periods on time (a call's beeps) gets a wake-up at
//    each of those. It knows no display: its clock, timer, period and "due" test are given to it,
//    so tests drive it with a fake clock and timer.
//  - NominalClock: the time of day as the period being run sees it, from one reading of the local
//    time per wake-up.
//  - periodsUntilDue: how soon the device next runs something that must not wait for a coarse
//    wake-up (a held button, a drag, an open care screen, a game, eating, a call's next beep, the
//    next frame of a picture cycle that a batch would show out of order, ...).
#include "platform/Services.h"

#include <cstdint>
#include <functional>

class Form1;

class TickScheduler {
public:
    static constexpr int64_t PeriodMs = 10;
    // After input the toy keeps 10 ms wake-ups this long, so a reply to a press is never late.
    static constexpr int64_t InputGraceMs = 1000;
    // A gap longer than this (a stopped or suspended process) is not lived through: as with a
    // plain timer, the periods of the gap are dropped rather than run all at once.
    static constexpr int64_t MaxCatchUpMs = 2000;

    struct Hooks {
        std::function<int64_t()> now; // monotonic milliseconds
        // (Re)arms the one timer; onTime: the wake-up is for a period that must run on time, so
        // the timer must not fire early (a coarse timer may, by a twentieth of its delay).
        std::function<void(int64_t delayMs, bool onTime)> wakeIn;
        std::function<void()> period; // runs one 10 ms period
        // Which period from now is the next that must run on time: 1 while every period must
        // (10 ms wake-ups), N for the N-th, 0 while none must (idle).
        std::function<int()> dueWithin;
    };

    TickScheduler(Hooks hooks, int64_t coarseMs);

    // The first period falls due one period from now. Input and wake-ups before the start run
    // nothing.
    void start();
    // The timer fired: runs the periods due by now and arms the next wake-up.
    void wake();
    // Input arrived: runs the periods due by now, so the input meets the device as it would have
    // on a plain 10 ms timer, and returns to 10 ms wake-ups.
    void inputArrived();
    // Runs every period due by now, without arming the timer.
    void catchUp();

    // The monotonic time of the period being run, or of the last one run.
    int64_t nominalTime() const { return nominal; }
    // The monotonic time read by the last catch-up, and how many catch-ups read it so far.
    int64_t wakeTime() const { return wokeAt; }
    uint64_t wakeCount() const { return wakes; }
    bool started() const { return begun; }

private:
    void arm();

    Hooks hooks;
    int64_t coarseMs;
    int64_t nextDue = 0;
    int64_t nominal = 0;
    int64_t wokeAt = 0;
    int64_t fastUntil = 0;
    uint64_t wakes = 0;
    bool begun = false;
    bool running = false; // guards against a period that lets events run (a drag) re-entering
};

class NominalClock : public Clock {
public:
    // localMsOfDay: the local time of day now, in milliseconds since midnight.
    explicit NominalClock(std::function<int64_t()> localMsOfDay);
    // Once the scheduler has started, the clock tells the time of its periods; until then (while
    // the program starts) it tells the local time itself.
    void follow(const TickScheduler* scheduler);
    TimeOfDay now() const override;

private:
    std::function<int64_t()> localMsOfDay;
    const TickScheduler* scheduler = nullptr;
    // Local time minus monotonic time, read once per wake-up.
    mutable int64_t offset = 0;
    mutable uint64_t offsetWake = ~uint64_t{0};
};

// trayShown: the desktop shows the toy's tray icon, whose idle pictures are a cycle of their own.
int periodsUntilDue(const Form1& form, bool trayShown);
