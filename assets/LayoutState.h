#pragma once

#include <cstdint>

// Placements and labels read from the description files.
struct LayoutState {
    // Character placements.
    int16_t OriginalLeft = 0, OriginalTop = 0;
    int16_t DyingLeft = 0, DyingTop = 0;
    bool CanWalk = false;
    int16_t SickLeft = 0, SickTop = 0;
    int16_t HappyLeft = 0, HappyTop = 0;
    // Skin placements.
    int16_t WaterLeft = 0, WaterTop = 0;
    int16_t SleepLeft = 0, SleepTop = 0;
    int16_t Stool0Left = 0, Stool0Top = 0;

    template <class Visitor> void forEachField(Visitor&& visit) {
        visit("OriginalLeft", OriginalLeft);
        visit("OriginalTop", OriginalTop);
        visit("DyingLeft", DyingLeft);
        visit("DyingTop", DyingTop);
        visit("CanWalk", CanWalk);
        visit("SickLeft", SickLeft);
        visit("SickTop", SickTop);
        visit("HappyLeft", HappyLeft);
        visit("HappyTop", HappyTop);
        visit("WaterLeft", WaterLeft);
        visit("WaterTop", WaterTop);
        visit("SleepLeft", SleepLeft);
        visit("SleepTop", SleepTop);
        visit("Stool0Left", Stool0Left);
        visit("Stool0Top", Stool0Top);
    }
};
