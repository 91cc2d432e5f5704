// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pet/PetState.h"
#include "shell/Options.h"
#include "shell/WindowState.h"

#include <cstdint>
#include <span>
#include <string>
#include <variant>

// The keys of a pet's section in the settings store. One table says for each key what it holds,
// how it is written and read back, what the load does right after it and what a first run gives
// it; loading, saving and the first run all follow it (pet/Settings.cpp).
namespace stored {

// The field a key holds: one of the pet's, an option of the menu, or the window's place.
using Field = std::variant<int16_t PetState::*, int32_t PetState::*, bool PetState::*,
                           std::string PetState::*, bool Options::*, int WindowState::*>;

enum class Type {
    Integer, // decimal text
    Boolean, // "True" or "False"; read back, a number does too (non-zero true)
    Pair,    // one of two choices: "0" the first, "1" the second; read back, any number (0 the first)
    Single,  // twips as a decimal number; read back with a fraction too, rounded
    Text,    // the text itself
};

// Where an Integer key's highest loadable value follows the length of the pet's hour.
enum class Bound {
    Fixed,
    LastMinute,       // the last minute a stage can reach
    NeglectAllowance, // the neglect clock's full allowance
};

// What the load does at the key beyond taking its value, in the order the keys are read.
enum class Rule {
    Plain,
    LifeLength,    // remembers whether the life length loaded, for the character that follows
    KeepOnScreen,  // the window comes back onto the screen, and shows
    ApplyOnTop,    // the "Always On Top" option takes effect
    FolderName,    // a text that is no single folder name is taken as empty
    Skin,          // an empty or unusable skin becomes "Default", written back at once
    SetCharacter,  // the character is entered (DoSetCharacter); the keys after it win over its reset
    CallIcon,      // the attention icon shows while a call has time left
    Asleep,        // a pet that called to sleep is asleep, calling for the whole call time
    FullAllowance, // a neglect clock that ran out starts again full
};

// What a first run gives the field: nothing (it keeps the value it has), a value, or the middle
// of the screen.
struct FirstRun {
    enum Kind { Kept, Value, Centred } kind = Kept;
    int32_t number = 0;    // for numbers and Booleans
    const char* text = ""; // for texts
};

struct Key {
    const char* name;
    // The key's place in the saved section: the order every version has written, which older
    // versions and hand-edited files keep.
    int place;
    Field field;
    Type type;
    // A value outside these is no pet's and is not loaded (Integer keys).
    int32_t min = 0, max = 0;
    Bound bound = Bound::Fixed;
    Rule rule = Rule::Plain;
    FirstRun first = {};
    // The stored value says the opposite of the field ("FormVisible" for the "Hide" option).
    bool negated = false;

    // The highest value that loads, for a pet whose hour is this many minutes.
    int32_t highest(int16_t minutesPerHour) const;

    // The table's rows are written as a kind of key followed by what sets it apart.
    constexpr Key then(Rule loadRule) const { return with(&Key::rule, loadRule); }
    constexpr Key upTo(Bound highestValue) const { return with(&Key::bound, highestValue); }
    constexpr Key opposite() const { return with(&Key::negated, true); }
    constexpr Key atFirstRun(int32_t number) const {
        return with(&Key::first, {FirstRun::Value, number, ""});
    }
    constexpr Key atFirstRun(const char* text) const { return with(&Key::first, {FirstRun::Value, 0, text}); }
    constexpr Key centredAtFirstRun() const { return with(&Key::first, {FirstRun::Centred}); }

private:
    template <class T> constexpr Key with(T Key::*member, T value) const {
        Key key = *this;
        key.*member = value;
        return key;
    }
};

// Every key, in the order the load reads them.
std::span<const Key> keys();

} // namespace stored
