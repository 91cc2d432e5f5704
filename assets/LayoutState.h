#pragma once

#include <cstdint>

// Placements and labels read from the description files.
struct LayoutState {
    // Placements of the egg's shake and crack, the dropping's second pose, the egg a dying pet
    // lays, and the angel's stars (the last two from the label file).
    int16_t EggShakeLeft = 0, EggShakeRight = 0, EggHatchLeft = 0, EggHatchTop = 0;
    int16_t Stool1Left = 0, Stool1Top = 0, LayAnEggLeft = 0, LayAnEggTop = 0;
    int16_t StarsLeft = 0, StarsTop = 0, LaidEggLeft = 0, LaidEggTop = 0;

    // Character placements.
    int16_t OriginalLeft = 0, OriginalTop = 0;
    int16_t DyingLeft = 0, DyingTop = 0;
    int16_t SickLeft = 0, SickTop = 0;
    int16_t SleepLeft = 0, SleepTop = 0;
    int16_t Stool0Left = 0, Stool0Top = 0;
    bool CanWalk = false;

    template <class Visitor> void forEachField(Visitor&& visit) {
        visit("EggShakeLeft", EggShakeLeft);
        visit("EggShakeRight", EggShakeRight);
        visit("EggHatchLeft", EggHatchLeft);
        visit("EggHatchTop", EggHatchTop);
        visit("Stool1Left", Stool1Left);
        visit("Stool1Top", Stool1Top);
        visit("LayAnEggLeft", LayAnEggLeft);
        visit("LayAnEggTop", LayAnEggTop);
        visit("StarsLeft", StarsLeft);
        visit("StarsTop", StarsTop);
        visit("LaidEggLeft", LaidEggLeft);
        visit("LaidEggTop", LaidEggTop);

        visit("OriginalLeft", OriginalLeft);
        visit("OriginalTop", OriginalTop);
        visit("DyingLeft", DyingLeft);
        visit("DyingTop", DyingTop);
        visit("SickLeft", SickLeft);
        visit("SickTop", SickTop);
        visit("SleepLeft", SleepLeft);
        visit("SleepTop", SleepTop);
        visit("Stool0Left", Stool0Left);
        visit("Stool0Top", Stool0Top);
        visit("CanWalk", CanWalk);
    }
};
