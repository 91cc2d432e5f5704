// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "pet/TickSteps.h"

#include <algorithm>

namespace {

// The curtain of the character change: eight frames drawn one every seven ticks, first with the
// change sound while it closes, then in silence while it opens again after the pause.
constexpr int16_t CloseFirst = 15, CloseLast = 64, Closed = 71;
constexpr int16_t OpenFirst = 106, OpenLast = 155, Done = 162;
constexpr int16_t FrameTicks = 7;

// Steps on which the change lets the rest of the tick run: the lead-in and the pause.
bool tickGoesOn(int16_t step) {
    return (step >= 2 && step <= 14) || (step >= 72 && step <= 105);
}

void showCurtain(Form1& form, int16_t stepsIn) {
    // The frame steps fall one tick after each multiple of seven, so the whole part is the frame.
    const auto frame = static_cast<std::size_t>(stepsIn / FrameTicks);
    form.elements.ChangingScreen.setPicture(form.elements.TempChangingScreen[frame]);
    form.elements.ChangingScreen.visible = true;
}

void changeWork(Form1& form, int16_t step) {
    if (step == 1) {
        // Whatever the screen was busy with gives way to the change.
        if (!form.closeClock()) form.DoEndCurrentAction();
    } else if (step >= CloseFirst && step <= CloseLast && (step - CloseFirst) % FrameTicks == 0) {
        form.DoPlaySound("\\sounds\\change.wav");
        showCurtain(form, static_cast<int16_t>(step - (CloseFirst - 1)));
    } else if (step == Closed) {
        form.elements.ChangingScreen.visible = false;
    } else if (step >= OpenFirst && step <= OpenLast && (step - OpenFirst) % FrameTicks == 0) {
        showCurtain(form, static_cast<int16_t>(step - (OpenFirst - 1)));
    } else if (step == Done) {
        // The increment that follows brings the step to 0, which ends the change.
        form.pet.ChangeStep = -1;
        form.elements.ChangingScreen.visible = false;
        form.platform.desktop.setPointer(Pointer::Wait);
        form.DoSetCharacter(form.pet.NextCharacterNo);
        form.platform.desktop.setPointer(Pointer::Default);
    }
}

} // namespace

bool TickSteps::changeStep(Form1& form) {
    const int16_t step = form.pet.ChangeStep;
    if (tickGoesOn(step)) {
        form.pet.ChangeStep = static_cast<int16_t>(step + 1);
        return false;
    }
    changeWork(form, step);
    form.pet.ChangeStep = static_cast<int16_t>(form.pet.ChangeStep + 1);
    return true;
}

void TickSteps::flushStep(Form1& form) {
    PetState& pet = form.pet;
    DeviceState& device = form.device;
    ElementSet& e = form.elements;

    if (e.Water.left <= e.PipScr.left) {
        // The wave has crossed the screen.
        e.Dark.width = pet.DarkWidth;
        e.Water.visible = false;
        e.Water.move(form.layout.WaterLeft, form.layout.WaterTop);
        e.DungImage[6].visible = false;
        e.DungImage[7].visible = false;
        e.PipChar.visible = false;
        if (pet.Dung < 1) {
            // Nothing was there to clean: no happy pet, and the neglect clock runs on.
            pet.ScreenTimeLeft = 0;
            device.FlushAction = false;
            form.DoMainScreen(true);
            return;
        }
        pet.DyingTimeLeft = neglectAllowance(pet.MinutesPerHour);
        // The wave washes away what it passed; a dropping it never reached (a skin whose wave
        // starts over the screen's left edge) must not outlive the count that says it is gone.
        for (std::size_t i = 0; i < static_cast<std::size_t>(std::min<int>(pet.Dung, 8)); ++i)
            e.DungImage[i].visible = false;
        pet.Dung = 0;
        device.HappyAction = true;
        pet.ScreenTimeLeft = 10;
        device.FrameIndex = 0;
        device.ActionStep = 0;
        device.ActionFramesLeft = 7;
        e.TempImage.setPicture(e.TempHappy[0]);
        e.TempImage.move(form.layout.HappyLeft, form.layout.HappyTop);
        e.TempImage.visible = form.screenShowsPet();
        return;
    }

    // One step left; everything the wave's front has reached is washed off the screen.
    constexpr int Step = 60;
    e.Water.left -= Step;
    e.Dark.width -= Step;
    const auto wash = [&](Element& element) {
        if (element.visible && element.left >= e.Water.left) element.visible = false;
    };
    for (std::size_t i = 0; i < 6; ++i)
        wash(e.DungImage[i]);
    wash(e.PipChar);
    wash(e.Skull);
}
