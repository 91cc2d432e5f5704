// SPDX-License-Identifier: GPL-3.0-or-later
// The pet's events: the calls for attention, illness, droppings, sleep and the start of death.
// Each is the click handler of its Cheats menu item, and the minute step starts an event through
// the same handler, so a cheat and the simulation can never drift apart.
#include "app/Form1.h"

#include <algorithm>

namespace {

void addTo(int16_t& field, int amount) {
    field = static_cast<int16_t>(field + amount);
}

// Every call runs 120 counted seconds unless the right care answers it first.
void raiseCall(Form1& form, bool& flag, CallKind kind) {
    flag = true;
    form.elements.AttendIcon.visible = true;
    form.pet.AttendTimeLeft = CallSeconds;
    form.callStarted(kind);
}

void hungerCall(Form1& form) {
    if (form.pet.SleepAction) return;
    raiseCall(form, form.pet.AttentionHungry, CallKind::Hungry);
    form.pet.Hunger = 0;
    addTo(form.pet.NeedCount, 1);
    form.journal.record(form, JournalEvent::Call);
}

void unhappinessCall(Form1& form) {
    if (form.pet.SleepAction) return;
    raiseCall(form, form.pet.AttentionHappy, CallKind::Unhappy);
    form.pet.Happiness = 0;
    addTo(form.pet.NeedCount, 1);
    form.journal.record(form, JournalEvent::Call);
}

// The cheat's discipline call also costs the pet a heart, so that the call has a reason the
// status pages show. The hourly step raises its own calls without that cost.
void disciplineCall(Form1& form) {
    auto& pet = form.pet;
    if (pet.SleepAction) return;
    if (static_cast<int>(2 * form.platform.chance.next()) == 0) {
        if (pet.Hunger >= 1) addTo(pet.Hunger, -1);
    } else if (pet.Happiness >= 1) {
        addTo(pet.Happiness, -1);
    }
    raiseCall(form, pet.AttentionDiscipline, CallKind::Discipline);
    form.journal.record(form, JournalEvent::Call);
}

void illness(Form1& form) {
    auto& e = form.elements;
    if (form.pet.SleepAction) return;
    form.DoEndCurrentAction();
    addTo(form.pet.Sickness, 1);
    if (form.screenShowsPet()) e.Skull.visible = true;
    e.PipChar.setPicture(e.TempSick[0]);
    e.PipChar.move(form.layout.SickLeft, form.layout.SickTop);
    form.pet.StatusText = form.menuItem(MenuId::mCheatAction0).caption;
    form.callStarted(CallKind::Sick);
    form.journal.record(form, JournalEvent::Illness);
}

// Arms a pose animation of the pet so that its first frame is drawn on the very next tick.
void armPose(Form1& form) {
    form.device.FrameIndex = 0;
    form.device.ActionStep = 0;
    form.pet.IntervalCount = static_cast<int16_t>(form.pet.FramePeriod - 1);
    form.device.ActionFrameCount = 1;
}

void dropping(Form1& form) {
    auto& e = form.elements;
    if (form.pet.Dung >= 8 || form.pet.SleepAction) return;
    form.DoEndCurrentAction();
    form.pet.StatusText = form.menuItem(MenuId::mCheatAction1).caption;
    armPose(form);
    form.pet.DroppingAction = true;
    // The pose is drawn only where the pet can be seen; over the clock screen it would cover the
    // digits, and the next redraw of the main screen shows it anyway.
    if (form.screenShowsPet()) {
        form.DoMainScreen(false);
        e.PipChar.move(form.layout.Stool0Left, form.layout.Stool0Top);
        e.PipChar.setPicture(e.TempDropping[0]);
        e.PipChar.visible = true;
    }
    form.callStarted(CallKind::Poop);
    form.journal.record(form, JournalEvent::Dropping);
}

void wakeUp(Form1& form) {
    auto& pet = form.pet;
    auto& e = form.elements;
    if (pet.Age != 99) addTo(pet.Age, 1);
    pet.SleepAction = false;
    pet.AttentionSleep = false;
    e.SleepSign.visible = false;
    e.Dark.setPicture(e.TempDark[2]);
    pet.DarkWidth = static_cast<int16_t>(e.Dark.width);
    e.Dark.visible = false;
    pet.LightOff = false;
    pet.LightMenuIndex = 0;
    form.DoMainScreen(true);
    form.showSleepInMenu(false);
    form.journal.record(form, JournalEvent::Wake);
}

// Falling asleep is itself a call: the pet wants its light switched off.
void fallAsleep(Form1& form) {
    auto& pet = form.pet;
    auto& e = form.elements;
    form.DoEndCurrentAction();
    armPose(form);
    const bool petVisible = e.PipChar.visible;
    e.PipChar.move(form.layout.SleepLeft, form.layout.SleepTop);
    e.PipChar.setPicture(e.TempSleep[0]);
    e.SleepSign.setPicture(e.TempSleepSign[0]);
    pet.StatusText = form.menuItem(MenuId::mCheatAction2).caption;
    e.SleepSign.visible = petVisible;
    e.PipChar.visible = petVisible;
    form.showSleepInMenu(true);
    pet.SleepAction = true;
    raiseCall(form, pet.AttentionSleep, CallKind::Sleep);
    addTo(pet.NeedCount, 1);
    form.journal.record(form, JournalEvent::Sleep);
}

void deathStart(Form1& form) {
    auto& pet = form.pet;
    auto& e = form.elements;
    if (pet.SleepAction) return;
    // The dying pet takes the screen from the clock, as a character change does: on the clock
    // the buttons of a dying pet could never leave it.
    form.closeClock();
    form.DoEndCurrentAction();
    form.DoMainScreen(false);
    form.endCalls();
    form.DoHideIcon();
    pet.DyingAction = 1;
    form.device.FrameIndex = 0;
    pet.FramePeriod = 120;
    pet.IntervalCount = 119; // the first blink comes on the next tick
    form.device.ActionFrameCount = 0;
    e.PipChar.setPicture(e.TempSick[1]);
    e.PipChar.move(form.layout.DyingLeft, form.layout.DyingTop);
    form.enableEventItems(false);
    // The droppings stay counted: they come back if the pet is ever shown alive again.
    e.hideAllDroppings();
    if (form.screenShowsPet()) {
        e.Skull.visible = true;
        e.PipChar.visible = true;
    }
    form.callStarted(CallKind::Dying);
    form.journal.record(form, JournalEvent::Death);
}

} // namespace

