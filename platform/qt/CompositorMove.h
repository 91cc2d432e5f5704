// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Moving windows where only the compositor may place them. This file provides:
//  - compositorPlaces: whether this is such a platform (native Wayland);
//  - CompositorMove: for one window, holds a left press on its face back until the mouse either
//    comes up (a click, handed to the core after all) or moves past the drag distance (a drag,
//    handed to the compositor's own window move). The core never sees such a drag, so its
//    window keeps the place it had.
// On every other platform the window moves itself as the core says, and nothing is held back.

class QMouseEvent;
class QWidget;

namespace CompositorMove {

// Whether windows move only through the compositor. Decided once from Qt's platform; tests on
// the offscreen platform set it.
bool compositorPlaces();
void setCompositorPlaces(bool places);
// Hands the window to the compositor's move for the press in progress; false when it refused.
bool start(QWidget& widget);

} // namespace CompositorMove

class FaceDrag {
public:
    // A press on the window's face. True when it is held back: give it to nobody yet.
    bool press(const QMouseEvent& event);
    // True while a press is held back; a move then belongs here.
    bool holding() const { return held; }
    // A move while held: past the drag distance the compositor takes the window.
    void move(QWidget& widget, const QMouseEvent& event);
    // The release: true when a held press ended where it started, a click the caller now hands
    // to the core as a press and a release. False for any other release, which goes on as usual
    // (the core saw no press, so it ignores it).
    bool click(const QMouseEvent& event);

private:
    bool held = false;
    double pressX = 0, pressY = 0; // global position of the held press
};
