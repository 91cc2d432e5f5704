#pragma once

#include <cstdint>

// Placements and labels read from the description files.
struct LayoutState {
    // Character placements.
    int16_t OriginalLeft = 0, OriginalTop = 0;
    int16_t DyingLeft = 0, DyingTop = 0;
    bool CanWalk = false;
    // Where the care screens and games put their sprites (character file).
    int16_t EatLeft = 0, EatTop = 0, NoLeft = 0, NoTop = 0, HappyLeft = 0, HappyTop = 0;
    int16_t UnhappyLeft = 0, UnhappyTop = 0, PlayLeft = 0, PlayTop = 0;
    // Places the screens move elements to at run time (label file).
    int16_t RArrowSelectMenuLeft = 0, RArrowSelectMenu0Top = 0, RArrowSelectMenu1Top = 0;
    int16_t MealSnackLeft = 0, MealSnack0Top = 0, MealSnack1Top = 0;
    int16_t RArrowLeft = 0, RArrowTop = 0, LArrowLeft = 0, LArrowTop = 0;
    int16_t WaterLeft = 0, WaterTop = 0, AngelLeft = 0, AngelInAgeScreenLeft = 0;
    int16_t AgeDigit0Left = 0, AgeDigit0Top = 0, AgeDigit1Left = 0, AgeDigit1Top = 0;
    int16_t AgeDigit0DeathLeft = 0, AgeDigit0DeathTop = 0, AgeDigit1DeathLeft = 0, AgeDigit1DeathTop = 0;

    template <class Visitor> void forEachField(Visitor&& visit) {
        visit("OriginalLeft", OriginalLeft);
        visit("OriginalTop", OriginalTop);
        visit("DyingLeft", DyingLeft);
        visit("DyingTop", DyingTop);
        visit("CanWalk", CanWalk);
        visit("EatLeft", EatLeft);
        visit("EatTop", EatTop);
        visit("NoLeft", NoLeft);
        visit("NoTop", NoTop);
        visit("HappyLeft", HappyLeft);
        visit("HappyTop", HappyTop);
        visit("UnhappyLeft", UnhappyLeft);
        visit("UnhappyTop", UnhappyTop);
        visit("PlayLeft", PlayLeft);
        visit("PlayTop", PlayTop);
        visit("RArrowSelectMenuLeft", RArrowSelectMenuLeft);
        visit("RArrowSelectMenu0Top", RArrowSelectMenu0Top);
        visit("RArrowSelectMenu1Top", RArrowSelectMenu1Top);
        visit("MealSnackLeft", MealSnackLeft);
        visit("MealSnack0Top", MealSnack0Top);
        visit("MealSnack1Top", MealSnack1Top);
        visit("RArrowLeft", RArrowLeft);
        visit("RArrowTop", RArrowTop);
        visit("LArrowLeft", LArrowLeft);
        visit("LArrowTop", LArrowTop);
        visit("WaterLeft", WaterLeft);
        visit("WaterTop", WaterTop);
        visit("AngelLeft", AngelLeft);
        visit("AngelInAgeScreenLeft", AngelInAgeScreenLeft);
        visit("AgeDigit0Left", AgeDigit0Left);
        visit("AgeDigit0Top", AgeDigit0Top);
        visit("AgeDigit1Left", AgeDigit1Left);
        visit("AgeDigit1Top", AgeDigit1Top);
        visit("AgeDigit0DeathLeft", AgeDigit0DeathLeft);
        visit("AgeDigit0DeathTop", AgeDigit0DeathTop);
        visit("AgeDigit1DeathLeft", AgeDigit1DeathLeft);
        visit("AgeDigit1DeathTop", AgeDigit1DeathTop);
    }
};
