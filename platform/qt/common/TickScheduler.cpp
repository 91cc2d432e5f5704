// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/common/TickScheduler.h"

#include "app/Form1.h"
#include "app/Vocabulary.h"

#include <algorithm>
#include <utility>

TickScheduler::TickScheduler(Hooks hooks, int64_t coarseMs)
    : hooks(std::move(hooks)), coarseMs(std::max(coarseMs, PeriodMs)) {}

void TickScheduler::start() {
    const int64_t now = hooks.now();
    begun = true;
    nominal = wokeAt = now;
    nextDue = now + PeriodMs;
    fastUntil = now + InputGraceMs;
    arm();
}

void TickScheduler::catchUp() {
    if (running || !begun) return;
    running = true;
    const int64_t now = hooks.now();
    wokeAt = now;
    ++wakes;
    if (now - nextDue > MaxCatchUpMs) {
        // Keep the phase of the periods, drop the whole ones of the gap.
        const int64_t dropped = (now - nextDue - MaxCatchUpMs) / PeriodMs + 1;
        nextDue += dropped * PeriodMs;
    }
    while (nextDue <= now) {
        nominal = nextDue;
        nextDue += PeriodMs;
        hooks.period();
    }
    running = false;
}

void TickScheduler::arm() {
    const int64_t now = wokeAt;
    int64_t wakeAt = nextDue;
    bool onTime = true;
    if (now >= fastUntil) {
        // Let the periods before the next one that must be on time fall due and run them together
        // with it; idle, a coarse interval's worth.
        const int64_t due = hooks.dueWithin();
        const int64_t wait = due <= 0 ? coarseMs - PeriodMs : (due - 1) * PeriodMs;
        onTime = due > 0 && wait <= coarseMs - PeriodMs;
        wakeAt = nextDue + std::min(wait, coarseMs - PeriodMs);
    }
    hooks.wakeIn(std::max<int64_t>(0, wakeAt - now), onTime);
}

void TickScheduler::wake() {
    if (running || !begun) return; // the period running now arms the timer when it is done
    catchUp();
    arm();
}

void TickScheduler::inputArrived() {
    if (running || !begun) return;
    catchUp();
    fastUntil = wokeAt + InputGraceMs;
    arm();
}

NominalClock::NominalClock(std::function<int64_t()> localMsOfDay) : localMsOfDay(std::move(localMsOfDay)) {}

void NominalClock::follow(const TickScheduler* followed) {
    scheduler = followed;
    offsetWake = ~uint64_t{0};
}

TimeOfDay NominalClock::now() const {
    constexpr int64_t DayMs = 24LL * 3600 * 1000;
    int64_t ms = 0;
    if (!scheduler || !scheduler->started()) {
        ms = localMsOfDay();
    } else {
        if (offsetWake != scheduler->wakeCount()) {
            offsetWake = scheduler->wakeCount();
            offset = localMsOfDay() - scheduler->wakeTime();
        }
        ms = (scheduler->nominalTime() + offset) % DayMs;
        if (ms < 0) ms += DayMs;
    }
    const int seconds = static_cast<int>(ms / 1000);
    return {seconds / 3600, seconds / 60 % 60, seconds % 60, static_cast<int>(ms % 1000)};
}

namespace {

// How many periods from now the pet's next frame falls due: the one that brings the interval
// count, which each normal period raises by the tick's interval, to the frame period.
int periodsToNextFrame(const PetState& pet) {
    if (pet.TimerInterval <= 0) return 0;
    const int left = pet.FramePeriod - pet.IntervalCount;
    return std::max(1, (left + pet.TimerInterval - 1) / pet.TimerInterval);
}

// Whether the player can see a picture cycle of more than two steps that moves on every frame.
// Two pictures that take turns never look out of order, however many frames one wake-up runs;
// a longer cycle does: three frames of four painted together look like one step back. The pet's
// own cycles are the standing pet's four poses and the sleeping adult's four breaths; the tray
// shows the idle pet's eight small pictures in turn.
bool showsLongCycle(const Form1& form, bool trayShown) {
    const PetState& pet = form.pet;
    if (pet.CharacterNo == character::Egg || pet.CharacterNo == character::Angel || pet.Sickness > 0)
        return false;
    const bool petSeen = form.window.visible && !form.window.minimized && form.elements.PipChar.visible;
    if (pet.SleepAction) return petSeen && pet.CharacterNo > character::PoorTeen;
    const bool trayCycles = trayShown && !form.elements.AttendIcon.visible && pet.Dung <= 0;
    return trayCycles || (petSeen && !form.layout.CanWalk);
}

} // namespace

int periodsUntilDue(const Form1& form, bool trayShown) {
    const PetState& pet = form.pet;
    const DeviceState& device = form.device;
    // Held buttons, a drag, the sheet, an open care screen, the clock or a highlighted icon: the
    // player is at the toy.
    if (pet.ButtonAPressed || pet.ButtonBPressed || pet.ButtonCPressed || device.ComboHeld ||
        device.Dragging || form.sheet || pet.ScreenTimeLeft > 0 || pet.TimerScreen || device.IconTimeLeft > 0)
        return 1;
    // The quick sequences: the change curtain, games, eating, flushing, the screen animations,
    // a dropping, dying and the egg's last seconds.
    if (pet.ChangeStep >= 1 || device.GameState != gameState::None || device.EatingAction ||
        device.FlushAction || device.UnhappyAction || device.HappyAction || device.NegativeAction ||
        pet.DroppingAction || pet.DyingAction != 0 ||
        (pet.CharacterNo == character::Egg && pet.MinuteCount == 0 && pet.SecondCount >= 58))
        return 1;
    // A new call beeps on the period that brings its count to seven; those must be on time. So
    // must each frame of a long picture cycle on show, so that every picture painted is the one
    // painted before or the next in the pet's own order.
    int due = 0;
    if (pet.AttendTimeLeft > QuietCallSeconds) due = std::max(1, CallBeepTicks - pet.AttendSoundCount);
    if (showsLongCycle(form, trayShown)) {
        const int frame = periodsToNextFrame(pet);
        if (frame > 0) due = due == 0 ? frame : std::min(due, frame);
    }
    return due;
}
