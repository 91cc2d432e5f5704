#pragma once

#include <cstdint>

// Placements and labels read from the description files.
struct LayoutState {
    // Character placements.
    int16_t OriginalLeft = 0, OriginalTop = 0;
    int16_t DyingLeft = 0, DyingTop = 0;
    bool CanWalk = false;

    template <class Visitor> void forEachField(Visitor&& visit) {
        visit("OriginalLeft", OriginalLeft);
        visit("OriginalTop", OriginalTop);
        visit("DyingLeft", DyingLeft);
        visit("DyingTop", DyingTop);
        visit("CanWalk", CanWalk);
    }
};
