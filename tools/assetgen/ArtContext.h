// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtBook.h"
#include "AssetTree.h"
#include "LayoutFile.h"
#include "LcdPainter.h"
#include "PixelFont.h"

#include <string>

// Everything the generators share: the art folder, the output tree, the LCD
// colours, the fonts and the screen layout.
struct ArtContext {
    std::string artDir;
    AssetTree& out;
    LcdPainter painter;
    PixelFont smallFont; // 3 x 5, words on the LCD
    PixelFont textFont;  // 5 x 7, pages and labels
    LayoutFile layout;

    std::string artPath(const std::string& relative) const { return artDir + "/" + relative; }
    // Loads an art file or throws with the reader's message.
    ArtBook book(const std::string& relative) const;
};
