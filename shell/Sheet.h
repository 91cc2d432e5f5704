// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Element.h"
#include "shell/WindowState.h"

#include <cstdint>

class Form1;

// The insulating sheet: a small pull tab stuck into the toy's right side. While it sits deep in
// its slot the toy is switched off; pulling it out switches the toy on with a new egg, and pushing
// it back in and holding it there switches the toy off again. The window is data like the
// device's: the view mirrors `window` and draws `Picture1`, and hands mouse, keys and its 100 ms
// timer to the handlers below. `Form1` owns the one sheet while the "Insulating Sheet" item is
// checked.
class Form5 {
public:
    explicit Form5(Form1& form) : form(form) {}

    // Where the sheet sits relative to the toy, in twips from its right edge R and its top T.
    static constexpr int Width = 1170;
    static constexpr int Height = 510;
    static constexpr int SlotTop = 1600;     // the sheet's top when it sits in the slot: T + 1600
    static constexpr int SlotMouth = 60;     // left = R - 60 - depth
    static constexpr int DeepestPush = 700;  // the sheet cannot go deeper
    static constexpr int FullyInPush = 500;  // from this depth on the sheet insulates the battery
    static constexpr int BoxRight = 90;      // the sheet engages with its left up to R + 90 ...
    static constexpr int BoxAbove = 150;     // ... and its top within 150 of the slot's
    static constexpr int16_t StartDelay = 5; // ticks out of the slot before the toy starts
    static constexpr int16_t StopDelay = 15; // ticks fully in before the toy stops
    static constexpr int TimerPeriod = 100;  // ms

    Form1& form;
    WindowState window;
    Element Picture1; // fills the window and takes all its mouse input
    bool SheetDragging = false;
    float SheetDragX = 0; // grab point inside Picture1, twips
    float SheetDragY = 0;
    int16_t SheetTicks = 0; // timer ticks since the sheet last went in or out, up to StopDelay
    int timerInterval = 0;  // the sheet's Timer1, ms; 0 = stopped

    void Form_Load();
    void Form_Unload();
    // Mouse on Picture1: Button 1 left, 2 right; X, Y in twips relative to the picture.
    void DoSheetMouseDown(int16_t Button, float X, float Y);
    void DoSheetMouseMove(int16_t Button, float X, float Y);
    void DoSheetMouseUp(int16_t Button);
    void Timer1_Timer();
    void Form_KeyDown(int16_t KeyCode, int16_t Shift);
    void Form_KeyUp(int16_t KeyCode, int16_t Shift);

    // Puts the sheet back at its depth in the slot after the toy itself has moved.
    void followToy();
    // The sheet sits in its slot at least FullyInPush deep: the toy's battery is cut off.
    bool fullyIn() const;
    // The toy's right edge and top, twips.
    int toyRight() const;
    int toyTop() const;

private:
    void stopToy();
    void startToy();
};
