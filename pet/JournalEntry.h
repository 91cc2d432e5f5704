// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One line of a pet's life journal, as plain data: what happened, when in the pet's life and on
// the wall clock, and how the pet stood at that moment. The line is a flat JSON object.
enum class JournalEvent : uint8_t {
    Begin,     // the journal starts for a pet that already lived (written once)
    Egg,       // a new egg
    Hatch,     // the egg hatched: the baby
    Character, // a change of character
    Angel,     // the dying pet became the angel
    Hour,      // a sample of the needs once a pet hour
    Call,      // a call for attention began
    Answered,  // a call was answered in time by care
    Missed,    // a call ended unanswered
    Meal,
    Refused, // a meal turned down
    Snack,
    Won,  // a game of five turns with three or more won
    Lost, // a game with fewer
    Medicine,
    Flush,
    Discipline,
    Light,
    Illness,
    Dropping,
    Sleep,
    Wake,
    Death, // the dying began
};
constexpr int JournalEventCount = static_cast<int>(JournalEvent::Death) + 1;

enum class JournalCall : uint8_t { None, Hunger, Happiness, Discipline, Sleep };
enum class DeathCause : uint8_t { None, Neglect, OldAge, Menu };

struct JournalEntry {
    JournalEvent event = JournalEvent::Hour;
    int64_t unixMs = 0; // wall clock
    int32_t life = 0;   // counted minutes since the egg was set
    int32_t minute = 0; // MinuteCount: minutes of the current stage
    int16_t age = 0, character = 0, hunger = 0, happiness = 0, discipline = 0, weight = 0, sickness = 0;
    JournalCall call = JournalCall::None; // Call, Answered, Missed
    DeathCause cause = DeathCause::None;  // Death
    int16_t wins = -1;                    // Won, Lost: turns won of five
    int16_t light = -1;                   // Light: 1 on, 0 off
    std::string name;                     // Egg, Begin: the pet's name

    // Writes the line into out (without a newline) and returns its length; a name too long for
    // the buffer is cut. Never allocates.
    std::size_t format(char* out, std::size_t capacity) const;
    // Reads a line that format wrote; nothing for a line that is not one.
    static std::optional<JournalEntry> parse(std::string_view line);
};

std::string_view eventName(JournalEvent event);
std::string_view callName(JournalCall call);
std::string_view causeName(DeathCause cause);
