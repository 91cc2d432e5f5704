// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtContext.h"
#include "Grid.h"

#include <QRect>

// The shared screen pictures of "other": the glass, menu icons, digits, clock
// parts, status pages, menus, game pages, overlays and small signs.
class ScreenArt {
public:
    explicit ScreenArt(ArtContext& context) : ctx_(context) {}
    void generate();
    // Where the feed menu puts its words and pictures, in dots of the screen: each picture stands
    // beside its word, a dot clear of it, and a dot inside the screen's right edge, which the
    // shell's frame may overlap.
    struct FeedMenuParts {
        QRect mealWord, snackWord, meal, snack;
    };
    static FeedMenuParts feedMenuParts(const PixelFont& font, const Grid& meal, const Grid& snack);
    // The feed menu: the words MEAL and SNACK with a small picture of each beside them.
    Grid feedMenu(const Grid& meal, const Grid& snack) const;

    static constexpr int ScreenDotsWide = 32;
    static constexpr int ScreenDotsHigh = 16;

private:
    void glass();
    void icons();
    void digitsAndClock();
    void statusPages();
    void menus();
    void gamePages();
    void overlays();
    void signs();

    Grid screen() const { return Grid(ScreenDotsWide, ScreenDotsHigh); }
    void dots(const std::string& name, const Grid& grid) const;
    int text(Grid& grid, int x, int y, const std::string& words) const;
    int centred(Grid& grid, int y, const std::string& words) const;

    ArtContext& ctx_;
    ArtBook icons_;
    ArtBook things_;
    ArtBook digits_;
};
