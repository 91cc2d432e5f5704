// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/KeyForwarder.h"

#include "platform/qt/common/QtInput.h"

namespace {

// How long a release waits for the press that would make it a repetition. The two come from
// the X server at the same moment, so a few event-loop turns are plenty; a real release is
// only this much late.
constexpr int RepeatWindowMs = 30;

} // namespace

KeyForwarder::KeyForwarder(KeyRepeatFilter::Deliver deliver) : filter(std::move(deliver)) {
    flushTimer.setSingleShot(true);
    flushTimer.setInterval(RepeatWindowMs);
    QObject::connect(&flushTimer, &QTimer::timeout, [this] { filter.flush(); });
}

void KeyForwarder::press(const QKeyEvent* event) {
    flushTimer.stop();
    filter.press(virtualKeyCode(event), event->timestamp());
}

void KeyForwarder::focusLost() {
    flushTimer.stop();
    filter.flush();
}

void KeyForwarder::release(const QKeyEvent* event) {
    filter.release(virtualKeyCode(event), event->timestamp(), event->isAutoRepeat());
    if (filter.holdsRelease()) flushTimer.start();
}
