// SPDX-License-Identifier: GPL-3.0-or-later
// The three buttons of the toy, pressed with the mouse or the arrow keys, and what each press
// means in the state the toy is in: the icon cursor, the clock, the open care screen, the
// dropping, the age page of a dead pet and the A+C combination.
#include "device/CareScreens.h"

#include <cstddef>

namespace {

// The dropping animation's last step: any button skips to it.
constexpr int16_t DroppingDone = 13;

void beepUnlessSheet(Form1& form) {
    if (form.pet.InsulatingSheet != 1) care::playSound(form, "\\sounds\\beep.wav");
}

// What every button does first; false while the sheet keeps the toy switched off.
bool buttonsLive(Form1& form) {
    if (form.pet.InsulatingSheet == 1) return false;
    // Once the first five seconds of a call are over, the toy stops beeping for attention.
    if (form.pet.AttendTimeLeft > QuietCallSeconds) form.pet.AttendTimeLeft = QuietCallSeconds;
    return true;
}

// A and C held together switch the sound; the dead pet's angel waits for their release.
void pressCombination(Form1& form) {
    if (form.pet.CharacterNo < character::Angel) {
        form.options.sound = !form.options.sound;
        care::playSoundForced(form, "\\sounds\\turnsnd.wav");
    }
    form.device.ComboHeld = true;
}

// Releasing one key of the combination; the other key, still held, keeps it alive. A dead pet
// makes way for a new egg on the first release.
void releaseCombination(Form1& form, bool otherKeyHeld) {
    if (!form.device.ComboHeld) return;
    if (!otherKeyHeld) form.device.ComboHeld = false;
    if (form.pet.CharacterNo == character::Angel) {
        form.platform.desktop.setPointer(Pointer::Wait);
        form.DoSetCharacter(character::Egg);
        form.platform.desktop.setPointer(Pointer::Default);
        care::playSound(form, "\\sounds\\reset.wav");
    }
}

// C on the angel turns between the angel and the page that shows how old the pet became.
void toggleAgePage(Form1& form) {
    ElementSet& e = form.elements;
    const LayoutState& at = form.layout;
    const bool front = form.frontShown();
    if (form.device.ActionStep == 0) {
        form.device.ActionStep = 1;
        e.PipChar.visible = false;
        e.Angel.left = at.AngelInAgeScreenLeft;
        e.AgeDigit[0].move(at.AgeDigit0DeathLeft, at.AgeDigit0DeathTop);
        e.AgeDigit[1].move(at.AgeDigit1DeathLeft, at.AgeDigit1DeathTop);
        const care::TwoDigits age = care::twoDigits(form.pet.Age);
        e.AgeDigit[1].setPicture(e.LargeNumber[static_cast<std::size_t>(age.ones)]);
        if (age.tens != 0) e.AgeDigit[0].setPicture(e.LargeNumber[static_cast<std::size_t>(age.tens)]);
        if (front) {
            e.AgeDigit[1].visible = true;
            if (age.tens != 0) e.AgeDigit[0].visible = true;
            e.Yr.visible = true;
        }
        return;
    }
    care::leaveAgePage(form);
    if (front) e.PipChar.visible = true;
}

} // namespace

void care::leaveAgePage(Form1& form) {
    ElementSet& e = form.elements;
    const LayoutState& at = form.layout;
    form.device.ActionStep = 0;
    e.Yr.visible = false;
    e.AgeDigit[0].visible = false;
    e.AgeDigit[1].visible = false;
    e.AgeDigit[0].move(at.AgeDigit0Left, at.AgeDigit0Top);
    e.AgeDigit[1].move(at.AgeDigit1Left, at.AgeDigit1Top);
    e.Angel.left = at.AngelLeft;
}

// The pressed or released picture of a button comes from the skin (or the plug-in's copy of
// it), as found when the skin or plug-in was put on; a missing file keeps the picture the button has.
void care::showButtonPicture(Form1& form, Element& button, bool pressed) {
    if (const PictureHandle& picture = form.buttonPicture(pressed)) button.setPicture(picture);
}

void Form1::ButtonA_MouseDown(int16_t Button, int16_t, float, float) {
    if (Button != mouseButton::Left) return;
    care::showButtonPicture(*this, elements.ButtonA, true);
    beepUnlessSheet(*this);
    DoButtonA(true);
}

