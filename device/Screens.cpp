// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include <algorithm>

namespace {

// The care animations that hold the screen for a while (ScreenTimeLeft).
bool timedAnimation(const DeviceState& device) {
    return device.HappyAction || device.UnhappyAction || device.NegativeAction;
}

// With the light off the dark covers the screen where the picture would show.
void showUnlessDark(ElementSet& e, bool lightOff, Element& picture) {
    if (lightOff)
        e.Dark.visible = true;
    else
        picture.visible = true;
}

} // namespace

void Form1::DoMainScreen(bool flag) {
    if (pet.CharacterNo == character::Angel) {
        showAngelScreen(flag);
        return;
    }
    // The dying pet keeps its own pose; its signs belong to the dying animation.
    if (pet.DyingAction > 0) {
        elements.PipChar.visible = flag;
        return;
    }
    if (showGameScreen(flag)) return;
    if (flag)
        drawMainScreen();
    else
        clearMainScreen();
}

// The dead pet: the angel, or its age page while C holds it open.
void Form1::showAngelScreen(bool flag) {
    auto& e = elements;
    if (!screenShowsPet()) return;
    e.Angel.visible = flag;
    if (device.ActionStep != 0) {
        if (pet.Age > 9) e.AgeDigit[0].visible = flag;
        e.AgeDigit[1].visible = flag;
        e.Yr.visible = flag;
    } else {
        e.PipChar.visible = flag;
    }
}

// A game draws its own screen, one picture set per state; false when no game runs.
bool Form1::showGameScreen(bool flag) {
    auto& e = elements;
    switch (device.GameState) {
    case gameState::None:
        return false;
    case gameState::Title:
        e.PlayTitle.visible = flag;
        break;
    case gameState::Guessing:
        e.TempImage.visible = flag;
        if (options.gameB) {
            e.PipNumber.visible = flag;
            e.ResultNumber.visible = false;
        }
        break;
    case gameState::TurnWon:
    case gameState::TurnLost:
    case gameState::TurnReaction:
    case gameState::GameReaction:
        if (device.HappyAction || device.UnhappyAction) {
            e.TempImage.visible = flag;
        } else if (!options.gameB) {
            if (device.GameGuess == 1)
                e.RightArrow.visible = flag;
            else
                e.LeftArrow.visible = flag;
        } else {
            e.PipNumber.visible = flag;
            e.ResultNumber.visible = flag;
        }
        break;
    case gameState::FinalScore:
        e.PlayResult.visible = flag;
        e.YourScore.visible = flag;
        e.PipScore.visible = flag;
        break;
    default:
        break;
    }
    return true;
}

void Form1::drawMainScreen() {
    // An idle pet comes back to its normal pose before it is shown again.
    if (pet.Sickness == 0 && !pet.SleepAction && !pet.DroppingAction && !device.UnhappyAction &&
        !device.NegativeAction && pet.CharacterNo >= character::Baby &&
        pet.CharacterNo <= character::Secret) {
        elements.PipChar.move(layout.OriginalLeft, layout.OriginalTop);
        pet.CurrentTempChar = 0;
        pet.IntervalCount = 0;
        device.ActionFrameCount = 0;
        device.WalkRight = false;
    }
    if (pet.ScreenTimeLeft == 0)
        drawPetScreen();
    else if (frontShown() && !pet.TimerScreen)
        drawTimedScreen();
}

// No care screen holds the screen: the pet, its signs and its droppings, or the dark.
void Form1::drawPetScreen() {
    auto& e = elements;
    if (pet.LightOff && !timedAnimation(device)) {
        e.Dark.visible = true;
        e.PipChar.visible = false;
        e.showDroppings(pet.Dung, false);
        if (pet.Sickness > 0) e.Skull.visible = false;
        if (pet.SleepAction) e.SleepSign.visible = false;
        return;
    }
    if (!frontShown() || pet.TimerScreen) return;
    if (pet.SleepAction) {
        e.SleepSign.visible = true;
    } else if (pet.Sickness > 0) {
        if (!pet.LightOff) e.Skull.visible = true;
        e.PipChar.move(layout.SickLeft, layout.SickTop);
        device.SickFrame = 0;
        e.PipChar.setPicture(e.TempSick[0]);
        pet.StatusText = menuItem(MenuId::mCheatAction0).caption;
    }
    e.PipChar.visible = true;
    for (std::size_t i = 0; i < ElementSet::droppingCount(pet.Dung); ++i) {
        e.DungImage[i].setPicture(e.TempDung[0]);
        e.DungImage[i].visible = true;
    }
    if (device.FlushAction) showUnlessDark(e, pet.LightOff, e.Water);
}

