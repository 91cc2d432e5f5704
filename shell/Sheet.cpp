// SPDX-License-Identifier: GPL-3.0-or-later
// The insulating sheet's window: loading it beside the toy, and sliding it in and out of the
// slot with the mouse.
#include "shell/Sheet.h"

#include "app/Form1.h"

#include <cmath>

int Form5::toyRight() const {
    return form.window.left + form.window.width;
}
int Form5::toyTop() const {
    return form.window.top;
}

void Form5::Form_Load() {
    // Without a picture the sheet still has its shape and can be dragged.
    form.DoLoadPicture(form.pet.Plugins, Picture1, "\\other\\", "inssheet.gif");
    form.DoLoadPointer(form.pet.Plugins, Picture1, "\\other\\", "inssheet.cur");
    Picture1.move(0, 0);
    Picture1.width = Width;
    Picture1.height = Height;
    Picture1.visible = true;

    using Shape = OutlineStep::Shape;
    using Combine = OutlineStep::Combine;
    // A strip with a rounded left end and a round pull tab at the right.
    window.outline = {
        {Shape::Ellipse, Combine::Or, 46, 1, 79, 35},
        {Shape::Rectangle, Combine::Or, 5, 9, 60, 26},
        {Shape::Ellipse, Combine::Or, 0, 9, 17, 27},
    };
    window.width = Width;
    window.height = Height;
    window.title = form.window.title;

    const int16_t state = form.pet.InsulatingSheet;
    if (state == 1 || state == 2) {
        window.left = toyRight() - SlotMouth - form.pet.InsulatingSheetWidthPushed;
        // The Cheats menu works only while the toy is switched on.
        form.menuItem(MenuId::mCheats).enabled = state == 2;
    }
    window.top = toyTop() + SlotTop;

    SheetDragging = false;
    form.pet.SendInsulatingSheetToBack = true;
    SheetTicks = 0;
    timerInterval = TimerPeriod;
    form.pet.CurrentInsulatingSheet = state;
}

void Form5::Form_Unload() {
    window.visible = false;
    timerInterval = 0;
    SheetDragging = false;
}

void Form5::DoSheetMouseDown(int16_t Button, float X, float Y) {
    if (Button == mouseButton::Left) {
        if (!SheetDragging) {
            SheetDragX = X;
            SheetDragY = Y;
            SheetDragging = true;
        }
    } else if (Button == mouseButton::Right) {
        // The menu may remove this very window: nothing may follow the call.
        form.popupMenu();
    }
}

void Form5::DoSheetMouseUp(int16_t Button) {
    if (Button == mouseButton::Left && SheetDragging) SheetDragging = false;
}

void Form5::DoSheetMouseMove(int16_t Button, float X, float Y) {
    if (Button != mouseButton::Left || !SheetDragging) return;
    PetState& pet = form.pet;
    const int R = toyRight();
    const int T = toyTop();
    const int L = window.left;
    const int Tp = window.top;
    const bool inBox = L >= R - SlotMouth - DeepestPush && L <= R + BoxRight &&
                       Tp >= T + SlotTop - BoxAbove && Tp <= T + SlotTop + BoxAbove;
    // A sheet already in the slot stays engaged; a free one engages only at the slot's mouth.
    const bool engaged = inBox && (L > R - SlotMouth || pet.SendInsulatingSheetToBack);
    if (engaged) {
        if (!pet.SendInsulatingSheetToBack) {
            // The sheet slides behind the toy.
            form.DoSetAlwaysOnTop(window, false);
            form.DoSetAlwaysOnTop(form.window, true);
            pet.SendInsulatingSheetToBack = true;
        }
        // In the slot the sheet only slides sideways, and no deeper than it was shipped.
        window.top = T + SlotTop;
        const double wanted = L + (static_cast<double>(X) - SheetDragX);
        const int deepest = R - SlotMouth - DeepestPush;
        const double left = wanted > deepest ? wanted : deepest;
        // The depth is taken from where the sheet really goes, so it never exceeds the deepest
        // position; the sheet then sits exactly at its whole-twip depth, so that a toy dragged
        // afterwards carries it to the same place.
        if (left < R - SlotMouth) {
            pet.InsulatingSheetWidthPushed = static_cast<int16_t>(std::nearbyint(R - SlotMouth - left));
            window.left = R - SlotMouth - pet.InsulatingSheetWidthPushed;
        } else {
            pet.InsulatingSheetWidthPushed = 0;
            window.left = static_cast<int>(std::nearbyint(left));
        }
    } else {
        if (pet.SendInsulatingSheetToBack) {
            // A free sheet floats above everything, the toy included.
            form.DoSetAlwaysOnTop(form.window, false);
            form.DoSetAlwaysOnTop(window, true);
            pet.SendInsulatingSheetToBack = false;
        }
        window.left = static_cast<int>(std::nearbyint(L + (static_cast<double>(X) - SheetDragX)));
        window.top = static_cast<int>(std::nearbyint(Tp + (static_cast<double>(Y) - SheetDragY)));
    }
    // Let the desktop repaint, and the timers run, while the user drags.
    form.platform.desktop.processEvents();
}

void Form5::followToy() {
    window.left = toyRight() - SlotMouth - form.pet.InsulatingSheetWidthPushed;
    window.top = toyTop() + SlotTop;
}

bool Form5::fullyIn() const {
    const int R = toyRight();
    return form.pet.SendInsulatingSheetToBack && window.top == toyTop() + SlotTop &&
           window.left >= R - SlotMouth - DeepestPush && window.left <= R - SlotMouth - FullyInPush;
}
