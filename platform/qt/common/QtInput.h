// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the desktop's input reaches the device. This file provides:
//  - mouseButtonCode: Qt's mouse buttons as the device's button code (1 left, 2 right, 4 middle);
//  - twipsAt: where the mouse is in its window, in the twips the device measures in;
//  - virtualKeyCode: any key as the Windows virtual-key code the device knows; a key without a
//    code of its own comes as KeyCode::Unknown, never as nothing.
#include <QKeyEvent>
#include <QMouseEvent>

#include <cstdint>

int16_t mouseButtonCode(Qt::MouseButtons buttons);

struct TwipsPoint {
    float x = 0;
    float y = 0;
};
TwipsPoint twipsAt(const QMouseEvent& event);
int16_t virtualKeyCode(int key, Qt::KeyboardModifiers modifiers);
inline int16_t virtualKeyCode(const QKeyEvent* event) {
    return virtualKeyCode(event->key(), event->modifiers());
}
