// SPDX-License-Identifier: GPL-3.0-or-later
// The two games behind the Play icon: five turns of guessing the pet's turn (Game A) or whether
// the next number is lower or higher than the pet's (Game B), the final score, and what a game
// does to the pet.
#include "device/CareScreens.h"

#include <algorithm>
#include <cstddef>

namespace care {

namespace {

constexpr int16_t Turns = 5;
constexpr int16_t WinsToPlease = 3;
// The game engine steps every 5 ticks, whatever the character's animation pace.
constexpr int16_t TicksPerStep = 5;

bool gameB(Form1& form) {
    return form.options.gameB;
}
// The hidden Cheats menu, once shown, lets the player win every turn.
bool cheating(Form1& form) {
    return form.options.cheatsShown;
}

int draw(Form1& form, int range) {
    return static_cast<int>(form.platform.chance.next() * range);
}

const PictureHandle& largeNumber(const Form1& form, int value) {
    return form.elements.LargeNumber[static_cast<std::size_t>(std::clamp(value, 0, 9))];
}

// A number 0..9 other than the pet's, so that every turn of Game B is decided.
int drawOtherNumber(Form1& form) {
    int r = 0;
    do
        r = draw(form, 10);
    while (r == form.device.PipNumberValue);
    return r;
}

// The pet's reaction (happy or unhappy) to a turn or to the whole game; the screen animation
// runs it and ends it through DoIconAction(PressC).
void startReaction(Form1& form, bool happy) {
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    if (happy) {
        playSound(form, "\\sounds\\plyhappy.wav");
        d.HappyAction = true;
        place(e.TempImage, e.TempHappy[0], form.layout.HappyLeft, form.layout.HappyTop);
    } else {
        playSound(form, "\\sounds\\plyunhap.wav");
        d.UnhappyAction = true;
        place(e.TempImage, e.TempUnhappy[0], form.layout.UnhappyLeft, form.layout.UnhappyTop);
    }
    form.pet.ScreenTimeLeft = IdleSeconds;
    d.FrameIndex = 0;
    d.ActionStep = 0;
    d.ActionFramesLeft = 7;
}

void endGame(Form1& form) {
    PetState& pet = form.pet;
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    countUp(pet.PlayCounter);
    if (d.GameWins >= WinsToPlease && pet.Happiness < 4) {
        ++pet.Happiness;
        if (pet.AttentionHappy) {
            pet.AttentionHappy = false;
            countUp(pet.CareWhenNeed);
        }
    }
    // Playing burns a little weight, but never below the character's least weight.
    if (pet.CharacterNo > character::Baby && pet.MinWeight < pet.Weight && pet.Weight < 99) --pet.Weight;
    resetNeglectClock(form);
    form.journal.record(form, d.GameWins >= WinsToPlease ? JournalEvent::Won : JournalEvent::Lost);
    playSound(form, "\\sounds\\plystop.wav");
    d.GameState = gameState::FinalScore;
    e.YourScore.setPicture(largeNumber(form, d.GameWins));
    e.PipScore.setPicture(largeNumber(form, Turns - d.GameWins));
    d.ActionStep = 0;
    d.ActionFramesLeft = 7;
    if (form.screenShowsPet()) {
        e.PipNumber.visible = false;
        e.ResultNumber.visible = false;
        e.PlayResult.visible = true;
        e.YourScore.visible = true;
        e.PipScore.visible = true;
    }
}

void nextTurn(Form1& form) {
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    e.PlayTitle.visible = false;
    playSound(form, "\\sounds\\playing.wav");
    d.GameState = gameState::Guessing;
    d.FrameIndex = 0;
    place(e.TempImage, e.TempPlay[0], form.layout.PlayLeft, form.layout.PlayTop);
    form.pet.ScreenTimeLeft = IdleSeconds;
    const bool numbers = gameB(form);
    if (numbers) {
        // With the cheats the pet's number leaves room both below and above it.
        if (cheating(form)) {
            do
                d.PipNumberValue = static_cast<int16_t>(draw(form, 10));
            while (d.PipNumberValue < 1 || d.PipNumberValue > 8);
        } else {
            d.PipNumberValue = static_cast<int16_t>(draw(form, 10));
        }
        e.PipNumber.setPicture(largeNumber(form, d.PipNumberValue));
    }
    if (form.screenShowsPet()) {
        e.TempImage.visible = true;
        if (numbers) e.PipNumber.visible = true;
    }
}

// The waiting pet bobs between its two poses.
void waitForGuess(Form1& form) {
    DeviceState& d = form.device;
    Element& pet = form.elements.TempImage;
    playSound(form, "\\sounds\\playing.wav");
    const bool wasVisible = pet.visible;
    pet.visible = false;
    d.FrameIndex = d.FrameIndex == 0 ? 1 : 0;
    place(pet, form.elements.TempPlay[static_cast<std::size_t>(d.FrameIndex)], form.layout.PlayLeft,
          form.layout.PlayTop);
    if (form.screenShowsPet()) pet.visible = wasVisible;
}

void showTurnResult(Form1& form, bool won) {
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    d.GameState = gameState::TurnReaction;
    e.LeftArrow.visible = false;
    e.RightArrow.visible = false;
    e.PipNumber.visible = false;
    e.ResultNumber.visible = false;
    const bool wasVisible = e.TempImage.visible;
    e.TempImage.visible = false;
    startReaction(form, won);
    e.TempImage.visible = form.screenShowsPet() && wasVisible;
}

void showGameReaction(Form1& form) {
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    d.GameState = gameState::GameReaction;
    e.PlayResult.visible = false;
    e.YourScore.visible = false;
    e.PipScore.visible = false;
    startReaction(form, d.GameWins >= WinsToPlease);
    e.TempImage.visible = form.screenShowsPet();
}

// The player's guess: 0 = A (left, lower), 1 = B (right, higher).
void judgeGuess(Form1& form, int16_t guess) {
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    ++d.GameTurn;
    d.GameGuess = guess;
    const bool cheat = cheating(form);
    const bool numbers = gameB(form);
    bool won = false;
    int shown = 0; // the direction the pet turns (Game A) or the drawn number (Game B)
    if (!numbers) {
        shown = draw(form, 2);
        if (cheat) shown = guess;
        won = shown == guess;
    } else if (guess == 0) {
        const int pip = d.PipNumberValue;
        shown = cheat && pip >= 1 ? draw(form, pip) : drawOtherNumber(form);
        won = shown < pip;
    } else {
        const int pip = d.PipNumberValue;
        if (cheat && pip < 9)
            shown = static_cast<int>((9 - pip) * form.platform.chance.next() + pip + 1);
        else
            shown = drawOtherNumber(form);
        won = shown > pip;
    }
    if (numbers) e.ResultNumber.setPicture(largeNumber(form, shown));
    if (won) {
        d.GameState = gameState::TurnWon;
        ++d.GameWins;
    } else {
        d.GameState = gameState::TurnLost;
    }
    const bool wasVisible = e.TempImage.visible;
    e.TempImage.move(form.layout.PlayLeft, form.layout.PlayTop);
    if (numbers) {
        e.ResultNumber.visible = wasVisible;
        e.TempImage.setPicture(e.TempPlay[3]);
    } else {
        Element& arrow = guess == 0 ? e.LeftArrow : e.RightArrow;
        if (guess == 0)
            arrow.move(form.layout.LArrowLeft, form.layout.LArrowTop);
        else
            arrow.move(form.layout.RArrowLeft, form.layout.RArrowTop);
        arrow.visible = wasVisible;
        e.TempImage.setPicture(e.TempPlay[static_cast<std::size_t>(std::clamp(shown, 0, 1) + 2)]);
    }
    e.TempImage.visible = wasVisible;
    d.ActionStep = 0;
    d.ActionFramesLeft = 3;
    form.pet.ScreenTimeLeft = IdleSeconds;
}

void clearReaction(Form1& form) {
    DeviceState& d = form.device;
    d.UnhappyAction = d.HappyAction = d.NegativeAction = false;
    form.elements.TempImage.visible = false;
}

// The reaction to a turn is over (or skipped): the next step plays the next turn or ends the game.
void afterTurnReaction(Form1& form) {
    DeviceState& d = form.device;
    d.ActionFramesLeft = 0;
    d.ActionStep = TicksPerStep - 1;
    d.GameState = gameState::Title;
    form.pet.ScreenTimeLeft = IdleSeconds;
    clearReaction(form);
}

// The reaction to a whole game is over: the pet wants another game.
void afterGameReaction(Form1& form) {
    DeviceState& d = form.device;
    d.ActionStep = 0;
    form.pet.ScreenTimeLeft = IdleSeconds;
    d.ActionFramesLeft = 0;
    clearReaction(form);
    form.DoStartGame();
}

void quitGame(Form1& form) {
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    d.ActionStep = TicksPerStep - 1;
    d.ActionFramesLeft = 0;
    d.UnhappyAction = d.HappyAction = false;
    d.GameState = gameState::None;
    for (Element* element : {&e.PlayTitle, &e.PlayResult, &e.YourScore, &e.PipScore, &e.LeftArrow,
                             &e.RightArrow, &e.TempImage, &e.PipNumber, &e.ResultNumber})
        element->visible = false;
    d.NegativeAction = false;
    form.pet.ScreenTimeLeft = 0;
    form.DoMainScreen(true);
}

// A sick pet, or one waiting to be scolded, will not play.
void refuseToPlay(Form1& form) {
    DeviceState& d = form.device;
    ElementSet& e = form.elements;
    d.NegativeAction = true;
    place(e.TempImage, e.TempNegative[0], form.layout.NoLeft, form.layout.NoTop);
    form.DoMainScreen(false);
    if (form.pet.LightOff) e.Dark.visible = true;
    form.pet.ScreenTimeLeft = IdleSeconds;
    d.ActionStep = 0;
    d.ActionFramesLeft = 7;
    e.TempImage.visible = form.screenShowsPet();
}

} // namespace

void playAction(Form1& form, int16_t button) {
    DeviceState& d = form.device;
    PetState& pet = form.pet;
    if (button == PressC) {
        if (d.GameState == gameState::TurnReaction)
            afterTurnReaction(form);
        else if (d.GameState == gameState::GameReaction)
            afterGameReaction(form);
        else
            quitGame(form);
        return;
    }
    if (button != PressA && button != PressB) return;
    if (d.NegativeAction) {
        // Any press ends the refusal.
        form.elements.TempImage.visible = false;
        quitGame(form);
        return;
    }
    if (button == PressB && d.GameState == gameState::None) {
        if (!pet.AttentionDiscipline && pet.Sickness <= 0) {
            form.DoStartGame();
            if (pet.LightOff) form.elements.Dark.visible = true;
        } else {
            refuseToPlay(form);
        }
        return;
    }
    switch (d.GameState) {
    case gameState::Title:
        d.ActionStep = TicksPerStep - 1;
        d.ActionFramesLeft = 0;
        pet.ScreenTimeLeft = IdleSeconds;
        break;
    case gameState::Guessing:
        judgeGuess(form, button == PressA ? 0 : 1);
        break;
    case gameState::TurnWon:
    case gameState::TurnLost:
    case gameState::FinalScore:
        pet.ScreenTimeLeft = IdleSeconds;
        d.ActionStep = TicksPerStep - 1;
        d.ActionFramesLeft = 0;
        form.DoGameStep();
        break;
    case gameState::TurnReaction:
        afterTurnReaction(form);
        break;
    case gameState::GameReaction:
        afterGameReaction(form);
        break;
    default:
        break;
    }
}

} // namespace care

