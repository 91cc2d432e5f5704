// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Picture.h"
#include "platform/Services.h"

#include <string>
#include <vector>

// One step of a window outline, in window pixels, in the manner of the Win32 region calls:
// an ellipse or rectangle inside the box [x1, x2) by [y1, y2), added to or cut from the outline.
struct OutlineStep {
    enum class Shape { Ellipse, Rectangle };
    enum class Combine { Or, Diff };
    Shape shape;
    Combine combine;
    int x1, y1, x2, y2;
};

// A window as data: the core changes it, the view mirrors it onto the desktop.
struct WindowState {
    int left = 0;   // twips
    int top = 0;    // twips
    int width = 0;  // twips
    int height = 0; // twips
    bool visible = false;
    bool minimized = false; // in the task bar: where no tray exists, "Hide" puts the toy there
    bool enabled = true;
    bool topmost = false;
    std::string title;
    PictureHandle icon;
    std::vector<OutlineStep> outline; // empty: rectangular
};
