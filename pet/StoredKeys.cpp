// SPDX-License-Identifier: GPL-3.0-or-later
#include "pet/StoredKeys.h"

#include "app/Vocabulary.h"

#include <array>
#include <cstddef>

namespace stored {

namespace {

// A new egg draws its life length from 240 to 1200 minutes (character 7 gives 730). A hand-edited
// length anywhere in that range lives by the same rules; outside it the adult would die at once
// or never.
constexpr int32_t ShortestLife = 240, LongestLife = 1200;

// A stage's minutes run up to its end, at most the longest life, and on past it only while a
// sleeping pet waits to wake before it grows or dies (half a pet day at most). A pet day past the
// longest life holds every count a life reaches; a count beyond it would only end the stage at
// once, and one near the counter's limit would overflow it within minutes.
constexpr int32_t lastReachableMinute(int32_t minutesPerHour) {
    return LongestLife + 24 * minutesPerHour;
}

// The counts that the rules add to without a ceiling of their own (calls raised, the pet hours'
// need count, doses still needed) reach a few hundred in the longest life. Up to this they load;
// a larger one is no pet's, and at the top of the 16-bit range the next call or dose would wrap it
// negative and leave the pet never calling again.
constexpr int32_t CountLimit = 9999;

// The animation clock restarts at every frame; only the egg's cracking runs it on, for two
// seconds. Ten seconds of ticks is past anything it shows, and far from where adding a tick wraps.
// A count past the frame period only makes the next frame due at once.
constexpr int32_t IntervalLimit = 10000;

constexpr int32_t Min16 = INT16_MIN, Max16 = INT16_MAX;

constexpr Key integer(const char* name, int place, Field field, int32_t min, int32_t max) {
    return {name, place, field, Type::Integer, min, max};
}
constexpr Key boolean(const char* name, int place, Field field) {
    return {name, place, field, Type::Boolean};
}
constexpr Key pair(const char* name, int place, Field field) {
    return {name, place, field, Type::Pair};
}
constexpr Key single(const char* name, int place, Field field) {
    return {name, place, field, Type::Single};
}
constexpr Key text(const char* name, int place, Field field) {
    return {name, place, field, Type::Text};
}

using P = PetState;
using O = Options;
using W = WindowState;

constexpr std::array Keys = {
    integer("InsulatingSheet", 0, &P::InsulatingSheet, 0, 2).atFirstRun(1),
    integer("InsulatingSheetWidthPushed", 1, &P::InsulatingSheetWidthPushed, Min16, Max16).atFirstRun(700),
    single("Left", 12, &W::left).centredAtFirstRun(),
    single("Top", 22, &W::top).then(Rule::KeepOnScreen).centredAtFirstRun(),
    pair("PlayType", 20, &O::gameB),
    text("Plugins", 2, &P::Plugins).then(Rule::FolderName).atFirstRun(""),
    boolean("AutoShow", 5, &O::autoShow),
    // Stores written before this option existed lack the key: their pets keep it checked.
    boolean("Notifications", 6, &O::notifications),
    boolean("AlwaysOnTop", 3, &O::alwaysOnTop).then(Rule::ApplyOnTop),
    text("CurrentSkin", 8, &P::CurrentSkin).then(Rule::Skin).atFirstRun("Default"),
    integer("MaxMinutes", 16, &P::MaxMinutes, ShortestLife, LongestLife).then(Rule::LifeLength).atFirstRun(0),
    integer("CharacterNo", 7, &P::CharacterNo, character::Egg, character::Angel)
        .then(Rule::SetCharacter)
        .atFirstRun(character::Egg),
    integer("IntervalCount", 11, &P::IntervalCount, 0, IntervalLimit),
    integer("SecondCount", 17, &P::SecondCount, 0, 59),
    integer("MinuteCount", 15, &P::MinuteCount, 0, 0).upTo(Bound::LastMinute),
    integer("CurrentTempChar", 21, &P::CurrentTempChar, 0, 15),
    boolean("Sound", 18, &O::sound),
    // 0 plays the wave files, 1 beeps.
    pair("SoundType", 19, &O::wave).opposite(),
    boolean("FormVisible", 10, &O::hidden).opposite(),
    boolean("AttentionHungry", 31, &P::AttentionHungry),
    boolean("AttentionHappy", 32, &P::AttentionHappy),
    boolean("AttentionDiscipline", 33, &P::AttentionDiscipline),
    integer("AttendTimeLeft", 4, &P::AttendTimeLeft, 0, CallSeconds).then(Rule::CallIcon),
    integer("FeedMenuIndex", 9, &P::FeedMenuIndex, 0, 1).atFirstRun(0),
    integer("LightMenuIndex", 13, &P::LightMenuIndex, 0, 1).atFirstRun(0),
    integer("Age", 24, &P::Age, 0, 99),
    integer("Weight", 25, &P::Weight, 0, 100),
    integer("Discipline", 26, &P::Discipline, 0, 14),
    integer("Happiness", 27, &P::Happiness, 0, 4),
    integer("Hunger", 28, &P::Hunger, 0, 4),
    integer("Sickness", 29, &P::Sickness, 0, CountLimit),
    integer("Dung", 30, &P::Dung, 0, 8),
    boolean("SleepAction", 35, &P::SleepAction),
    boolean("AttentionSleep", 34, &P::AttentionSleep).then(Rule::Asleep),
    boolean("LightOff", 14, &P::LightOff).atFirstRun(false),
    integer("DyingAction", 36, &P::DyingAction, 0, 62),
    integer("DyingTimeLeft", 37, &P::DyingTimeLeft, Min16, 0)
        .upTo(Bound::NeglectAllowance)
        .then(Rule::FullAllowance),
    integer("DisciplineWhenNeed", 38, &P::DisciplineWhenNeed, 0, Max16),
    integer("PlayCounter", 39, &P::PlayCounter, 0, Max16),
    integer("SnackCount", 40, &P::SnackCount, 0, Max16),
    integer("NeedCount", 41, &P::NeedCount, 0, CountLimit),
    integer("TotalNeedCount", 23, &P::TotalNeedCount, 0, CountLimit),
    integer("CareWhenNeed", 42, &P::CareWhenNeed, 0, Max16),
};

// Each place in the saved section belongs to exactly one key.
constexpr bool everyPlaceOnce() {
    std::array<int, Keys.size()> seen{};
    for (const Key& key : Keys) {
        if (key.place < 0 || static_cast<std::size_t>(key.place) >= Keys.size()) return false;
        ++seen[static_cast<std::size_t>(key.place)];
    }
    for (int count : seen)
        if (count != 1) return false;
    return true;
}
static_assert(everyPlaceOnce(), "the keys fill the places of the saved section, each once");

} // namespace

int32_t Key::highest(int16_t minutesPerHour) const {
    switch (bound) {
    case Bound::LastMinute:
        return lastReachableMinute(minutesPerHour);
    case Bound::NeglectAllowance:
        return neglectAllowance(minutesPerHour);
    case Bound::Fixed:
        break;
    }
    return max;
}

std::span<const Key> keys() {
    return Keys;
}

} // namespace stored
