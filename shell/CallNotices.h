// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The kinds of call a desktop notification stands for, in the order of their Cheats items:
// the three attention calls, then illness, dropping, sleep (the light) and dying.
enum class CallKind : uint8_t { Hungry, Unhappy, Discipline, Sick, Poop, Sleep, Dying };

constexpr int CallKindCount = 7;

// The kinds by the names of their Cheats events, for scripts and the status dump.
constexpr const char* callKindName(CallKind kind) {
    constexpr const char* names[] = {"Hungry", "Unhappy", "Discipline", "Sick", "Poop", "Sleep", "Dying"};
    return names[static_cast<int>(kind)];
}

// Which calls have a notification on the desktop now. Each kind has one at most, keyed by the
// kind, so a call raised again while it lasts replaces its own notification.
struct CallNotices {
    std::array<bool, CallKindCount> live{};
    bool any = false; // one of live is set: the tick's check costs one comparison when none is
};
