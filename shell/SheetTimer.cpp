// SPDX-License-Identifier: GPL-3.0-or-later
// The insulating sheet switching the toy on and off, and the toy's keys while the sheet has the
// keyboard focus: the toy's own handling, with the arrows pressing the buttons only.
#include "app/Form1.h"
#include "shell/Sheet.h"

void Form5::Timer1_Timer() {
    PetState& pet = form.pet;
    // InsulatingSheet follows where the sheet is; the count starts again whenever it goes in or out.
    if (fullyIn()) {
        if (pet.InsulatingSheet == 2) SheetTicks = 0;
        pet.InsulatingSheet = 1;
    } else {
        if (pet.InsulatingSheet == 1) SheetTicks = 0;
        pet.InsulatingSheet = 2;
    }
    if (pet.InsulatingSheet == 2 && pet.CurrentInsulatingSheet == 1 && SheetTicks >= StartDelay) {
        startToy();
    } else if (pet.InsulatingSheet == 1 && pet.CurrentInsulatingSheet == 2 && SheetTicks >= StopDelay) {
        stopToy();
    } else if (SheetTicks < StopDelay) {
        // Beyond the longer delay the count no longer matters, so it stops there.
        ++SheetTicks;
    }
}

void Form5::stopToy() {
    PetState& pet = form.pet;
    if (pet.TimerScreen) {
        pet.TimerScreen = false;
        form.DoShowTimerScreen(false);
    }
    // Cutting the battery loses the pet: a new egg waits for the sheet to come out again.
    form.DoSetCharacter(character::Egg);
    // The next tick sets InsulatingSheet back to 1 from the sheet's position.
    pet.InsulatingSheet = 2;
    pet.CurrentInsulatingSheet = 1;
    form.DoMainScreen(false);
    form.timerInterval = 0;
    SheetTicks = 0;
    form.DoHideIcon();
    form.elements.AttendIcon.visible = false;
    form.menuItem(MenuId::mCharacterName).caption = pet.PiplingName;
    form.updateTray(nullptr, pet.PiplingName);
    form.menuItem(MenuId::mPopupInsulatingSheet).enabled = false;
    form.menuItem(MenuId::mCheats).enabled = false;
}

void Form5::startToy() {
    PetState& pet = form.pet;
    // The next tick sets InsulatingSheet to 2 from the sheet's position and restarts the count.
    pet.InsulatingSheet = 1;
    pet.CurrentInsulatingSheet = 2;
    form.DoMainScreen(true);
    form.timerInterval = pet.TimerInterval;
    SheetTicks = 0;
    // Exactly as if the reset button on the back had been pressed: a new egg, with its sound.
    form.ResetButton_MouseUp(mouseButton::Left, 0, 0, 0);
    form.menuItem(MenuId::mPopupInsulatingSheet).enabled = true;
    form.menuItem(MenuId::mCheats).enabled = true;
}

// The toy answers its keys the same whichever of its two windows has the focus, except that the
// arrow keys only press and release the buttons here: they run no button action. A key may open
// the menu, which may remove this very window: nothing may follow.
void Form5::Form_KeyDown(int16_t KeyCode, int16_t) {
    form.keyDown(KeyCode, false);
}

void Form5::Form_KeyUp(int16_t KeyCode, int16_t) {
    form.arrowKey(KeyCode, false, false);
}
