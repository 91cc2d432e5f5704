// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtContext.h"
#include "Grid.h"

#include <QImage>

#include <array>
#include <string>

// The program's icon for the desktop's icon theme: the pet smiling on the
// toy's screen, written as hicolor/<N>x<N>/apps/pipling-simulator.png. The
// pet is pixel art, so each size is drawn anew rather than scaled: a whole
// number of pixels per dot, on the bare screen at the small sizes and inside
// the pink shell from 64 pixels up. The same icon as a drawing of its own,
// hicolor/scalable/apps/pipling-simulator.svg, serves every other size: the
// shell as smooth shapes, every dot of the pet as a square.
class IconArt {
public:
    static constexpr std::array<int, 6> Sizes = {16, 32, 48, 64, 128, 256};
    static constexpr const char* FileName = "pipling-simulator.png";

    explicit IconArt(ArtContext& context) : ctx_(context) {}
    void generate();
    static std::string pathFor(int size);
    static constexpr const char* ScalablePath = "hicolor/scalable/apps/pipling-simulator.svg";
    QImage icon(int size) const;
    // The scalable icon: an SVG document on a 64-unit square, the 64-pixel icon's geometry.
    std::string scalable() const;

private:
    // The pet as LCD dots of `dot` pixels, with a seam of `seam` pixels between them.
    QImage screenPet(int dot, int seam) const;
    ArtContext& ctx_;
    Grid pet_;
};
