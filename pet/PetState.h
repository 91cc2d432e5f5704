// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The pet and the device's own record: everything that survives between runs and the counters
// that drive the pet's life. Fresh values are those of a new window; start-up sets the rest.
struct PetState {
    // Public fields, read and written by the other windows.
    int16_t InsulatingSheet = 1;
    bool SendInsulatingSheetToBack = false;
    int16_t InsulatingSheetWidthPushed = 700;
    int16_t CurrentInsulatingSheet = 1;
    int16_t ButtonALeft = 0, ButtonATop = 0, ButtonBLeft = 0, ButtonBTop = 0, ButtonCLeft = 0, ButtonCTop = 0;
    int16_t ResetButtonLeft = 0, ResetButtonTop = 0;
    std::string PiplingName = "Pipling";
    bool PluginsForm = false;
    std::string OKButtonText = "&OK";
    std::string CancelButtonText = "&Cancel";
    std::string CurrentSkin = "Default";
    int16_t DisciplineWhenNeed = 0;
    int16_t SnackCount = 0;
    int16_t PlayCounter = 0;
    int16_t NeedCount = 0;
    int16_t CareWhenNeed = 0;
    int16_t DyingTimeLeft = 480;
    int16_t DelayValue = 7;
    int16_t SecondCount = 0;
    int32_t MinuteCount = 0;
    int16_t CharacterNo = 0;
    int16_t TotalNeedCount = 0;
    int16_t Weight = 0;
    int16_t Discipline = 0;
    int16_t MinuteToChangeCharacter = 1;
    std::string Plugins;
    std::string CharacterName;
    bool ButtonAPressed = false, ButtonBPressed = false, ButtonCPressed = false;
    std::string CheatCode;
    bool TimerScreen = false;
    int16_t TimerInterval = 10;

    // Private fields of the simulation.
    int16_t MaxMinutes = 0;
    int16_t MinutesPerHour = 10;
    int16_t CurrentTempChar = 0;
    int16_t IntervalCount = 0;
    int16_t FramePeriod = 80;
    int16_t LastSecond = 0;
    int16_t AttendTimeLeft = 0;
    int16_t AttendSoundCount = 0;
    int16_t ScreenTimeLeft = 0;
    int16_t DungFrameCount = 0;
    int16_t ChangeStep = 0;
    int16_t NextCharacterNo = 0;
    int16_t FeedMenuIndex = 0, LightMenuIndex = 0;
    bool LightOff = false;
    int16_t Age = 0;
    int16_t Happiness = 0;
    int16_t Hunger = 0;
    int16_t Sickness = 0;
    int16_t Dung = 0;
    bool SleepAction = false;
    bool AttentionSleep = false;
    bool AttentionHungry = false, AttentionHappy = false, AttentionDiscipline = false;
    int16_t DyingAction = 0;
    int16_t DarkWidth = 0;
    int16_t MinWeight = 0;
    bool DroppingAction = false;
    std::string StatusText;

    template <class Visitor> void forEachField(Visitor&& visit) {
        visit("InsulatingSheet", InsulatingSheet);
        visit("SendInsulatingSheetToBack", SendInsulatingSheetToBack);
        visit("InsulatingSheetWidthPushed", InsulatingSheetWidthPushed);
        visit("CurrentInsulatingSheet", CurrentInsulatingSheet);
        visit("ButtonALeft", ButtonALeft);
        visit("ButtonATop", ButtonATop);
        visit("ButtonBLeft", ButtonBLeft);
        visit("ButtonBTop", ButtonBTop);
        visit("ButtonCLeft", ButtonCLeft);
        visit("ButtonCTop", ButtonCTop);
        visit("ResetButtonLeft", ResetButtonLeft);
        visit("ResetButtonTop", ResetButtonTop);
        visit("PiplingName", PiplingName);
        visit("PluginsForm", PluginsForm);
        visit("OKButtonText", OKButtonText);
        visit("CancelButtonText", CancelButtonText);
        visit("CurrentSkin", CurrentSkin);
        visit("DisciplineWhenNeed", DisciplineWhenNeed);
        visit("SnackCount", SnackCount);
        visit("PlayCounter", PlayCounter);
        visit("NeedCount", NeedCount);
        visit("CareWhenNeed", CareWhenNeed);
        visit("DyingTimeLeft", DyingTimeLeft);
        visit("DelayValue", DelayValue);
        visit("SecondCount", SecondCount);
        visit("MinuteCount", MinuteCount);
        visit("CharacterNo", CharacterNo);
        visit("TotalNeedCount", TotalNeedCount);
        visit("Weight", Weight);
        visit("Discipline", Discipline);
        visit("MinuteToChangeCharacter", MinuteToChangeCharacter);
        visit("Plugins", Plugins);
        visit("CharacterName", CharacterName);
        visit("ButtonAPressed", ButtonAPressed);
        visit("ButtonBPressed", ButtonBPressed);
        visit("ButtonCPressed", ButtonCPressed);
        visit("CheatCode", CheatCode);
        visit("TimerScreen", TimerScreen);
        visit("TimerInterval", TimerInterval);
        visit("MaxMinutes", MaxMinutes);
        visit("MinutesPerHour", MinutesPerHour);
        visit("CurrentTempChar", CurrentTempChar);
        visit("IntervalCount", IntervalCount);
        visit("FramePeriod", FramePeriod);
        visit("LastSecond", LastSecond);
        visit("AttendTimeLeft", AttendTimeLeft);
        visit("AttendSoundCount", AttendSoundCount);
        visit("ScreenTimeLeft", ScreenTimeLeft);
        visit("DungFrameCount", DungFrameCount);
        visit("ChangeStep", ChangeStep);
        visit("NextCharacterNo", NextCharacterNo);
        visit("FeedMenuIndex", FeedMenuIndex);
        visit("LightMenuIndex", LightMenuIndex);
        visit("LightOff", LightOff);
        visit("Age", Age);
        visit("Happiness", Happiness);
        visit("Hunger", Hunger);
        visit("Sickness", Sickness);
        visit("Dung", Dung);
        visit("SleepAction", SleepAction);
        visit("AttentionSleep", AttentionSleep);
        visit("AttentionHungry", AttentionHungry);
        visit("AttentionHappy", AttentionHappy);
        visit("AttentionDiscipline", AttentionDiscipline);
        visit("DyingAction", DyingAction);
        visit("DarkWidth", DarkWidth);
        visit("MinWeight", MinWeight);
        visit("DroppingAction", DroppingAction);
        visit("StatusText", StatusText);
    }
};
