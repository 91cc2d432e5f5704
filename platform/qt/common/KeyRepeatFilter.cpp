// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/common/KeyRepeatFilter.h"

void KeyRepeatFilter::press(int16_t code, uint64_t timestamp) {
    if (held && held->code == code && held->timestamp == timestamp)
        held.reset(); // the release was the first half of a repetition
    else
        flush();
    deliver(code, true);
}

void KeyRepeatFilter::release(int16_t code, uint64_t timestamp, bool autoRepeat) {
    if (autoRepeat) return;
    flush();
    held = Held{code, timestamp};
}

void KeyRepeatFilter::flush() {
    if (!held) return;
    const int16_t code = held->code;
    held.reset();
    deliver(code, false);
}
