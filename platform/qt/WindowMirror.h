// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every window of the toy mirrors from its window state. This file provides:
//  - WindowMirror::pixels: the window's place and size in desktop pixels;
//  - WindowMirror::differs: whether a widget must be given that place and size;
//  - WindowMirror::topmost: the stay-on-top flag, changed only when the state changed it;
//  - WindowMirror::dialog: all of a fixed-size secondary window's state (stay-on-top, place and
//    size, title, shown or hidden);
//  - WindowMirror::pointer: an element's own mouse pointer, or the standard one;
//  - WindowMirror::followScreens: the window redrawn, and its shape set anew, on another screen.
#include "platform/Picture.h"

#include <QRect>

class QWidget;
struct WindowState;

namespace WindowMirror {

QRect pixels(const WindowState& window);
// Where only the compositor places windows, only the size counts: the widget's position there
// is not the one on the desktop, and asking for another would change nothing.
bool differs(const QWidget& widget, const QRect& geometry);
// Changing a widget's flags hides it, so a visible widget is shown again. shown remembers the
// flag last applied. Where only the compositor places windows the flag means nothing, and
// showing the window again would let the compositor place it anew, so it is left alone.
void topmost(QWidget& widget, bool wanted, bool& shown);
// The booklet, the about box and the life story: a window that appears comes to the front with
// the keyboard focus on focus (the window itself, or its default control).
void dialog(QWidget& widget, const WindowState& window, bool& topmostShown, QWidget& focus);
// shown remembers the picture last applied, so an unchanged pointer costs nothing.
void pointer(QWidget& widget, const PictureHandle& picture, const void*& shown);
// From now on, whenever the widget's window comes onto another screen (of another scale,
// perhaps): Qt turns a window's shape into screen pixels at the scale it has when the shape is
// set, and keeps them, so the shape is set anew, and the whole window is painted again.
void followScreens(QWidget& widget);

} // namespace WindowMirror
