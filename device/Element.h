// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Picture.h"

#include <string>

// One picture element of the device: a value the core changes and the views draw.
// Positions and sizes are twips (15 per pixel).
struct Element {
    static constexpr int TwipsPerPixel = 15;

    PictureHandle picture;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    std::string toolTip;
    PictureHandle pointer;

    // Setting a picture sizes the element to it, as the callers rely on (the dark overlay's width).
    void setPicture(PictureHandle p) {
        picture = std::move(p);
        if (picture) {
            width = picture->width() * TwipsPerPixel;
            height = picture->height() * TwipsPerPixel;
        }
    }
    void move(int newLeft, int newTop) {
        left = newLeft;
        top = newTop;
    }
};
