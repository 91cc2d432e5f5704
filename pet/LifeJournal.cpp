// SPDX-License-Identifier: GPL-3.0-or-later
#include "pet/LifeJournal.h"

#include "app/Form1.h"

#include <algorithm>

namespace {

constexpr uint8_t HungerCall = 1, HappinessCall = 2, DisciplineCall = 4, SleepCall = 8;

uint8_t callFlags(const PetState& pet) {
    return static_cast<uint8_t>(
        (pet.AttentionHungry ? HungerCall : 0) | (pet.AttentionHappy ? HappinessCall : 0) |
        (pet.AttentionDiscipline ? DisciplineCall : 0) | (pet.AttentionSleep ? SleepCall : 0));
}

JournalCall callOf(uint8_t flag) {
    switch (flag) {
    case HungerCall:
        return JournalCall::Hunger;
    case HappinessCall:
        return JournalCall::Happiness;
    case DisciplineCall:
        return JournalCall::Discipline;
    default:
        return JournalCall::Sleep;
    }
}

// Care that can answer a call: whatever call it clears was answered in time.
bool isCare(JournalEvent event) {
    switch (event) {
    case JournalEvent::Meal:
    case JournalEvent::Snack:
    case JournalEvent::Won:
    case JournalEvent::Lost:
    case JournalEvent::Medicine:
    case JournalEvent::Flush:
    case JournalEvent::Discipline:
    case JournalEvent::Light:
    case JournalEvent::Answered:
        return true;
    default:
        return false;
    }
}

bool isMilestone(JournalEvent event) {
    switch (event) {
    case JournalEvent::Begin:
    case JournalEvent::Egg:
    case JournalEvent::Hatch:
    case JournalEvent::Character:
    case JournalEvent::Angel:
    case JournalEvent::Death:
        return true;
    default:
        return false;
    }
}

} // namespace

int32_t LifeJournal::lifeMinute(const Form1& form) const {
    return base + form.pet.MinuteCount;
}

void LifeJournal::open(Form1& form) {
    if (!store) return;
    store->open(form.pet.PiplingName);
    opened = true;
    hatched = false;
    base = 0;
    std::optional<JournalEntry> last;
    for (const std::string& text : store->lines()) {
        if (auto e = JournalEntry::parse(text)) {
            if (e->event == JournalEvent::Egg) hatched = false;
            if (e->character >= character::Baby) hatched = true;
            last = std::move(e);
        }
    }
    lastMinute = form.pet.MinuteCount;
    calls = callFlags(form.pet);
    if (!last) {
        // A journal begins: with the egg of a new pet, or with a pet that lived before it.
        const bool newEgg = form.pet.CharacterNo == character::Egg && form.pet.MinuteCount == 0;
        write(form, newEgg ? JournalEvent::Egg : JournalEvent::Begin);
        return;
    }
    // The stage goes on where the journal left it. The journal runs ahead of the store, which is
    // saved once a minute: a pet stored before a change the journal already holds (a pet that was
    // dying and dies again) counts its stage from where the stored minutes put it.
    base = last->character == form.pet.CharacterNo ? last->life - last->minute
                                                   : std::max(0, last->life - form.pet.MinuteCount);
}

void LifeJournal::minute(Form1& form) {
    if (!opened) return;
    lastMinute = form.pet.MinuteCount;
    if (form.pet.MinutesPerHour > 0 && form.pet.MinuteCount % form.pet.MinutesPerHour == 3)
        write(form, JournalEvent::Hour);
}

void LifeJournal::record(Form1& form, JournalEvent event) {
    if (!opened) return;
    const PetState& pet = form.pet;
    if (event == JournalEvent::Character) {
        switch (pet.CharacterNo) {
        case character::Egg:
            event = JournalEvent::Egg;
            break;
        case character::Baby:
            event = JournalEvent::Hatch;
            break;
        case character::Angel:
            event = JournalEvent::Angel;
            break;
        default:
            break;
        }
        if (event == JournalEvent::Egg) {
            // A new egg after a life: that life is put aside, and the egg begins a new journal.
            if (hatched) store->archive();
            hatched = false;
            base = 0;
        } else {
            base += lastMinute;
            hatched = true;
        }
        lastMinute = pet.MinuteCount;
    }
    const uint8_t now = callFlags(pet);
    const uint8_t ended = static_cast<uint8_t>(calls & ~now);
    const uint8_t began = static_cast<uint8_t>(now & ~calls);
    const bool onlyCalls =
        event == JournalEvent::Call || event == JournalEvent::Answered || event == JournalEvent::Missed;
    if (!onlyCalls) write(form, event);
    for (uint8_t flag = HungerCall; flag <= SleepCall; flag = static_cast<uint8_t>(flag << 1)) {
        if (ended & flag) {
            entry.call = callOf(flag);
            write(form, isCare(event) ? JournalEvent::Answered : JournalEvent::Missed);
        }
    }
    for (uint8_t flag = HungerCall; flag <= SleepCall; flag = static_cast<uint8_t>(flag << 1)) {
        if (began & flag) {
            entry.call = callOf(flag);
            write(form, JournalEvent::Call);
        }
    }
    calls = now;
}

void LifeJournal::write(Form1& form, JournalEvent event) {
    const PetState& pet = form.pet;
    entry.event = event;
    entry.unixMs = store->unixMs();
    entry.life = lifeMinute(form);
    entry.minute = pet.MinuteCount;
    entry.age = pet.Age;
    entry.character = pet.CharacterNo;
    entry.hunger = pet.Hunger;
    entry.happiness = pet.Happiness;
    entry.discipline = pet.Discipline;
    entry.weight = pet.Weight;
    entry.sickness = pet.Sickness;
    if (event == JournalEvent::Won || event == JournalEvent::Lost) entry.wins = form.device.GameWins;
    if (event == JournalEvent::Light) entry.light = pet.LightOff ? 0 : 1;
    if (event == JournalEvent::Death) {
        // Neglect empties the neglect clock; the end of a stage is the end of the life; anything
        // else is the Cheats menu.
        entry.cause = pet.DyingTimeLeft <= 0                           ? DeathCause::Neglect
                      : pet.MinuteCount >= pet.MinuteToChangeCharacter ? DeathCause::OldAge
                                                                       : DeathCause::Menu;
    }
    if (event == JournalEvent::Egg || event == JournalEvent::Begin) entry.name = pet.PiplingName;
    if (isMilestone(event) || store->size() < MaxBytes) {
        const std::size_t length = entry.format(line.data(), line.size());
        store->append(std::string_view(line.data(), length));
        ++written;
    }
    entry.call = JournalCall::None;
    entry.cause = DeathCause::None;
    entry.wins = -1;
    entry.light = -1;
    entry.name.clear();
}
