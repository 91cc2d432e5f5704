// SPDX-License-Identifier: GPL-3.0-or-later
// The feed screen: the meal/snack menu, the meal or snack itself with its effect on the pet, and
// the eating animation that the tick steps.
#include "device/CareScreens.h"

#include <cstddef>

namespace care {

namespace {

// Back from the food to the feed menu. The light is off only for the food: the menu is read in
// the light, so the dark overlay goes away whichever button brought the menu back.
void backToFeedMenu(Form1& form) {
    ElementSet& e = form.elements;
    e.MealSnack.visible = false;
    e.TempImage.visible = false;
    e.FeedMenu.visible = true;
    e.RightArrow.visible = true;
    if (form.pet.LightOff) e.Dark.visible = false;
    form.device.EatingAction = false;
    form.pet.ScreenTimeLeft = IdleSeconds;
}

void serveSnack(Form1& form) {
    PetState& pet = form.pet;
    ElementSet& e = form.elements;
    form.device.FrameIndex = 4;
    e.MealSnack.setPicture(e.TempMeal[4]);
    e.MealSnack.visible = !pet.LightOff;
    if (pet.Happiness < 4) ++pet.Happiness;
    if (pet.AttentionHappy) {
        countUp(pet.CareWhenNeed);
        pet.AttentionHappy = false;
    }
    countUp(pet.SnackCount);
    place(e.TempImage, e.TempEat[0], form.layout.EatLeft, form.layout.EatTop);
    // The baby does not put on weight; the weight stops growing at 99.
    if (pet.CharacterNo >= character::Child && pet.Weight < 99)
        pet.Weight = static_cast<int16_t>(pet.Weight + 2);
    form.journal.record(form, JournalEvent::Snack);
}

void serveMeal(Form1& form) {
    PetState& pet = form.pet;
    ElementSet& e = form.elements;
    form.device.FrameIndex = 0;
    e.MealSnack.setPicture(e.TempMeal[0]);
    e.MealSnack.visible = !pet.LightOff;
    // A full, sick or naughty pet turns the meal down and nothing of it counts.
    if (pet.AttentionDiscipline || pet.Hunger >= 4 || pet.Sickness > 0) {
        place(e.TempImage, e.TempNegative[0], form.layout.NoLeft, form.layout.NoTop);
        return form.journal.record(form, JournalEvent::Refused);
    }
    ++pet.Hunger;
    if (pet.AttentionHungry) {
        countUp(pet.CareWhenNeed);
        pet.AttentionHungry = false;
    }
    place(e.TempImage, e.TempEat[0], form.layout.EatLeft, form.layout.EatTop);
    if (pet.CharacterNo >= character::Child && pet.Weight < 99) ++pet.Weight;
    form.journal.record(form, JournalEvent::Meal);
}

void confirmFood(Form1& form) {
    PetState& pet = form.pet;
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    resetNeglectClock(form);
    e.FeedMenu.visible = false;
    e.RightArrow.visible = false;
    if (pet.LightOff) e.Dark.visible = true;
    d.EatingAction = true;
    e.MealSnack.move(form.layout.MealSnackLeft, form.layout.MealSnack0Top);
    pet.FeedMenuIndex = d.MenuIndex;
    if (d.MenuIndex != 0)
        serveSnack(form);
    else
        serveMeal(form);
    e.TempImage.visible = !pet.LightOff;
    d.ActionStep = 0;
    d.ActionFramesLeft = 0;
    pet.ScreenTimeLeft = IdleSeconds;
}

// The pet's eating pose changes in place at the eating position.
void showEatingPose(Form1& form, int pose) {
    place(form.elements.TempImage, form.elements.TempEat[static_cast<std::size_t>(pose)], form.layout.EatLeft,
          form.layout.EatTop);
}

void showFood(Form1& form, int index) {
    form.elements.MealSnack.setPicture(form.elements.TempMeal[static_cast<std::size_t>(index)]);
}

// The food's stage 0..3 by the picture it shows, or -1 when it shows none of them.
int foodStage(const Form1& form, int first) {
    for (int stage = 0; stage < 4; ++stage) {
        if (form.elements.MealSnack.picture ==
            form.elements.TempMeal[static_cast<std::size_t>(first + stage)])
            return stage;
    }
    return -1;
}

// The refused meal: the two refusal pictures take turns until the fourth "no" ends it.
// Returns false when the screen shows no refusal.
bool refusalStep(Form1& form, int first) {
    ElementSet& e = form.elements;
    if (e.MealSnack.picture != e.TempMeal[static_cast<std::size_t>(first)]) return false;
    if (e.TempImage.picture == e.TempNegative[0]) {
        if (++form.device.ActionFramesLeft >= 4)
            form.DoIconAction(PressC);
        else
            e.TempImage.setPicture(e.TempNegative[1]);
        return true;
    }
    if (e.TempImage.picture == e.TempNegative[1]) {
        e.TempImage.setPicture(e.TempNegative[0]);
        return true;
    }
    return false;
}

// The baby and Wigglet eat slowly, taking every bite of the four food pictures.
void slowEatingStep(Form1& form, int first, int stage, bool poseOne, bool poseZero) {
    if (stage == 0) {
        showFood(form, first + 1);
        showEatingPose(form, 1);
    } else if (poseOne) {
        showEatingPose(form, 0);
    } else if (poseZero) {
        if (stage == 3) {
            form.DoIconAction(PressC);
            return;
        }
        showFood(form, first + stage + 1);
        showEatingPose(form, 1);
    }
}

// Every other character skips the second food picture.
void quickEatingStep(Form1& form, int first, int stage, bool poseOne, bool poseZero) {
    if (stage == 0) {
        showFood(form, first + 2);
        showEatingPose(form, 1);
    } else if (stage == 2 && poseOne) {
        showFood(form, first + 3);
        showEatingPose(form, 0);
    } else if (stage == 3 && poseZero) {
        showEatingPose(form, 1);
    } else if (stage == 3 && poseOne) {
        form.DoIconAction(PressC);
    }
}

} // namespace

void feedAction(Form1& form, int16_t button) {
    PetState& pet = form.pet;
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    const bool menuOpen = e.FeedMenu.visible;
    switch (button) {
    case PressA:
        if (menuOpen)
            moveMenuCursor(form);
        else if (d.EatingAction)
            backToFeedMenu(form);
        break;
    case PressB:
        if (d.EatingAction) {
            backToFeedMenu(form);
        } else if (menuOpen) {
            confirmFood(form);
        } else {
            form.DoMainScreen(false);
            e.FeedMenu.visible = true;
            openMenuCursor(form, pet.FeedMenuIndex);
            pet.ScreenTimeLeft = IdleSeconds;
            d.IconTimeLeft = IdleSeconds;
        }
        break;
    case PressC:
        // The menu may be open but unseen: a meal that ended while the back was showing
        // returns to it without drawing it. C closes it all the same.
        if (menuOpen || (!d.EatingAction && pet.ScreenTimeLeft != 0)) {
            e.FeedMenu.visible = false;
            e.RightArrow.visible = false;
            pet.ScreenTimeLeft = 0;
            form.DoMainScreen(true);
        } else if (d.EatingAction) {
            e.MealSnack.visible = false;
            e.TempImage.visible = false;
            d.EatingAction = false;
            if (pet.ScreenTimeLeft != 0) {
                // The food is finished (or put away): back to the menu for another helping.
                // Unlike screenShowsPet, a dark screen counts: the menu comes back over it.
                if (form.frontShown() && !pet.TimerScreen) {
                    if (pet.LightOff) e.Dark.visible = false;
                    e.FeedMenu.visible = true;
                    e.RightArrow.visible = true;
                }
                pet.ScreenTimeLeft = IdleSeconds;
            } else {
                form.DoMainScreen(true);
            }
        }
        break;
    default:
        break;
    }
}

} // namespace care

void Form1::DoEatingStep() {
    using namespace care;
    if (!device.EatingAction) return;
    // Food moves at the character's own animation pace.
    if (++device.ActionStep < pet.DelayValue) return;
    device.ActionStep = 0;
    const int first = device.FrameIndex >= 4 ? 4 : 0;
    Element& food = elements.MealSnack;
    // First the food drops from where it was served to where it is eaten. A layout that serves
    // and eats at the same height skips the drop rather than waiting on it for ever.
    if (layout.MealSnack0Top != layout.MealSnack1Top && food.top == layout.MealSnack0Top) {
        food.top = layout.MealSnack1Top;
        return;
    }
    if (food.top != layout.MealSnack1Top) return;
    if (refusalStep(*this, first)) return;
    const int stage = foodStage(*this, first);
    if (stage < 0) return;
    const bool poseOne = elements.TempImage.picture == elements.TempEat[1];
    const bool poseZero = elements.TempImage.picture == elements.TempEat[0];
    if (pet.CharacterNo == character::Baby || pet.CharacterNo == character::Wigglet)
        slowEatingStep(*this, first, stage, poseOne, poseZero);
    else
        quickEatingStep(*this, first, stage, poseOne, poseZero);
}
