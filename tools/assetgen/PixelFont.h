// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtBook.h"
#include "Grid.h"

#include <QImage>

#include <string>

// A proportional bitmap font whose glyphs are grids of an art file. Sprites
// are named after their character ("A", "7", "?"); the space is "space".
class PixelFont {
public:
    bool load(const std::string& path, std::string& error);

    int height() const { return height_; }
    int textWidth(const std::string& text) const;
    // Draws `text` into `target` with its top-left at (x, y); returns the width used.
    int draw(Grid& target, int x, int y, const std::string& text, Cell ink) const;
    // Draws straight onto a picture, each glyph cell `scale` pixels wide.
    int draw(QImage& target, int x, int y, const std::string& text, QRgb color, int scale = 1) const;

private:
    const Grid* glyph(char c) const;
    ArtBook book_;
    int height_ = 0;
    int spacing_ = 1;
};
