// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Form1.h"

#include <cstdint>

// The care screens behind the menu icons, the game and the pieces they share. DoIconAction hands
// each button press to the screen of the highlighted icon; each screen decides from the device
// state whether the press opens, moves, confirms or closes it.
namespace care {

// Seconds a care screen or a highlight stays without a button press.
constexpr int16_t IdleSeconds = 10;

// Plays one of the program's sounds ("\sounds\beep.wav") with the user's sound options.
void playSound(Form1& form, const char* relative);
// Plays a sound even while sound is switched off, so that switching it off is still confirmed.
void playSoundForced(Form1& form, const char* relative);

// Care keeps the pet alive: the neglect clock starts again from two pet days.
void resetNeglectClock(Form1& form);
// Counters of the pet's record stop at the top of their 16-bit range instead of wrapping.
void countUp(int16_t& counter, int16_t by = 1);
// Gives an element a picture and a place in one go.
void place(Element& element, const PictureHandle& picture, int left, int top);

// Shows the pressed (button1.gif) or released (button0.gif) picture of a button.
void showButtonPicture(Form1& form, Element& button, bool pressed);
// Closes the dead pet's age page: its digits hidden and, with the angel, back in their places.
void leaveAgePage(Form1& form);

// The two-row menus of Feed and Light share one cursor, RightArrow.
void openMenuCursor(Form1& form, int16_t rememberedRow);
void moveMenuCursor(Form1& form);

// One screen per icon (Play lives with the games).
void feedAction(Form1& form, int16_t button);
void lightAction(Form1& form, int16_t button);
void playAction(Form1& form, int16_t button);
void medicineAction(Form1& form, int16_t button);
void flushAction(Form1& form, int16_t button);
void meterAction(Form1& form, int16_t button);
void disciplineAction(Form1& form, int16_t button);

// The two digits of a number as shown by the large digit pictures: 0..99, tens first. Larger
// values show as 99 and negative ones as 0, since two digit places cannot show more.
struct TwoDigits {
    int tens;
    int ones;
};
TwoDigits twoDigits(int value);

} // namespace care
