// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keys of one window on their way to the device. This file provides:
//  - KeyForwarder: turns a widget's key events into Windows key codes, going down on every
//    press and repetition and up once when the key is really released (see KeyRepeatFilter),
//    and hands them to the window's key handlers; a release held back is delivered at once
//    when the window loses the keyboard.
#include "platform/qt/common/KeyRepeatFilter.h"

#include <QKeyEvent>
#include <QTimer>

#include <functional>

class KeyForwarder {
public:
    explicit KeyForwarder(KeyRepeatFilter::Deliver deliver);

    void press(const QKeyEvent* event);
    void release(const QKeyEvent* event);
    // The window lost the keyboard: a release held back is a real one, delivered now.
    void focusLost();

private:
    KeyRepeatFilter filter;
    QTimer flushTimer;
};
