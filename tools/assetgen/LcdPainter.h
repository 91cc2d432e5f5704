// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Grid.h"

#include <QImage>

class ArtBook;

// Paints grids as pictures. LCD pictures show every dot as a 3 x 3 pixel
// square: a 2 x 2 core and a one-pixel seam to the right and below, so that
// the dot grid stays visible even inside solid shapes, as on a real LCD.
class LcdPainter {
public:
    struct Style {
        QRgb ground = qRgb(0xc6, 0xd2, 0xb4); // the glass between dots
        QRgb offDot = qRgb(0xb9, 0xc6, 0xa6); // a dot that is off
        QRgb ghost = qRgb(0xa9, 0xb6, 0x96);  // a printed segment that is off
        QRgb ink = qRgb(0x1d, 0x26, 0x1e);    // a dot that is on
        QRgb inkSeam = qRgb(0x3e, 0x4a, 0x3c);
    };

    static constexpr int DotSize = 3;

    LcdPainter() = default;
    explicit LcdPainter(Style style) : style_(style) {}
    // Reads the colours from the settings of an art file (keys ground, offdot, ghost, ink, inkseam).
    static Style styleFrom(const ArtBook& book);

    const Style& style() const { return style_; }
    QImage paintDots(const Grid& grid) const;
    // One square of `scale` pixels per cell; On cells take the ink colour.
    QImage paintPixels(const Grid& grid, int scale) const;

private:
    Style style_;
};