void Form1::mCheatAttention_Click(int16_t Index) {
    DoShowIfAutoShow();
    switch (Index) {
    case cheat::Hungry:
        hungerCall(*this);
        break;
    case cheat::Unhappy:
        unhappinessCall(*this);
        break;
    case cheat::Discipline:
        disciplineCall(*this);
        break;
    default:
        break;
    }
}

void Form1::mCheatAction_Click(int16_t Index) {
    DoShowIfAutoShow();
    switch (Index) {
    case cheat::Sick:
        illness(*this);
        break;
    case cheat::Poop:
        dropping(*this);
        break;
    case cheat::Sleep:
        pet.SleepAction ? wakeUp(*this) : fallAsleep(*this);
        break;
    case cheat::Dying:
        deathStart(*this);
        break;
    default:
        break;
    }
}

void Form1::DoEndCurrentAction() {
    auto& e = elements;
    if (pet.DroppingAction) {
        // A dropping cut short still lands on the screen, as if its animation had finished.
        device.FrameIndex = 1;
        e.DungImage[2].visible = false;
        pet.Dung = static_cast<int16_t>(std::min(pet.Dung + 1, 8));
        if (screenShowsPet()) e.DungImage[static_cast<std::size_t>(pet.Dung - 1)].visible = true;
        pet.DroppingAction = false;
        DoMainScreen(true);
        device.ActionFrameCount = 1;
        pet.IntervalCount = 0;
    } else if (device.HappyAction) {
        if (device.FlushAction) {
            device.FlushAction = false;
            e.TempImage.visible = false;
            pet.ScreenTimeLeft = 0;
            device.HappyAction = false;
            DoMainScreen(true);
        } else {
            DoIconAction(PressC);
            if (device.GameState > gameState::None) {
                device.GameState = gameState::None;
                DoIconAction(PressC);
            }
        }
    } else if (device.UnhappyAction) {
        DoIconAction(PressC);
        if (device.GameState > gameState::None) {
            device.GameState = gameState::None;
            DoIconAction(PressC);
        }
    } else if (device.EatingAction) {
        // The first cancel stops the eating, the second closes the feed menu beneath it.
        DoIconAction(PressC);
        DoIconAction(PressC);
    } else if (e.FeedMenu.visible || e.LightMenu.visible || device.MeterPage >= 0 ||
               device.GameState >= gameState::Title || device.NegativeAction) {
        DoIconAction(PressC);
        device.GameState = gameState::None;
    }
}

void Form1::DoHideIcon() {
    // A cursor outside the seven icons (only a corrupt value can put it there) has nothing to hide.
    if (device.ShownIcon >= 0 && device.ShownIcon < menuIcon::None) {
        device.IconTimeLeft = 0;
        elements.PipIcon[static_cast<std::size_t>(device.ShownIcon)].visible = false;
        device.SelectedIcon = menuIcon::None;
        device.ShownIcon = menuIcon::None;
    }
}

void Form1::endCalls() {
    pet.AttentionHungry = pet.AttentionHappy = pet.AttentionDiscipline = false;
    elements.AttendIcon.visible = false;
    pet.AttendTimeLeft = 0;
}

void Form1::enableEventItems(bool enabled) {
    for (MenuId item : {MenuId::mCheatAction0, MenuId::mCheatAction1, MenuId::mCheatAction2,
                        MenuId::mCheatAction3, MenuId::mCheatAttention})
        menuItem(item).enabled = enabled;
}

void Form1::showSleepInMenu(bool asleep) {
    for (MenuId item :
         {MenuId::mCheatAttention, MenuId::mCheatAction0, MenuId::mCheatAction1, MenuId::mCheatAction3})
        menuItem(item).enabled = !asleep;
    menuItem(MenuId::mCheatAction2).checked = asleep;
}

void Form1::DoResetCheatMenu() {
    for (int i = character::Egg; i <= character::Angel; ++i)
        menuItem(cheatChar(i)).checked = false;
    for (MenuId item : {MenuId::mCheatAction0, MenuId::mCheatAction1, MenuId::mCheatAction2,
                        MenuId::mCheatAction3, MenuId::mCheatAttention, MenuId::mCheatAttention2})
        menuItem(item).enabled = true;
}
