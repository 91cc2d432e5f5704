// SPDX-License-Identifier: GPL-3.0-or-later
// The reset button on the toy's back starts a new egg when it is released.
#include "app/Form1.h"

void Form1::ResetButton_MouseDown(int16_t Button, int16_t, float, float) {
    if (Button != mouseButton::Left) return;
    elements.ResetButton.setPicture(elements.ResetStatus[1].picture);
}

void Form1::ResetButton_MouseUp(int16_t Button, int16_t, float, float) {
    if (Button != mouseButton::Left) return;
    elements.ResetButton.setPicture(elements.ResetStatus[0].picture);
    DoPlaySound("\\sounds\\reset.wav");
    platform.desktop.setPointer(Pointer::Wait);
    DoSetCharacter(character::Egg);
    pet.LightOff = false;
    pet.LightMenuIndex = 0;
    platform.desktop.setPointer(Pointer::Default);
}
