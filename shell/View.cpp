// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the toy with the mouse, its pop-up menu, turning it around, and keeping it on the screen.
#include "app/Form1.h"
#include "shell/Sheet.h"

#include <cmath>

void Form1::DoSetAlwaysOnTop(WindowState& target, bool OnTop) {
    target.topmost = OnTop;
}

// The views lie one above the other: the back covers the face whenever it shows, and a hidden
// picture gets no mouse at all, so only the view the user sees takes the event.
void Form1::viewMouseDown(const std::string& element, int16_t Button, int16_t Shift, float X, float Y) {
    if (element == "ResetButton") {
        if (elements.ResetButton.visible) ResetButton_MouseDown(Button, Shift, X, Y);
    } else if ((element == "FrontView" && frontShown()) || (element == "BackView" && !frontShown())) {
        DoViewMouseDown(Button, X, Y);
    }
}

void Form1::viewMouseMove(const std::string& element, int16_t Button, int16_t, float X, float Y) {
    if (element == "FrontView" || element == "BackView") DoViewMouseMove(Button, X, Y);
}

void Form1::viewMouseUp(const std::string& element, int16_t Button, int16_t Shift, float X, float Y) {
    if (element == "ResetButton") {
        if (elements.ResetButton.visible) ResetButton_MouseUp(Button, Shift, X, Y);
    } else if (element == "FrontView" || element == "BackView") {
        DoViewMouseUp(Button);
    }
}

void Form1::viewDblClick(const std::string& element) {
    const bool soundOn = options.sound;
    if (element == "FrontView" && frontShown())
        DoShowBack(soundOn);
    else if (element == "BackView" && !frontShown())
        DoShowFront(soundOn);
}

void Form1::DoViewMouseDown(int16_t Button, float X, float Y) {
    if (Button == mouseButton::Left) {
        // A second press during a drag keeps the first grab point.
        if (!device.Dragging) {
            device.DragX = X;
            device.DragY = Y;
            device.Dragging = true;
        }
    } else if (Button == mouseButton::Right) {
        popupMenu();
    }
}

void Form1::DoViewMouseMove(int16_t Button, float X, float Y) {
    if (Button != mouseButton::Left || !device.Dragging) return;
    // X and Y are relative to the view, which moves with the window: shifting the window by the
    // pointer's distance from the grab point brings the grab point back under the pointer.
    window.left = static_cast<int>(std::lround(window.left + (X - device.DragX)));
    window.top = static_cast<int>(std::lround(window.top + (Y - device.DragY)));
    // A sheet seated in the slot travels with the toy.
    if (sheet && ((pet.CurrentInsulatingSheet == pet.InsulatingSheet && pet.InsulatingSheet == 1) ||
                  pet.InsulatingSheetWidthPushed > 0))
        sheet->followToy();
    // Let the desktop repaint (and the tick run) while the user drags.
    platform.desktop.processEvents();
}

void Form1::DoViewMouseUp(int16_t Button) {
    if (Button == mouseButton::Left && device.Dragging) device.Dragging = false;
}

void Form1::DoShowBack(bool SoundOn) {
    // The sheet stuck in the side keeps the toy facing the user until it is pulled out.
    if (options.insulatingSheet) return;
    DoPlaySound(appFile("\\sounds\\turn.wav"), SoundOn, options.wave);
    DoMainScreen(false);
    elements.BackView.visible = true;
    elements.ResetButton.visible = true;
}

void Form1::DoShowFront(bool SoundOn) {
    DoPlaySound(appFile("\\sounds\\turn.wav"), SoundOn, options.wave);
    elements.BackView.visible = false;
    elements.ResetButton.visible = false;
    // A clock on the screen stays; otherwise the screen is drawn again for the pet as it is now.
    if (!pet.TimerScreen) DoMainScreen(true);
}

void Form1::mPopupSide_Click() {
    const bool soundOn = options.sound;
    // The "Back" mark shows the side the toy faces (presentedMenu).
    if (!frontShown())
        DoShowFront(soundOn);
    else
        DoShowBack(soundOn);
}

void Form1::keepOnScreen() {
    // A position stored on a larger desktop comes back flush with the right or bottom edge. A toy
    // only partly off the desktop, or off to the left or top (where another monitor may be),
    // stays where the user left it, and so does one on a screen beside or below the main one.
    const int right = platform.desktop.desktopRight();
    const int bottom = platform.desktop.desktopBottom();
    if (window.left > right) window.left = right - window.width;
    if (window.top > bottom) window.top = bottom - window.height;
}
