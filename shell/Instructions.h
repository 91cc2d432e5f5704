// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Element.h"
#include "shell/WindowState.h"

#include <cstdint>
#include <string>

class Form1;

// The instructions booklet: page pictures leafed through in a window of their own. A click on
// the page turns to the next page, a right click back, the keys turn pages too, and the page is
// the handle to drag the window by. While the booklet is open the toy takes no input. The window
// is data like the device's: the view mirrors `window` and draws `Picture1`.
class Form4 {
public:
    explicit Form4(Form1& form) : form(form) {}

    static constexpr int Width = 5100;  // twips, the page picture's size
    static constexpr int Height = 3450; // twips

    Form1& form;
    WindowState window;
    Element Picture1; // shows the page and takes all mouse input
    int16_t CurrentPage = 0;
    int16_t PageCount = 0;
    std::string PagePrefix; // "\instruct\page" or "\plugins\NAME\instruct\page"
    bool PageDragging = false;
    float grabX = 0; // mouse position inside the page when the drag began, twips
    float grabY = 0;
    int startLeft = 0; // the window's position when the left button went down
    int startTop = 0;

    // Finds the pages and shows page 1; false when there are none (the caller unloads it).
    bool Form_Load();
    void Form_Unload();
    void DoNextPage();
    void DoPreviousPage();
    // Key down on the window. Escape and F1 close it: this object is gone when they return.
    void Form_KeyDown(int16_t KeyCode, int16_t Shift);
    // Mouse on Picture1: Button 1 left, 2 right; X, Y in twips relative to the page.
    void Picture1_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void Picture1_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Picture1_MouseUp(int16_t Button, int16_t Shift, float X, float Y);

    // The file of a page: program-relative, "\instruct\page01.gif".
    std::string pageFile(int page) const;

private:
    bool pageExists(int page) const;
    void showPage();
};
