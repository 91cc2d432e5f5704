// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Vocabulary.h"

#include <cstdint>

// State of the screens, buttons, care screens, games and the pet's poses.
struct DeviceState {
    // Animation flags of the care screens and the screen animations.
    bool EatingAction = false;
    bool FlushAction = false;
    bool UnhappyAction = false;
    bool HappyAction = false;
    bool NegativeAction = false;
    // Counters shared by the timed animations and the pet's poses.
    int16_t ActionStep = 0;
    int16_t ActionFramesLeft = 0;
    int16_t FrameIndex = 0;
    int16_t ActionFrameCount = 0;
    int16_t SickFrame = 0;
    int16_t WalkStep = 0;
    bool WalkRight = false;
    // Buttons and the icon cursor.
    bool ComboHeld = false;
    int16_t SelectedIcon = menuIcon::None;
    int16_t ShownIcon = menuIcon::None;
    int16_t IconTimeLeft = 0;
    // Care screens.
    int16_t MenuIndex = 0;
    int16_t MeterPage = -1;
    // Games.
    int16_t GameState = gameState::None;
    int16_t GameTurn = 0;
    int16_t GameWins = 0;
    int16_t GameGuess = 0;
    int16_t PipNumberValue = 0;
    // Dragging the toy.
    bool Dragging = false;
    float DragX = 0;
    float DragY = 0;
    // A character change hides the old pet; the next animation step draws the new one wherever
    // the screen shows the pet. Not a stored or dumped field: it lives for one tick.
    bool NewPetUndrawn = false;

    template <class Visitor> void forEachField(Visitor&& visit) {
        visit("EatingAction", EatingAction);
        visit("FlushAction", FlushAction);
        visit("UnhappyAction", UnhappyAction);
        visit("HappyAction", HappyAction);
        visit("NegativeAction", NegativeAction);
        visit("ActionStep", ActionStep);
        visit("ActionFramesLeft", ActionFramesLeft);
        visit("FrameIndex", FrameIndex);
        visit("ActionFrameCount", ActionFrameCount);
        visit("SickFrame", SickFrame);
        visit("WalkStep", WalkStep);
        visit("WalkRight", WalkRight);
        visit("ComboHeld", ComboHeld);
        visit("SelectedIcon", SelectedIcon);
        visit("ShownIcon", ShownIcon);
        visit("IconTimeLeft", IconTimeLeft);
        visit("MenuIndex", MenuIndex);
        visit("MeterPage", MeterPage);
        visit("GameState", GameState);
        visit("GameTurn", GameTurn);
        visit("GameWins", GameWins);
        visit("GameGuess", GameGuess);
        visit("PipNumberValue", PipNumberValue);
        visit("Dragging", Dragging);
        visit("DragX", DragX);
        visit("DragY", DragY);
    }
};
