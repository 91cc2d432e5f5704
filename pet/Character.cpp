// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "device/CareScreens.h"

namespace {

struct Stage {
    int16_t framePeriod;
    int16_t minWeight;
};

// Animation speed and lowest weight of each living character.
constexpr Stage Stages[12] = {{80, 0},  {60, 5},  {80, 10}, {80, 20}, {80, 20}, {50, 30},
                              {80, 30}, {80, 30}, {80, 30}, {80, 30}, {80, 30}, {60, 30}};

} // namespace

void Form1::DoSetCharacter(int16_t CharNo) {
    // Only the thirteen characters exist; any other number (a damaged store, a stray call) would
    // index past the stage table, so it leaves the pet as it is.
    if (CharNo < character::Egg || CharNo > character::Angel) return;
    leaveReplacedPet(CharNo);
    resetForStage(CharNo);
    pet.DelayValue = 7;
    menuItem(cheatChar(CharNo)).checked = true;
    if (CharNo == character::Egg)
        enterEgg();
    else if (CharNo == character::Baby)
        enterBaby();
    else if (CharNo <= character::Secret)
        enterGrownStage(CharNo);
    else
        enterAngel();
    journal.record(*this, JournalEvent::Character);
}

void Form1::leaveReplacedPet(int16_t CharNo) {
    auto& e = elements;
    // A pet that is replaced while it dies (the reset button, a Cheats item) stops dying: the
    // tick counts no time while the dying runs, so the new pet would otherwise never grow.
    if (pet.DyingAction != 0) {
        pet.DyingAction = 0;
        e.Skull.visible = false;
        e.TempImage.visible = false;
    }
    // A new egg or the angel ends a running change: its end would otherwise set the change's
    // target over the new pet.
    if ((CharNo == character::Egg || CharNo == character::Angel) && pet.ChangeStep > 0) {
        pet.ChangeStep = 0;
        e.ChangingScreen.visible = false;
    }
    // The angel does not stand on the clock screen, where the dead pet's buttons could not leave
    // it; the pet's screen is cleared as for a death.
    if (CharNo == character::Angel && closeClock()) DoMainScreen(false);
    // Leaving the angel clears the dead pet's page, which the new pet's screen does not draw.
    if (pet.CharacterNo == character::Angel && CharNo != character::Angel) {
        e.Angel.visible = false;
        e.Yr.visible = false;
        for (Element& digit : e.AgeDigit)
            digit.visible = false;
    }
    // A pet replaced on its age page (a new egg, or the angel set again) leaves the page as C
    // would: the status page shares the age digits, and the next angel stands where angels stand.
    if (pet.CharacterNo == character::Angel && device.ActionStep != 0) care::leaveAgePage(*this);
}

void Form1::resetForStage(int16_t CharNo) {
    elements.PipChar.visible = false;
    device.NewPetUndrawn = true;
    pet.CharacterNo = CharNo;
    pet.TotalNeedCount = pet.IntervalCount = pet.SecondCount = pet.CurrentTempChar = pet.AttendSoundCount = 0;
    device.ActionStep = device.ActionFrameCount = device.FrameIndex = device.SickFrame = device.WalkStep = 0;
    DoResetCheatMenu();
    DoEndCurrentAction();
    pet.DisciplineWhenNeed = pet.SnackCount = pet.PlayCounter = pet.NeedCount = pet.CareWhenNeed = 0;
    DoSetCharacterName();
    menuItem(MenuId::mCharacterName).caption = pet.CharacterName;
    if (CharNo < character::Angel) {
        DoGetCharacterIni("");
        if (!pet.Plugins.empty()) DoGetCharacterIni(pet.Plugins);
    }
    DoLoadCharacter();
    if (pet.DyingTimeLeft < 1) pet.DyingTimeLeft = neglectAllowance(pet.MinutesPerHour);
}

