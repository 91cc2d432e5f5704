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

    explicit PageArt(ArtContext& context) : ctx_(context) {}
    void generate();

private:
    QImage page(const std::string& source, int number, int count) const;
    ArtContext& ctx_;
};