void Form1::DoStartGame() {
    device.GameTurn = 0;
    device.GameWins = 0;
    DoMainScreen(false);
    device.GameState = gameState::Title;
    care::playSound(*this, "\\sounds\\plystart.wav");
    if (screenShowsPet()) elements.PlayTitle.visible = true;
    device.ActionStep = 0;
    device.ActionFramesLeft = 9;
    pet.ScreenTimeLeft = care::IdleSeconds;
    device.IconTimeLeft = care::IdleSeconds;
}

void Form1::DoGameStep() {
    using namespace care;
    DeviceState& d = device;
    if (d.GameState < gameState::Title || d.HappyAction || d.UnhappyAction) return;
    if (++d.ActionStep < TicksPerStep) return;
    d.ActionStep = 0;
    if (d.ActionFramesLeft > 0 && --d.ActionFramesLeft != 0) return;
    switch (d.GameState) {
    case gameState::Title:
        if (d.GameTurn >= Turns)
            endGame(*this);
        else
            nextTurn(*this);
        break;
    case gameState::Guessing:
        waitForGuess(*this);
        break;
    case gameState::TurnWon:
        showTurnResult(*this, true);
        break;
    case gameState::TurnLost:
        showTurnResult(*this, false);
        break;
    case gameState::FinalScore:
        showGameReaction(*this);
        break;
    default:
        break;
    }
}
