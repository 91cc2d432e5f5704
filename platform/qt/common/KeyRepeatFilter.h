// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// Turns the desktop's key events into the key-downs and key-ups the toy expects: a held key goes
// down once per repetition and up once, when it is really released.
//
// Qt marks most repetitions as auto-repeat, but some arrive as a plain release followed by a
// press of the same key with the same timestamp (the X server sends both at one moment). A
// release is therefore held back until the next key event shows what it was; the window calls
// flush() shortly after a release so that a real one is never lost.
class KeyRepeatFilter {
public:
    using Deliver = std::function<void(int16_t code, bool down)>;
    explicit KeyRepeatFilter(Deliver deliver) : deliver(std::move(deliver)) {}

    void press(int16_t code, uint64_t timestamp);
    void release(int16_t code, uint64_t timestamp, bool autoRepeat);
    // Delivers a release still held back, if any.
    void flush();
    bool holdsRelease() const { return held.has_value(); }

private:
    struct Held {
        int16_t code;
        uint64_t timestamp;
    };
    Deliver deliver;
    std::optional<Held> held;
};
