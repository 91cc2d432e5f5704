// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The instructions booklet on the real desktop. This file provides:
//  - BookletWindow: a window the size of a page that paints the current page picture and hands
//    its mouse and keys to Form4 (see PageWindow), mirroring the booklet's window state and its
//    page's mouse pointer. The device window creates it when Form1 opens the booklet and drops
//    it when the booklet closes; the booklet is found through Form1 every time, since a key may
//    close it while a handler runs.
#include "platform/qt/PageWindow.h"

class Form4;

class BookletWindow : public PageWindow {
public:
    BookletWindow(Form1& form, std::function<void()> changed);

    const Form4* shows() const { return booklet; }
    void sync();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool open() const override { return current() != nullptr; }
    void pageMouseDown(int16_t button, TwipsPoint at) override;
    void pageMouseMove(int16_t button, TwipsPoint at) override;
    void pageMouseUp(int16_t button, TwipsPoint at) override;
    void pageKeyDown(int16_t code) override;
    void closePage() override;

private:
    Form4* current() const;

    const Form4* booklet;
    const void* paintedPicture = nullptr;
    const void* shownPointer = nullptr;
};
