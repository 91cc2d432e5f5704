// SPDX-License-Identifier: GPL-3.0-or-later
// The care screens' dispatcher, their shared pieces, and the light, medicine, flush and
// discipline screens. Feeding and the status pages have files of their own.
#include "device/CareScreens.h"

#include <algorithm>
#include <limits>

namespace care {

void playSound(Form1& form, const char* relative) {
    form.DoPlaySound(relative);
}

void playSoundForced(Form1& form, const char* relative) {
    form.DoPlaySound(form.appFile(relative), true, form.options.wave);
}

void resetNeglectClock(Form1& form) {
    form.pet.DyingTimeLeft = neglectAllowance(form.pet.MinutesPerHour);
}

void countUp(int16_t& counter, int16_t by) {
    const int top = std::numeric_limits<int16_t>::max();
    counter = static_cast<int16_t>(std::min(top, counter + by));
}

void place(Element& element, const PictureHandle& picture, int left, int top) {
    element.setPicture(picture);
    element.move(left, top);
}

TwoDigits twoDigits(int value) {
    const int shown = std::clamp(value, 0, 99);
    return {shown / 10, shown % 10};
}

namespace {

int menuRowTop(const Form1& form, int16_t row) {
    return row == 0 ? form.layout.RArrowSelectMenu0Top : form.layout.RArrowSelectMenu1Top;
}

} // namespace

void openMenuCursor(Form1& form, int16_t rememberedRow) {
    // A stored row other than 0 or 1 cannot come from the menus; read it as the second row.
    form.device.MenuIndex = rememberedRow == 0 ? 0 : 1;
    Element& arrow = form.elements.RightArrow;
    arrow.move(form.layout.RArrowSelectMenuLeft, menuRowTop(form, form.device.MenuIndex));
    arrow.visible = true;
}

void moveMenuCursor(Form1& form) {
    form.device.MenuIndex = form.device.MenuIndex == 0 ? 1 : 0;
    Element& arrow = form.elements.RightArrow;
    arrow.visible = false;
    arrow.top = menuRowTop(form, form.device.MenuIndex);
    arrow.visible = true;
    form.pet.ScreenTimeLeft = IdleSeconds;
}

void lightAction(Form1& form, int16_t button) {
    PetState& pet = form.pet;
    ElementSet& e = form.elements;
    const bool menuOpen = e.LightMenu.visible;
    if (button == PressA) {
        if (menuOpen) moveMenuCursor(form);
        return;
    }
    if (button == PressB && !menuOpen) {
        form.DoMainScreen(false);
        e.LightMenu.visible = true;
        openMenuCursor(form, pet.LightMenuIndex);
        pet.ScreenTimeLeft = IdleSeconds;
        form.device.IconTimeLeft = IdleSeconds;
        return;
    }
    e.LightMenu.visible = false;
    e.RightArrow.visible = false;
    pet.ScreenTimeLeft = 0;
    if (button == PressB) {
        pet.LightMenuIndex = form.device.MenuIndex;
        if (form.device.MenuIndex == 0) {
            pet.LightOff = false;
        } else {
            pet.LightOff = true;
            if (!pet.SleepAction) {
                e.Dark.setPicture(e.TempDark[2]);
            } else {
                pet.StatusText = form.menuItem(MenuId::mCheatAction2).caption;
                e.Dark.setPicture(e.TempDark[0]);
            }
            pet.DarkWidth = static_cast<int16_t>(e.Dark.width);
            if (pet.SleepAction && pet.AttentionSleep) {
                // The pet asked for the dark to sleep in: that call is answered, and any other
                // call that was still open is counted as cared for with it.
                if (pet.NeedCount > 0) --pet.NeedCount;
                resetNeglectClock(form);
                if (pet.AttentionHappy) countUp(pet.CareWhenNeed);
                if (pet.AttentionHungry) countUp(pet.CareWhenNeed);
                form.endCalls();
                pet.AttentionSleep = false;
            }
        }
        form.journal.record(form, JournalEvent::Light);
    }
    form.DoMainScreen(true);
}

void medicineAction(Form1& form, int16_t button) {
    PetState& pet = form.pet;
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    const bool running = d.UnhappyAction || d.NegativeAction;
    if (button == PressB && !running) {
        d.FrameIndex = 0;
        if (pet.Sickness <= 0) {
            d.NegativeAction = true;
            place(e.TempImage, e.TempNegative[0], form.layout.NoLeft, form.layout.NoTop);
        } else {
            d.UnhappyAction = true;
            place(e.TempImage, e.TempUnhappy[0], form.layout.UnhappyLeft, form.layout.UnhappyTop);
        }
        form.DoMainScreen(false);
        pet.ScreenTimeLeft = IdleSeconds;
        d.ActionStep = 0;
        d.ActionFramesLeft = 7;
        e.TempImage.visible = form.screenShowsPet();
        d.IconTimeLeft = IdleSeconds;
        return;
    }
    // Only a dose that was given can be finished: A or C on no dose must not cure the pet.
    if (!running) return;
    if (pet.Sickness > 0) {
        --pet.Sickness;
        resetNeglectClock(form);
        form.journal.record(form, JournalEvent::Medicine);
    }
    e.TempImage.visible = false;
    pet.ScreenTimeLeft = 0;
    d.UnhappyAction = d.NegativeAction = false;
    form.DoMainScreen(true);
    d.IconTimeLeft = IdleSeconds;
}

void flushAction(Form1& form, int16_t button) {
    PetState& pet = form.pet;
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    const bool running = d.FlushAction || d.HappyAction;
    if (button == PressB && !running) {
        // The tick moves the wave from here on.
        pet.ScreenTimeLeft = IdleSeconds;
        d.FlushAction = true;
        e.Water.visible = true;
        e.Dark.width -= 60;
        d.IconTimeLeft = IdleSeconds;
        form.journal.record(form, JournalEvent::Flush);
        return;
    }
    if (!running) return;
    pet.ScreenTimeLeft = 0;
    e.Water.visible = false;
    e.Water.move(form.layout.WaterLeft, form.layout.WaterTop);
    e.Dark.width = pet.DarkWidth;
    e.showDroppings(pet.Dung, false);
    pet.Dung = 0;
    d.FlushAction = false;
    e.TempImage.visible = false;
    d.HappyAction = false;
    form.DoMainScreen(true);
}

void disciplineAction(Form1& form, int16_t button) {
    PetState& pet = form.pet;
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    if (button == PressB && !d.UnhappyAction) {
        if (pet.AttentionDiscipline) playSound(form, "\\sounds\\discipln.wav");
        d.UnhappyAction = true;
        form.DoMainScreen(false);
        pet.ScreenTimeLeft = IdleSeconds;
        d.FrameIndex = 0;
        d.ActionStep = 0;
        d.ActionFramesLeft = 7;
        place(e.TempImage, e.TempUnhappy[0], form.layout.UnhappyLeft, form.layout.UnhappyTop);
        e.TempImage.visible = form.screenShowsPet();
        return;
    }
    if (!d.UnhappyAction) return;
    if (pet.AttentionDiscipline) {
        pet.AttentionDiscipline = false;
        // Four scoldings fill the 14 segments: 0, 3, 7, 10, 14.
        const int step = (pet.Discipline == 0 || pet.Discipline == 7) ? 3 : 4;
        pet.Discipline = static_cast<int16_t>(std::min(14, pet.Discipline + step));
    } else if (pet.AttentionHungry || pet.AttentionHappy) {
        // Scolding a pet that called for food or play is remembered against the carer.
        countUp(pet.DisciplineWhenNeed);
    }
    e.TempImage.visible = false;
    pet.ScreenTimeLeft = 0;
    d.UnhappyAction = false;
    form.DoMainScreen(true);
    resetNeglectClock(form);
    d.IconTimeLeft = IdleSeconds;
    form.journal.record(form, JournalEvent::Discipline);
}

} // namespace care

void Form1::DoIconAction(int16_t Button) {
    switch (device.SelectedIcon) {
    case menuIcon::Feed:
        care::feedAction(*this, Button);
        break;
    case menuIcon::Light:
        care::lightAction(*this, Button);
        break;
    case menuIcon::Play:
        care::playAction(*this, Button);
        break;
    case menuIcon::Medicine:
        care::medicineAction(*this, Button);
        break;
    case menuIcon::Flush:
        care::flushAction(*this, Button);
        break;
    case menuIcon::Meter:
        care::meterAction(*this, Button);
        break;
    case menuIcon::Discipline:
        care::disciplineAction(*this, Button);
        break;
    default:
        break;
    }
}
