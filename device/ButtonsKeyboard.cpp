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
    keyDown(KeyCode, true);
}

void Form1::Form_KeyUp(int16_t KeyCode, int16_t) {
    arrowKey(KeyCode, false, true);
}

void Form1::keyDown(int16_t KeyCode, bool buttonsAct) {
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
    arrowKey(KeyCode, true, buttonsAct);
}

namespace {

// The arrow keys and the buttons they press, with the flags that say a key holds them.
struct ArrowButton {
    int16_t key;
    Element ElementSet::*button;
    bool PetState::*pressed;
};
constexpr ArrowButton ArrowButtons[] = {
    {KeyCode::Left, &ElementSet::ButtonA, &PetState::ButtonAPressed},
    {KeyCode::Down, &ElementSet::ButtonB, &PetState::ButtonBPressed},
    {KeyCode::Right, &ElementSet::ButtonC, &PetState::ButtonCPressed},
};

} // namespace

void Form1::arrowKey(int16_t KeyCode, bool down, bool buttonsAct) {
    if (!frontShown()) return;
    for (const ArrowButton& arrow : ArrowButtons) {
        if (arrow.key != KeyCode) continue;
        bool& pressed = pet.*arrow.pressed;
        // The pressed flags make a held key one press: the keyboard's own repetition sends more
        // key-downs, which find the button already down.
        if (down && pressed) return;
        care::showButtonPicture(*this, elements.*arrow.button, down);
        pressed = down;
        // B beeps on the key-down, and acts on it.
        if (KeyCode == KeyCode::Down && down && pet.InsulatingSheet != 1)
            care::playSound(*this, "\\sounds\\beep.wav");
        if (!buttonsAct) return;
        if (KeyCode == KeyCode::Left)
            DoButtonA(down);
        else if (KeyCode == KeyCode::Right)
            DoButtonC(down);
        else if (down)
            DoButtonB();
        return;
    }
}

// A key let go while another window has the keyboard sends its release there, so losing the
// focus lets go of every button a key holds. Only the pictures and the flags go back: a release
// the toy never saw confirms nothing, so a held A+C starts no new egg for a dead pet.
void Form1::releaseHeldButtons() {
    for (const ArrowButton& arrow : ArrowButtons) {
        bool& pressed = pet.*arrow.pressed;
        if (!pressed) continue;
        pressed = false;
        care::showButtonPicture(*this, elements.*arrow.button, false);
    }
    device.ComboHeld = false;
}
