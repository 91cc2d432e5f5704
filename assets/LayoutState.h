// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// Placements and labels read from the description files: the label file ("default.ini" or a
// plug-in's "plugin.ini") and each character's "char.ini". Element positions themselves live in
// the elements; these are the places the screens move elements to at run time.
struct LayoutState {
    // Item labels of the status text; empty until a label file names them.
    std::string AgeToolTip, WeightToolTip, HungryToolTip, HappyToolTip, DisciplineToolTip;

    // Stored layout values of the label file.
    int16_t WaterLeft = 0, WaterTop = 0;
    int16_t AngelLeft = 0;
    int16_t AgeDigit0Left = 0, AgeDigit0Top = 0, AgeDigit1Left = 0, AgeDigit1Top = 0;
    int16_t AngelInAgeScreenLeft = 0;
    int16_t StarsLeft = 0, StarsTop = 0;
    int16_t LaidEggLeft = 0, LaidEggTop = 0;
    int16_t RArrowSelectMenuLeft = 0, RArrowSelectMenu0Top = 0, RArrowSelectMenu1Top = 0;
    int16_t MealSnackLeft = 0, MealSnack0Top = 0, MealSnack1Top = 0;
    int16_t RArrowLeft = 0, RArrowTop = 0, LArrowLeft = 0, LArrowTop = 0;
    int16_t AgeDigit0DeathLeft = 0, AgeDigit0DeathTop = 0, AgeDigit1DeathLeft = 0, AgeDigit1DeathTop = 0;

    // Character placements of the current character's "char.ini".
    int16_t EggLeft = 0, EggTop = 0, EggShakeLeft = 0, EggShakeRight = 0, EggHatchLeft = 0, EggHatchTop = 0;
    bool CanWalk = false;
    int16_t OriginalLeft = 0, OriginalTop = 0;
    int16_t EatLeft = 0, EatTop = 0;
    int16_t NoLeft = 0, NoTop = 0;
    int16_t SickLeft = 0, SickTop = 0;
    int16_t HappyLeft = 0, HappyTop = 0;
    int16_t UnhappyLeft = 0, UnhappyTop = 0;
    int16_t PlayLeft = 0, PlayTop = 0;
    int16_t SleepLeft = 0, SleepTop = 0;
    int16_t DyingLeft = 0, DyingTop = 0;
    int16_t Stool0Left = 0, Stool0Top = 0, Stool1Left = 0, Stool1Top = 0;
    int16_t LayAnEggLeft = 0, LayAnEggTop = 0;

    // True while the device window's load handler runs: a skin icon loaded then also shows in
    // the tray with the loading tip.
    bool StartingUp = false;

    template <class Visitor> void forEachField(Visitor&& visit) {
        visit("AgeToolTip", AgeToolTip);
        visit("WeightToolTip", WeightToolTip);
        visit("HungryToolTip", HungryToolTip);
        visit("HappyToolTip", HappyToolTip);
        visit("DisciplineToolTip", DisciplineToolTip);
        visit("WaterLeft", WaterLeft);
        visit("WaterTop", WaterTop);
        visit("AngelLeft", AngelLeft);
        visit("AgeDigit0Left", AgeDigit0Left);
        visit("AgeDigit0Top", AgeDigit0Top);
        visit("AgeDigit1Left", AgeDigit1Left);
        visit("AgeDigit1Top", AgeDigit1Top);
        visit("AngelInAgeScreenLeft", AngelInAgeScreenLeft);
        visit("StarsLeft", StarsLeft);
        visit("StarsTop", StarsTop);
        visit("LaidEggLeft", LaidEggLeft);
        visit("LaidEggTop", LaidEggTop);
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
        visit("AgeDigit0DeathLeft", AgeDigit0DeathLeft);
        visit("AgeDigit0DeathTop", AgeDigit0DeathTop);
        visit("AgeDigit1DeathLeft", AgeDigit1DeathLeft);
        visit("AgeDigit1DeathTop", AgeDigit1DeathTop);
        visit("EggLeft", EggLeft);
        visit("EggTop", EggTop);
        visit("EggShakeLeft", EggShakeLeft);
        visit("EggShakeRight", EggShakeRight);
        visit("EggHatchLeft", EggHatchLeft);
        visit("EggHatchTop", EggHatchTop);
        visit("CanWalk", CanWalk);
        visit("OriginalLeft", OriginalLeft);
        visit("OriginalTop", OriginalTop);
        visit("EatLeft", EatLeft);
        visit("EatTop", EatTop);
        visit("NoLeft", NoLeft);
        visit("NoTop", NoTop);
        visit("SickLeft", SickLeft);
        visit("SickTop", SickTop);
        visit("HappyLeft", HappyLeft);
        visit("HappyTop", HappyTop);
        visit("UnhappyLeft", UnhappyLeft);
        visit("UnhappyTop", UnhappyTop);
        visit("PlayLeft", PlayLeft);
        visit("PlayTop", PlayTop);
        visit("SleepLeft", SleepLeft);
        visit("SleepTop", SleepTop);
        visit("DyingLeft", DyingLeft);
        visit("DyingTop", DyingTop);
        visit("Stool0Left", Stool0Left);
        visit("Stool0Top", Stool0Top);
        visit("Stool1Left", Stool1Left);
        visit("Stool1Top", Stool1Top);
        visit("LayAnEggLeft", LayAnEggLeft);
        visit("LayAnEggTop", LayAnEggTop);
        visit("StartingUp", StartingUp);
    }
};
