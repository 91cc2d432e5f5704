// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard of the toy: arrows for the buttons, Enter for the menu, F1 for the instructions,
// Escape to hide, and the typed letters that show or hide the Cheats menu.
#include "device/CareScreens.h"
#include "device/KeyCodes.h"

#include <cstddef>
#include <string>

namespace {

constexpr char CheatSequence[] = "QZVK";
constexpr std::size_t CheatLength = sizeof(CheatSequence) - 1;

// The sequence shows the Cheats menu and its separator, or hides them again. The menu stays
// greyed while the insulating sheet keeps the toy switched off.
void typeCheatLetter(Form1& form, char letter) {
    std::string& code = form.pet.CheatCode;
    code += letter;
    if (code.size() < CheatLength) return;
    if (code == CheatSequence) {
        form.options.cheatsShown = !form.options.cheatsShown;
        form.menuItem(MenuId::mCheats).enabled = form.pet.InsulatingSheet != 1;
    }
    code.clear();
}

} // namespace

void Form1::Form_KeyDown(int16_t KeyCode, int16_t) {
    switch (KeyCode) {
    case KeyCode::Enter:
        popupMenu();
        return;
    case KeyCode::F1:
        mPopupInstructions_Click();
        return;
    case KeyCode::Escape:
        mPopupStatus_Click();
        return;
    case KeyCode::Backspace:
        if (!pet.CheatCode.empty()) pet.CheatCode.pop_back();
        return;
    default:
        break;
    }
    if (KeyCode >= 'A' && KeyCode <= 'Z') {
        typeCheatLetter(*this, static_cast<char>(KeyCode));
        return;
    }
    // Any other key breaks the sequence being typed.
    pet.CheatCode.clear();
    if (!frontShown()) return;
    // The pressed flags make a held key one press: the keyboard's own repetition sends more
    // key-downs, which find the button already down. B acts on the key-down, as it beeps.
    switch (KeyCode) {
    case KeyCode::Left:
        if (pet.ButtonAPressed) return;
        care::showButtonPicture(*this, elements.ButtonA, true);
        pet.ButtonAPressed = true;
        DoButtonA(true);
        break;
    case KeyCode::Down:
        if (pet.ButtonBPressed) return;
        care::showButtonPicture(*this, elements.ButtonB, true);
        pet.ButtonBPressed = true;
        if (pet.InsulatingSheet != 1) care::playSound(*this, "\\sounds\\beep.wav");
        DoButtonB();
        break;
    case KeyCode::Right:
        if (pet.ButtonCPressed) return;
        care::showButtonPicture(*this, elements.ButtonC, true);
        pet.ButtonCPressed = true;
        DoButtonC(true);
        break;
    default:
        break;
    }
}

void Form1::Form_KeyUp(int16_t KeyCode, int16_t) {
    if (!frontShown()) return;
    switch (KeyCode) {
    case KeyCode::Left:
        care::showButtonPicture(*this, elements.ButtonA, false);
        pet.ButtonAPressed = false;
        DoButtonA(false);
        break;
    case KeyCode::Down:
        care::showButtonPicture(*this, elements.ButtonB, false);
        pet.ButtonBPressed = false;
        break;
    case KeyCode::Right:
        care::showButtonPicture(*this, elements.ButtonC, false);
        pet.ButtonCPressed = false;
        DoButtonC(false);
        break;
    default:
        break;
    }
}

// A key let go while another window has the keyboard sends its release there, so losing the
// focus lets go of every button a key holds. Only the pictures and the flags go back: a release
// the toy never saw confirms nothing, so a held A+C starts no new egg for a dead pet.
void Form1::releaseHeldButtons() {
    const auto release = [this](bool& pressed, Element& button) {
        if (!pressed) return;
        pressed = false;
        care::showButtonPicture(*this, button, false);
    };
    release(pet.ButtonAPressed, elements.ButtonA);
    release(pet.ButtonBPressed, elements.ButtonB);
    release(pet.ButtonCPressed, elements.ButtonC);
    device.ComboHeld = false;
}