// A care screen holds the screen for its time: the meal, the feeding menu or an animation.
void Form1::drawTimedScreen() {
    auto& e = elements;
    if (device.EatingAction) {
        showUnlessDark(e, pet.LightOff, e.MealSnack);
        showUnlessDark(e, pet.LightOff, e.TempImage);
    } else if (device.SelectedIcon == menuIcon::Feed) {
        if (pet.LightOff) e.Dark.visible = false;
        e.FeedMenu.visible = true;
        e.RightArrow.visible = true;
    } else if (timedAnimation(device)) {
        showUnlessDark(e, pet.LightOff, e.TempImage);
    }
}

void Form1::clearMainScreen() {
    auto& e = elements;
    if (pet.ScreenTimeLeft != 0) {
        if (device.EatingAction) {
            e.MealSnack.visible = false;
            e.TempImage.visible = false;
        } else if (timedAnimation(device)) {
            e.TempImage.visible = false;
        }
    } else if (pet.LightOff && !timedAnimation(device)) {
        e.Dark.visible = false;
    } else if (frontShown()) {
        e.PipChar.visible = false;
        e.showDroppings(pet.Dung, false);
        if (pet.Sickness > 0) e.Skull.visible = false;
        if (pet.SleepAction) e.SleepSign.visible = false;
    }
}

void Form1::DoShowTimerScreen(bool flag) {
    auto& e = elements;
    // The tens of the hour appear only for two-digit hours, so only the clock itself shows them.
    if (!flag) e.HourDigit[0].visible = false;
    for (Element* element : {&e.HourDigit[1], &e.Colon, &e.MinuteDigit[0], &e.MinuteDigit[1],
                             &e.SecondDigit[0], &e.SecondDigit[1], &e.AmOrPm, &e.SecondIdx})
        element->visible = flag;
    DoMainScreen(!flag);
}

bool Form1::closeClock() {
    if (!pet.TimerScreen) return false;
    pet.TimerScreen = false;
    DoShowTimerScreen(false);
    return true;
}

namespace {

// Copies a picture into a digit only when it differs, so a clock that shows the same second
// for a hundred ticks changes nothing the view would have to repaint.
void showPicture(Element& element, const PictureHandle& picture) {
    if (element.picture != picture) element.setPicture(picture);
}

} // namespace

void Form1::DoShowClock() {
    if (!frontShown()) return;
    auto& e = elements;
    const TimeOfDay now = platform.clock.now();
    // The twelve-hour clock runs 12, 1, 2, ... 11 in each half of the day.
    const int hour = (now.hour % 12 == 0) ? 12 : now.hour % 12;
    const auto digit = [](int value) { return static_cast<std::size_t>(value % 10); };

    showPicture(e.HourDigit[0], e.LargeNumber[digit(hour / 10)]);
    e.HourDigit[0].visible = hour >= 10; // no leading zero
    showPicture(e.HourDigit[1], e.LargeNumber[digit(hour)]);
    showPicture(e.MinuteDigit[0], e.LargeNumber[digit(now.minute / 10)]);
    showPicture(e.MinuteDigit[1], e.LargeNumber[digit(now.minute)]);
    showPicture(e.SecondDigit[0], e.SmallNumber[digit(now.second / 10)]);
    showPicture(e.SecondDigit[1], e.SmallNumber[digit(now.second)]);
    showPicture(e.AmOrPm, e.AmPm[now.hour < 12 ? 0 : 1]);
    showPicture(e.SecondIdx, e.SecondIndex[digit(now.second)]);
}
