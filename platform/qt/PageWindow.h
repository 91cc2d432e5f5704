// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the booklet's and the life story's windows share. This file provides:
//  - PageWindow: a fixed-size window whose whole surface is a page of one of the core's windows.
//    It mirrors that window's state, hands mouse events over in twips relative to the window
//    (holding a press back where the compositor alone moves windows, see FaceDrag) and key
//    presses as Windows key codes, and closes the core's window when the desktop's own close
//    control is used, as Escape does. Any event may close the core's window, so every handler
//    asks open() first and again after each step that may have closed it.
#include "platform/qt/CompositorMove.h"
#include "platform/qt/KeyForwarder.h"
#include "platform/qt/common/QtInput.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class Form1;
struct WindowState;

class PageWindow : public QWidget {
protected:
    PageWindow(Form1& form, std::function<void()> changed);

    // The core's side of the window, called only while open() holds.
    virtual bool open() const = 0;
    virtual void pageMouseDown(int16_t button, TwipsPoint at) = 0;
    virtual void pageMouseMove(int16_t button, TwipsPoint at) = 0;
    virtual void pageMouseUp(int16_t button, TwipsPoint at) = 0;
    virtual void pageKeyDown(int16_t code) = 0;
    virtual void closePage() = 0;

    // The window's place, size, title, stay-on-top flag and visibility, from the core's.
    void mirror(const WindowState& window);

    void mousePressEvent(QMouseEvent* event) final;
    void mouseMoveEvent(QMouseEvent* event) final;
    void mouseReleaseEvent(QMouseEvent* event) final;
    void keyPressEvent(QKeyEvent* event) final;
    void keyReleaseEvent(QKeyEvent* event) final;
    void closeEvent(QCloseEvent* event) final;

    Form1& form;
    std::function<void()> changed;

private:
    bool topmost = false;
    KeyForwarder keys;
    FaceDrag faceDrag;
};