void Form1::ButtonA_MouseUp(int16_t Button, int16_t, float, float) {
    if (Button != mouseButton::Left) return;
    care::showButtonPicture(*this, elements.ButtonA, false);
    DoButtonA(false);
}

void Form1::ButtonB_MouseDown(int16_t Button, int16_t, float, float) {
    if (Button != mouseButton::Left) return;
    care::showButtonPicture(*this, elements.ButtonB, true);
    beepUnlessSheet(*this);
}

// With the mouse, B acts when it is let go.
void Form1::ButtonB_MouseUp(int16_t Button, int16_t, float, float) {
    if (Button != mouseButton::Left) return;
    care::showButtonPicture(*this, elements.ButtonB, false);
    DoButtonB();
}

void Form1::ButtonC_MouseDown(int16_t Button, int16_t, float, float) {
    if (Button != mouseButton::Left) return;
    care::showButtonPicture(*this, elements.ButtonC, true);
    beepUnlessSheet(*this);
    DoButtonC(true);
}

void Form1::ButtonC_MouseUp(int16_t Button, int16_t, float, float) {
    if (Button != mouseButton::Left) return;
    care::showButtonPicture(*this, elements.ButtonC, false);
    DoButtonC(false);
}

void Form1::DoButtonA(bool PressedDown) {
    if (!buttonsLive(*this)) return;
    if (!PressedDown) {
        releaseCombination(*this, pet.ButtonCPressed);
        return;
    }
    if (pet.ButtonCPressed && !pet.ButtonBPressed) {
        pressCombination(*this);
        return;
    }
    if (pet.TimerScreen) return;
    care::playSound(*this, "\\sounds\\beep.wav");
    if (pet.CharacterNo < character::Baby || pet.CharacterNo >= character::Angel || pet.ButtonBPressed ||
        pet.ButtonCPressed || pet.DyingAction != 0)
        return;
    if (pet.DroppingAction)
        device.ActionStep = DroppingDone;
    else if (pet.ScreenTimeLeft != 0)
        DoIconAction(PressA);
    else
        DoNextIcon();
}

void Form1::DoButtonB() {
    if (!buttonsLive(*this)) return;
    // B works for the egg too: it shows the clock.
    if (pet.CharacterNo >= character::Angel || pet.DyingAction != 0) return;
    if (pet.DroppingAction) {
        device.ActionStep = DroppingDone;
    } else if (device.IconTimeLeft == 0) {
        pet.TimerScreen = !pet.TimerScreen;
        DoShowTimerScreen(pet.TimerScreen);
    } else if (pet.SleepAction && device.SelectedIcon != menuIcon::Light &&
               device.SelectedIcon != menuIcon::Meter) {
        // A sleeping pet can only have its light switched or its status looked at.
    } else {
        DoIconAction(PressB);
    }
}

void Form1::DoButtonC(bool PressedDown) {
    if (!buttonsLive(*this)) return;
    if (!PressedDown) {
        releaseCombination(*this, pet.ButtonAPressed);
        return;
    }
    if (pet.ButtonAPressed && !pet.ButtonBPressed) {
        pressCombination(*this);
        return;
    }
    if (pet.TimerScreen) return;
    care::playSound(*this, "\\sounds\\beep.wav");
    if (pet.CharacterNo == character::Angel) {
        toggleAgePage(*this);
        return;
    }
    if (pet.ButtonAPressed || pet.ButtonBPressed || pet.CharacterNo < character::Baby || pet.DyingAction != 0)
        return;
    if (pet.DroppingAction)
        device.ActionStep = DroppingDone;
    else if (pet.ScreenTimeLeft != 0)
        DoIconAction(PressC);
    else
        DoHideIcon();
}

void Form1::DoNextIcon() {
    if (device.ShownIcon >= 0 && device.ShownIcon < menuIcon::None)
        elements.PipIcon[static_cast<std::size_t>(device.ShownIcon)].visible = false;
    // The cycle runs through the seven icons and then one step with none.
    device.SelectedIcon = (device.SelectedIcon < 0 || device.SelectedIcon >= menuIcon::None)
                              ? 0
                              : static_cast<int16_t>(device.SelectedIcon + 1);
    if (device.SelectedIcon < menuIcon::None) {
        device.IconTimeLeft = care::IdleSeconds;
        elements.PipIcon[static_cast<std::size_t>(device.SelectedIcon)].visible = true;
        device.ShownIcon = device.SelectedIcon;
    } else {
        device.IconTimeLeft = 0;
    }
}
