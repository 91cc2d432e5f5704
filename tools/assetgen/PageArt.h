// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtContext.h"

#include <QImage>

#include <string>

// The instruction booklet (instruct/pageNN.gif) from art/instruct/pageNN.txt.
// A page is text with a little markup:
//   # Heading              drawn twice as large
//   (blank line)           a small gap between paragraphs
//   @indent 40             later lines start 40 pixels further right
//   @width 250             later lines wrap within 250 pixels
//   @gap 20                leave 20 pixels of room (below pictures)
//   @pic PATH X Y [SCALE]  a generated picture, e.g. other/pipicon0.gif
//   anything else          text, wrapped to the page
class PageArt {
public:
    static constexpr int Width = 340; // the booklet window's picture is 5100 x 3450 twips
    static constexpr int Height = 230;

    struct Style {
        QRgb paper = qRgb(0xfd, 0xf7, 0xec);
        QRgb ink = qRgb(0x3b, 0x30, 0x42);
        QRgb accent = qRgb(0xc2, 0x5a, 0x82);
        QRgb border = qRgb(0xf4, 0xb3, 0xc6);
    };

    explicit PageArt(ArtContext& context) : ctx_(context) {}
    PageArt(ArtContext& context, Style style) : ctx_(context), style_(style) {}
    // Pages from art/<source>/pageNN.txt to <target>/pageNN.gif.
    void generate(const std::string& source = "instruct", const std::string& target = "instruct");

private:
    QImage page(const std::string& source, int number, int count) const;
    ArtContext& ctx_;
    Style style_;
};
