// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text in the toy's pixel fonts. This file provides:
//  - PixelFont: a font read from its readable source (sprites of '#' and '.'), drawn dot by dot
//    at one logical pixel a dot, so that a whole-number scale keeps it sharp.
#include <QColor>
#include <QImage>

#include <array>
#include <cstdint>
#include <string_view>

class QPainter;

class PixelFont {
public:
    static const PixelFont& text();  // capitals 5 x 7, small letters with descenders
    static const PixelFont& small(); // capitals and digits 3 x 5

    // Draws text with its top left corner at x, y; returns the x after it. Letters the font
    // lacks are drawn as in capitals, else as a space.
    int draw(QPainter& painter, int x, int y, std::string_view text, const QColor& colour) const;
    int width(std::string_view text) const;
    int height() const { return rows; }

private:
    explicit PixelFont(const char* source);
    struct Glyph {
        int width = 0;
        std::array<uint16_t, 9> bits{}; // one row a word, bit 0 the leftmost dot
        int rowCount = 0;
        bool present = false;
    };
    const Glyph& glyph(char c) const;
    std::array<Glyph, 128> glyphs;
    int spacing = 1;
    int rows = 0; // of a capital
};
