// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "pet/TickSteps.h"

#include <algorithm>

namespace {

// Counted seconds drive everything the pet lives by: the icon highlight, the open care screen,
// the attention call, and once a minute the neglect clock, the needs and the save.
void countSecond(Form1& form, int16_t second) {
    PetState& pet = form.pet;
    DeviceState& device = form.device;
    pet.LastSecond = second;
    pet.SecondCount = static_cast<int16_t>(pet.SecondCount + 1);

    if (device.IconTimeLeft >= 1 && pet.ScreenTimeLeft == 0) {
        device.IconTimeLeft = static_cast<int16_t>(device.IconTimeLeft - 1);
        if (device.IconTimeLeft == 0) form.DoHideIcon();
    }
    if (pet.ScreenTimeLeft > 0) {
        pet.ScreenTimeLeft = static_cast<int16_t>(pet.ScreenTimeLeft - 1);
        if (pet.ScreenTimeLeft == 0) {
            // An idle care screen closes itself the way button C would close it.
            form.DoIconAction(PressC);
            form.DoPlaySound("\\sounds\\beep.wav");
        }
    }
    if (pet.AttendTimeLeft > 0) {
        pet.AttendTimeLeft = static_cast<int16_t>(pet.AttendTimeLeft - 1);
        if (pet.AttendTimeLeft == 0) {
            // An unanswered call expires whole: every kind of call is dropped at once.
            form.elements.AttendIcon.visible = false;
            pet.AttendSoundCount = 0;
            pet.AttentionSleep = pet.AttentionHungry = pet.AttentionHappy = pet.AttentionDiscipline = false;
            form.journal.record(form, JournalEvent::Missed);
        }
    }
    // "60 or more": a count past 60 from any source must still end its minute, not run on for good.
    if (pet.SecondCount >= 60) {
        if (pet.DyingTimeLeft > 0) {
            pet.DyingTimeLeft = static_cast<int16_t>(pet.DyingTimeLeft - 1);
        } else {
            // Neglected too long. The event refuses while the pet sleeps, so it comes back every
            // minute until it takes.
            pet.DyingTimeLeft = 0;
            form.mCheatAction_Click(cheat::Dying);
        }
        pet.MinuteCount += 1;
        pet.SecondCount = 0;
        // A pet that has just begun to die has no needs: no calls, no droppings over its dying.
        if (pet.DyingAction == 0) form.DoMinuteNeeds();
        form.journal.minute(form);
        form.DoSaveSettings();
    }
}

} // namespace

void TickSteps::normalStep(Form1& form) {
    PetState& pet = form.pet;
    ElementSet& e = form.elements;
    pet.IntervalCount = static_cast<int16_t>(pet.IntervalCount + pet.TimerInterval);

    if (pet.TimerScreen) {
        form.DoShowClock();
    } else if (pet.Dung > 0) {
        pet.DungFrameCount = static_cast<int16_t>(pet.DungFrameCount + 1);
        if (pet.DungFrameCount >= 12) {
            pet.DungFrameCount = 0;
            // The droppings steam: each one swaps between its two pictures.
            const std::size_t count = static_cast<std::size_t>(std::min<int>(pet.Dung, 8));
            for (std::size_t i = 0; i < count; ++i) {
                Element& dropping = e.DungImage[i];
                dropping.setPicture(dropping.picture == e.TempDung[0] ? e.TempDung[1] : e.TempDung[0]);
            }
        }
    }

    form.DoGameStep();
    form.DoEatingStep();
    form.DoUnhappyStep();
    form.DoHappyStep();
    form.DoNegativeStep();

    // A new call beeps every seven ticks for its first five seconds; any button shortens that.
    if (pet.AttendTimeLeft > QuietCallSeconds) {
        pet.AttendSoundCount = static_cast<int16_t>(pet.AttendSoundCount + 1);
        if (pet.AttendSoundCount >= CallBeepTicks) {
            pet.AttendSoundCount = 0;
            form.DoPlaySound("\\sounds\\attend.wav");
        }
    }

    // The pet lives by the wall clock's seconds, not by the number of ticks, so a late or
    // irregular timer never makes it age faster. The dead and the dying live no time at all.
    const int16_t second = static_cast<int16_t>(form.platform.clock.now().second);
    if (second != pet.LastSecond && pet.CharacterNo != character::Angel && pet.DyingAction == 0)
        countSecond(form, second);

    form.DoAnimate();
}

void Form1::Timer1_Timer() {
    if (pet.ChangeStep >= 1 && TickSteps::changeStep(*this)) {
        watchCalls();
        DoSetToolTip();
        return;
    }
    if (device.FlushAction && !device.HappyAction)
        TickSteps::flushStep(*this);
    else
        TickSteps::normalStep(*this);
    watchCalls();
    DoSetToolTip();
}
