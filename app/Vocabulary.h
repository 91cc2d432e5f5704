// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The numbers that the rules of several areas share, named once.

// Character numbers (CharacterNo): the stages from the egg to the angel that follows death.
namespace character {
constexpr int16_t Egg = 0;
constexpr int16_t Baby = 1;
constexpr int16_t Child = 2;
constexpr int16_t GoodTeen = 3;
constexpr int16_t PoorTeen = 4;
constexpr int16_t Beanix = 5; // the first adult
constexpr int16_t Silvermop = 6;
constexpr int16_t Maskwick = 7;
constexpr int16_t Beakbun = 8;
constexpr int16_t Wigglet = 9;
constexpr int16_t Roelum = 10; // the last ordinary adult
constexpr int16_t Secret = 11;
constexpr int16_t Angel = 12;
} // namespace character

// Indices of the Cheats menu's events (mCheatAttention_Click, mCheatAction_Click); the rules
// start every event through them.
namespace cheat {
enum Attention : int16_t { Hungry = 0, Unhappy = 1, Discipline = 2 };
enum Action : int16_t { Sick = 0, Poop = 1, Sleep = 2, Dying = 3 };
} // namespace cheat

// Button codes of DoIconAction.
constexpr int16_t PressA = 0;
constexpr int16_t PressB = 1;
constexpr int16_t PressC = 2;

// The menu icons around the screen (SelectedIcon, ShownIcon), in the order in which A moves the
// highlight; after the last, one step of the cycle highlights none.
namespace menuIcon {
constexpr int16_t Feed = 0;
constexpr int16_t Light = 1;
constexpr int16_t Play = 2;
constexpr int16_t Medicine = 3;
constexpr int16_t Flush = 4;
constexpr int16_t Meter = 5;
constexpr int16_t Discipline = 6;
constexpr int16_t None = 7; // also the number of icons
} // namespace menuIcon

// The states of a game (GameState), from its title to the pet's reaction to the whole game.
namespace gameState {
constexpr int16_t None = 0;
constexpr int16_t Title = 1;
constexpr int16_t Guessing = 2;
constexpr int16_t TurnWon = 3;
constexpr int16_t TurnLost = 4;
constexpr int16_t TurnReaction = 5;
constexpr int16_t FinalScore = 6;
constexpr int16_t GameReaction = 7;
} // namespace gameState

// The mouse button codes that the mouse handlers take (their Button argument): one bit for each
// button held.
namespace mouseButton {
constexpr int16_t None = 0;
constexpr int16_t Left = 1;
constexpr int16_t Right = 2;
constexpr int16_t Middle = 4;
} // namespace mouseButton

// A call (AttendTimeLeft) runs this many counted seconds unless care answers it first.
constexpr int16_t CallSeconds = 120;
// The call beeps while more than this is left; after that it waits quietly.
constexpr int16_t QuietCallSeconds = 115;
// While it beeps, it beeps once every this many ticks.
constexpr int16_t CallBeepTicks = 7;

// Two pet days in minutes: the length of the longer stages.
constexpr int16_t twoPetDays(int minutesPerHour) {
    return static_cast<int16_t>(48 * minutesPerHour);
}
// How long a pet left without care lives on (DyingTimeLeft, counted down each pet minute).
constexpr int16_t neglectAllowance(int minutesPerHour) {
    return twoPetDays(minutesPerHour);
}
// The life length a new egg draws from a uniform value in [0, 1): one to five pet days.
constexpr int16_t drawnLifeLength(int minutesPerHour, double uniform) {
    return static_cast<int16_t>(static_cast<int>(5 * uniform + 1) * 24 * minutesPerHour);
}
// The secret character's stage, which character 7 sets as the life length when it appears.
constexpr int16_t secretStageLength(int minutesPerHour) {
    return static_cast<int16_t>(72 * minutesPerHour + 10);
}
