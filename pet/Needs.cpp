// SPDX-License-Identifier: GPL-3.0-or-later
// The minute step of the pet's life: sleep and waking, droppings, illness, hunger, unhappiness,
// discipline calls and the end of a stage. Every outcome goes through the event handlers of the
// Cheats menu (pet/Events.cpp), so the simulation and a cheat start an event the same way.
#include "app/Form1.h"

#include <cmath>

namespace {

using namespace cheat;

void addTo(int16_t& field, int amount) {
    field = static_cast<int16_t>(field + amount);
}

// Every draw is fresh and taken only when the rule reaches it, so that a recorded sequence of
// values replays a pet's life exactly.
int coin(Form1& form) {
    return static_cast<int>(2 * form.platform.chance.next());
}
int die3(Form1& form) {
    return static_cast<int>(3 * form.platform.chance.next());
}

// The hourly step's own discipline call. Unlike the Cheats item it takes no heart away (the step
// has just done that) and does not count as a need.
void disciplineCall(Form1& form) {
    form.DoShowIfAutoShow();
    form.pet.AttentionDiscipline = true;
    form.elements.AttendIcon.visible = true;
    form.pet.AttendTimeLeft = CallSeconds;
    form.callStarted(CallKind::Discipline);
    form.journal.record(form, JournalEvent::Call);
}

// The baby's first 21 minutes follow a fixed script that shows the user every kind of care once.
void babyMinute(Form1& form, int32_t minute) {
    auto& pet = form.pet;
    if (minute == 5) {
        form.mCheatAction_Click(Poop);
    } else if (!pet.SleepAction && minute == 11) {
        form.mCheatAction_Click(Sleep);
    } else if (pet.SleepAction && minute == 13) {
        form.mCheatAction_Click(Sleep);
    } else if (minute == 14) {
        // Two doses of medicine are needed this time.
        form.mCheatAction_Click(Sick);
        addTo(pet.Sickness, 1);
    } else if (minute >= pet.MinuteToChangeCharacter) {
        form.DoEvolve();
    } else {
        if (pet.Hunger > 0) addTo(pet.Hunger, -coin(form));
        if (pet.Happiness > 0) addTo(pet.Happiness, -coin(form));
        if (pet.Sickness == 0) {
            if (pet.Hunger == 0) form.mCheatAttention_Click(Hungry);
            if (pet.Happiness == 0) form.mCheatAttention_Click(Unhappy);
        }
    }
}

// Character 5 sometimes puts itself to bed: the light goes off and its sleep call is withdrawn,
// so it costs the user nothing.
void switchOwnLightOff(Form1& form) {
    auto& pet = form.pet;
    auto& e = form.elements;
    pet.AttentionSleep = false;
    e.AttendIcon.visible = false;
    addTo(pet.NeedCount, -1);
    pet.AttendTimeLeft = 0;
    pet.LightMenuIndex = 1;
    pet.LightOff = true;
    e.Dark.setPicture(e.TempDark[0]);
    pet.DarkWidth = static_cast<int16_t>(e.Dark.width);
    form.DoMainScreen(true);
}

bool diesAtStageEnd(int16_t characterNo) {
    switch (characterNo) {
    case character::Beanix:
    case character::Silvermop:
    case character::Beakbun:
    case character::Wigglet:
    case character::Roelum:
    case character::Secret:
        return true;
    default:
        return false;
    }
}

// The needs of one pet hour: illness, the neglect of an ill pet, hunger, unhappiness and calls.
void hourlyNeeds(Form1& form) {
    auto& pet = form.pet;
    addTo(pet.TotalNeedCount, 2);

    // A heavy pet falls ill more often: 10 in (100 - Weight) per hour, every hour from 90 on.
    const double u = form.platform.chance.next();
    if (std::floor((100 - pet.Weight) * u) < 10) {
        form.mCheatAction_Click(Sick);
        addTo(pet.Sickness, coin(form));
    }
    if (pet.Sickness > 0) addTo(pet.DyingTimeLeft, -pet.Age);

    if (pet.Hunger > 0 && coin(form) == 0) {
        addTo(pet.Hunger, -1);
        if (die3(form) == 0 && !pet.SleepAction && !pet.AttentionDiscipline && pet.Hunger >= 1 &&
            pet.Discipline < 14)
            disciplineCall(form);
    }
    if (pet.Happiness > 0 && coin(form) == 0) {
        addTo(pet.Happiness, -1);
        if (die3(form) == 0) {
            if (pet.SleepAction) return;
            if (!pet.AttentionDiscipline && pet.Happiness > 0 && pet.Discipline < 14) disciplineCall(form);
        }
    }

    // A pending discipline call takes precedence over new hunger and unhappiness calls.
    if (pet.SleepAction || pet.Sickness != 0 || pet.AttentionDiscipline) return;
    if (pet.Hunger == 0) form.mCheatAttention_Click(Hungry);
    if (pet.Happiness == 0) form.mCheatAttention_Click(Unhappy);
}

} // namespace

void Form1::DoMinuteNeeds() {
    const int32_t H = pet.MinutesPerHour;
    const int32_t M = pet.MinuteCount;
    if (H < 1) return; // the pet hour is a constant of 10 minutes; no other value gives a meaningful day
    if (pet.CharacterNo == character::Baby) {
        babyMinute(*this, M);
        return;
    }

    // Twelve pet hours awake, twelve asleep, starting with the thirteenth hour of every stage.
    if (M % (12 * H) == 1 && M > 12 * H) {
        const bool wasAsleep = pet.SleepAction;
        mCheatAction_Click(Sleep);
        if (pet.CharacterNo == character::Beanix && !wasAsleep && pet.SleepAction && coin(*this) == 0)
            switchOwnLightOff(*this);
        return;
    }
    if (pet.SleepAction) return;

    if (M >= pet.MinuteToChangeCharacter) {
        if (diesAtStageEnd(pet.CharacterNo))
            mCheatAction_Click(Dying);
        else
            DoEvolve(); // the egg hatches through its own animation, so for it this does nothing
        return;
    }

    if (M % (3 * H) == 2) mCheatAction_Click(Poop);
    if (M % H == 3) hourlyNeeds(*this);
}

void Form1::DoShowIfAutoShow() {
    if (options.autoShow && options.hidden) mPopupStatus_Click();
}
