// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/WindowState.h"

#include <cstdint>

class Form1;

// The life story: the pet's life chart and the hall of past pets, two pages of one window of its
// own. The window is dragged by its page and closed by its close box, Escape or the desktop's
// own close; a click on a tab turns to that page. The toy lives on while it is open: the window
// only reads the journal. Its places are in page pixels, Scale window pixels each.
class LifeStory {
public:
    explicit LifeStory(Form1& form) : form(form) {}

    static constexpr int Scale = 2;
    static constexpr int PageWidth = 320, PageHeight = 200; // page pixels
    struct Box {
        int left, top, width, height;
        bool holds(int x, int y) const {
            return x >= left && x < left + width && y >= top && y < top + height;
        }
    };
    static constexpr Box ChartTab{8, 4, 34, 16};
    static constexpr Box HallTab{44, 4, 34, 16};
    static constexpr Box CloseBox{PageWidth - 16, 6, 9, 9};
    enum class Page { Chart, Hall };

    Form1& form;
    WindowState window;
    Page page = Page::Chart;
    bool dragging = false;
    float grabX = 0, grabY = 0; // twips inside the window where the drag began
    int startLeft = 0, startTop = 0;

    void Form_Load();
    // Mouse on the page: Button 1 left; X, Y in twips relative to the window. A press on the
    // close box closes the window: this object is gone when it returns.
    void mouseDown(int16_t Button, float X, float Y);
    void mouseMove(int16_t Button, float X, float Y);
    void mouseUp(int16_t Button, float X, float Y);
    // Escape closes the window (this object is gone when it returns); Left and Right turn pages.
    void keyDown(int16_t KeyCode);
};