void Form1::enterEgg() {
    const int16_t H = pet.MinutesPerHour;
    auto& e = elements;
    pet.MaxMinutes = drawnLifeLength(H, platform.chance.next());
    pet.DyingTimeLeft = neglectAllowance(H);
    DoHideIcon();
    enableEventItems(false);
    pet.FramePeriod = 80;
    pet.MinuteCount = 0;
    pet.MinuteToChangeCharacter = 1;
    e.PipChar.visible = false;
    endCalls();
    pet.Age = pet.Weight = pet.MinWeight = pet.Discipline = pet.Happiness = pet.Hunger = pet.Sickness =
        pet.Dung = 0;
    e.Skull.visible = false;
    pet.LightOff = false;
    pet.LightMenuIndex = 0;
    e.Dark.visible = false;
    // The new egg is awake: the sleeping pet's sign goes with it.
    pet.SleepAction = pet.AttentionSleep = false;
    e.SleepSign.visible = false;
    menuItem(MenuId::mCheatAction2).checked = false;
    e.hideAllDroppings();
    e.PipChar.setPicture(e.TempChar[0]);
    e.PipChar.visible = screenShowsPet();
}

void Form1::enterBaby() {
    auto& e = elements;
    pet.FramePeriod = Stages[1].framePeriod;
    pet.SecondCount = 0;
    pet.MinuteCount = 0;
    pet.CurrentTempChar = 0;
    pet.MinuteToChangeCharacter = 21;
    e.PipChar.visible = false;
    pet.Age = 0;
    pet.Weight = pet.MinWeight = Stages[1].minWeight;
    pet.Discipline = pet.Happiness = pet.Hunger = pet.Sickness = 0;
    e.Skull.visible = false;
    pet.AttentionHungry = pet.AttentionHappy = true;
    pet.AttentionDiscipline = false;
    e.AttendIcon.visible = true;
    pet.AttendTimeLeft = CallSeconds;
    pet.NeedCount = static_cast<int16_t>(pet.NeedCount + 2);
    pet.Dung = 0;
    e.hideAllDroppings();
}

void Form1::enterGrownStage(int16_t CharNo) {
    const int16_t H = pet.MinutesPerHour;
    const Stage& stage = Stages[CharNo];
    switch (CharNo) {
    case character::Child:
        pet.MinuteToChangeCharacter = static_cast<int16_t>(twoPetDays(H) + 10);
        break;
    case character::GoodTeen:
    case character::PoorTeen:
        pet.MinuteToChangeCharacter = static_cast<int16_t>(72 * H + 10);
        break;
    case character::Maskwick:
        pet.MinuteToChangeCharacter = static_cast<int16_t>(twoPetDays(H) + 10);
        pet.Discipline = 0;
        pet.MaxMinutes = secretStageLength(H);
        break;
    default:
        pet.MinuteToChangeCharacter = pet.MaxMinutes;
        if (CharNo == character::Wigglet) pet.Discipline = 7;
        break;
    }
    pet.FramePeriod = stage.framePeriod;
    pet.MinWeight = stage.minWeight;
    if (pet.Weight < pet.MinWeight) pet.Weight = pet.MinWeight;
    elements.PipChar.visible = false;
    elements.PipChar.move(layout.OriginalLeft, layout.OriginalTop);
    endCalls();
    pet.SecondCount = 0;
    pet.MinuteCount = 0;
    pet.CurrentTempChar = 0;
    if (pet.SleepAction) menuItem(MenuId::mCheatAttention).enabled = false;
}

void Form1::enterAngel() {
    auto& e = elements;
    DoHideIcon();
    enableEventItems(false);
    pet.FramePeriod = 80;
    pet.MinuteCount = 0;
    pet.MinuteToChangeCharacter = 1;
    endCalls();
    e.PipChar.visible = false;
    pet.LightOff = false;
    pet.LightMenuIndex = 0;
    pet.SleepAction = pet.AttentionSleep = false;
    e.Dark.visible = false;
    e.SleepSign.visible = false;
    menuItem(MenuId::mCheatAction2).checked = false;
    pet.Dung = 0;
    e.hideAllDroppings();
    e.Angel.visible = frontShown();
    e.PipChar.visible = screenShowsPet();
}
