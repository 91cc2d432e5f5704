// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// libpulse driven by the program's own Qt event loop. This file provides:
//  - PulseLoop: a pa_mainloop_api whose descriptors are QSocketNotifiers and whose timers and
//    deferred calls are QTimers. The sound server's replies are handled between the toy's other
//    events, on the one thread the toy has: no thread of ours waits for the server, and while no
//    sound plays nothing of the sound side wakes at all.
#include <pulse/mainloop-api.h>

#include <QObject>

class PulseLoop {
public:
    PulseLoop();
    ~PulseLoop();
    PulseLoop(const PulseLoop&) = delete;
    PulseLoop& operator=(const PulseLoop&) = delete;

    pa_mainloop_api* api() { return &table; }

private:
    pa_mainloop_api table{};
    // Parent of every notifier and timer: those still alive when the loop goes are deleted with it.
    QObject owner;
};
