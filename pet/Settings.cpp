// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "assets/Chooser.h"
#include "pet/StoredValue.h"

#include <cmath>
#include <type_traits>

using namespace StoredValue;

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
constexpr int32_t IntervalLimit = 10000;

} // namespace

void Form1::DoLoadSettings() {
    const std::string& section = pet.PiplingName;
    auto read = [&](const char* key) { return platform.settings.read(section, key); };
    auto loadInteger = [&](const char* key, auto& field, int32_t min, int32_t max) {
        if (auto text = read(key))
            if (auto value = toInteger(*text, min, max))
                field = static_cast<std::remove_reference_t<decltype(field)>>(*value);
    };
    auto loadBoolean = [&](const char* key, bool& field) {
        if (auto text = read(key))
            if (auto value = toBoolean(*text)) field = *value;
    };
    // A number that picks one of a pair: 0 the first, anything else the second (true).
    auto loadPair = [&](const char* key, bool& second) {
        if (auto text = read(key))
            if (auto value = toSingle(*text, -1e30, 1e30)) second = *value != 0;
    };
    constexpr int32_t Max16 = INT16_MAX;

    if (!read("InsulatingSheet")) {
        DoFirstRunDefaults();
        DoSaveSettings();
        return;
    }
    loadInteger("InsulatingSheet", pet.InsulatingSheet, 0, 2);
    loadInteger("InsulatingSheetWidthPushed", pet.InsulatingSheetWidthPushed, INT16_MIN, Max16);

    // Window positions lie inside the desktop's 16-bit pixel coordinate space.
    constexpr double PositionLimit = 32767.0 * 15;
    if (auto text = read("Left"))
        if (auto left = toSingle(*text, -PositionLimit, PositionLimit))
            window.left = static_cast<int>(std::lround(*left));
    if (auto text = read("Top"))
        if (auto top = toSingle(*text, -PositionLimit, PositionLimit))
            window.top = static_cast<int>(std::lround(*top));
    keepOnScreen();
    window.visible = true;

    loadPair("PlayType", options.gameB);
    if (auto text = read("Plugins")) pet.Plugins = isFolderName(*text) ? *text : std::string();
    loadBoolean("AutoShow", options.autoShow);
    // Stores written before this option existed lack the key: their pets keep it checked.
    loadBoolean("Notifications", options.notifications);
    loadBoolean("AlwaysOnTop", options.alwaysOnTop);
    DoSetAlwaysOnTop(window, options.alwaysOnTop);
    if (auto text = read("CurrentSkin")) {
        if (text->empty()) {
            pet.CurrentSkin = "Default";
            platform.settings.writeSection(section, {{"CurrentSkin", pet.CurrentSkin}});
        } else {
            pet.CurrentSkin = isFolderName(*text) ? *text : std::string("Default");
        }
        // A skin that lost its front view would leave the toy without a shell to drag or
        // right-click: the toy falls back to "Default", and remembers it.
        if (pet.CurrentSkin != "Default" && !skinHasShell(platform.files, platform.pictures, platform.appPath,
                                                          pet.Plugins, pet.CurrentSkin)) {
            pet.CurrentSkin = "Default";
            platform.settings.writeSection(section, {{"CurrentSkin", pet.CurrentSkin}});
        }
    }
    bool lifeLengthLoaded = false;
    if (auto text = read("MaxMinutes"))
        if (auto value = toInteger(*text, ShortestLife, LongestLife)) {
            pet.MaxMinutes = static_cast<int16_t>(*value);
            lifeLengthLoaded = true;
        }
    loadInteger("CharacterNo", pet.CharacterNo, character::Egg, character::Angel);
    if (!lifeLengthLoaded) {
        // Without a life length an adult's stage would end at its first minute. It gets the
        // length its character comes with: the secret character's own, or one drawn as for a new
        // egg. The egg and character 7 set their own, and the angel has none.
        if (pet.CharacterNo == character::Secret)
            pet.MaxMinutes = secretStageLength(pet.MinutesPerHour);
        else if (pet.CharacterNo >= character::Baby && pet.CharacterNo <= character::Roelum &&
                 pet.CharacterNo != character::Maskwick)
            pet.MaxMinutes = drawnLifeLength(pet.MinutesPerHour, platform.chance.next());
    }
    DoSetCharacter(pet.CharacterNo);
    // The loaded screen is drawn whole once loading ends.
    elements.PipChar.visible = false;
    device.NewPetUndrawn = false;

    // A count past the frame period only makes the next frame due at once.
    loadInteger("IntervalCount", pet.IntervalCount, 0, IntervalLimit);
    loadInteger("SecondCount", pet.SecondCount, 0, 59);
    loadInteger("MinuteCount", pet.MinuteCount, 0, lastReachableMinute(pet.MinutesPerHour));
    loadInteger("CurrentTempChar", pet.CurrentTempChar, 0, 15);
    loadBoolean("Sound", options.sound);
    bool beep = !options.wave;
    loadPair("SoundType", beep);
    options.wave = !beep;
    if (auto text = read("FormVisible"))
        if (auto visible = toBoolean(*text)) options.hidden = !*visible;
    loadBoolean("AttentionHungry", pet.AttentionHungry);
    loadBoolean("AttentionHappy", pet.AttentionHappy);
    loadBoolean("AttentionDiscipline", pet.AttentionDiscipline);
    loadInteger("AttendTimeLeft", pet.AttendTimeLeft, 0, CallSeconds);
    elements.AttendIcon.visible = pet.AttendTimeLeft >= 1;
    loadInteger("FeedMenuIndex", pet.FeedMenuIndex, 0, 1);
    loadInteger("LightMenuIndex", pet.LightMenuIndex, 0, 1);
    loadInteger("Age", pet.Age, 0, 99);
    loadInteger("Weight", pet.Weight, 0, 100);
    loadInteger("Discipline", pet.Discipline, 0, 14);
    loadInteger("Happiness", pet.Happiness, 0, 4);
    loadInteger("Hunger", pet.Hunger, 0, 4);
    loadInteger("Sickness", pet.Sickness, 0, CountLimit);
    loadInteger("Dung", pet.Dung, 0, 8);
    loadBoolean("SleepAction", pet.SleepAction);
    loadBoolean("AttentionSleep", pet.AttentionSleep);
    if (pet.AttentionSleep) {
        pet.SleepAction = true;
        elements.AttendIcon.visible = true;
        pet.AttendTimeLeft = CallSeconds;
    }
    loadBoolean("LightOff", pet.LightOff);
    loadInteger("DyingAction", pet.DyingAction, 0, 62);
    loadInteger("DyingTimeLeft", pet.DyingTimeLeft, INT16_MIN, neglectAllowance(pet.MinutesPerHour));
    if (pet.DyingTimeLeft < 1) pet.DyingTimeLeft = neglectAllowance(pet.MinutesPerHour);
    loadInteger("DisciplineWhenNeed", pet.DisciplineWhenNeed, 0, Max16);
    loadInteger("PlayCounter", pet.PlayCounter, 0, Max16);
    loadInteger("SnackCount", pet.SnackCount, 0, Max16);
    loadInteger("NeedCount", pet.NeedCount, 0, CountLimit);
    loadInteger("TotalNeedCount", pet.TotalNeedCount, 0, CountLimit);
    loadInteger("CareWhenNeed", pet.CareWhenNeed, 0, Max16);

    const bool showsPet = screenShowsPet();
    if (pet.DyingAction >= 1) {
        // The pet was dying when the program closed: put the dying display back together.
        DoEndCurrentAction();
        DoMainScreen(false);
        endCalls();
        DoHideIcon();
        pet.IntervalCount = 119;
        pet.FramePeriod = 120;
        device.ActionStep = 0;
        device.ActionFrameCount = 0;
        elements.PipChar.setPicture(elements.TempSick[1]);
        elements.PipChar.move(layout.DyingLeft, layout.DyingTop);
        elements.showDroppings(pet.Dung, false);
        if (showsPet) elements.Skull.visible = true;
    }
    if (showsPet) elements.PipChar.visible = true;
}

void Form1::DoSaveSettings() {
    auto number = [](auto value) { return std::to_string(value); };
    std::vector<std::pair<std::string, std::string>> values = {
        {"InsulatingSheet", number(pet.InsulatingSheet)},
        {"InsulatingSheetWidthPushed", number(pet.InsulatingSheetWidthPushed)},
        {"Plugins", pet.Plugins},
        {"AlwaysOnTop", fromBoolean(options.alwaysOnTop)},
        {"AttendTimeLeft", number(pet.AttendTimeLeft)},
        {"AutoShow", fromBoolean(options.autoShow)},
        {"Notifications", fromBoolean(options.notifications)},
        {"CharacterNo", number(pet.CharacterNo)},
        {"CurrentSkin", pet.CurrentSkin},
        {"FeedMenuIndex", number(pet.FeedMenuIndex)},
        {"FormVisible", fromBoolean(!options.hidden)},
        {"IntervalCount", number(pet.IntervalCount)},
        {"Left", number(window.left)},
        {"LightMenuIndex", number(pet.LightMenuIndex)},
        {"LightOff", fromBoolean(pet.LightOff)},
        {"MinuteCount", number(pet.MinuteCount)},
        {"MaxMinutes", number(pet.MaxMinutes)},
        {"SecondCount", number(pet.SecondCount)},
        {"Sound", fromBoolean(options.sound)},
        {"SoundType", options.wave ? "0" : "1"},
        {"PlayType", options.gameB ? "1" : "0"},
        {"CurrentTempChar", number(pet.CurrentTempChar)},
        {"Top", number(window.top)},
        {"TotalNeedCount", number(pet.TotalNeedCount)},
        {"Age", number(pet.Age)},
        {"Weight", number(pet.Weight)},
        {"Discipline", number(pet.Discipline)},
        {"Happiness", number(pet.Happiness)},
        {"Hunger", number(pet.Hunger)},
        {"Sickness", number(pet.Sickness)},
        {"Dung", number(pet.Dung)},
        {"AttentionHungry", fromBoolean(pet.AttentionHungry)},
        {"AttentionHappy", fromBoolean(pet.AttentionHappy)},
        {"AttentionDiscipline", fromBoolean(pet.AttentionDiscipline)},
        {"AttentionSleep", fromBoolean(pet.AttentionSleep)},
        {"SleepAction", fromBoolean(pet.SleepAction)},
        {"DyingAction", number(pet.DyingAction)},
        {"DyingTimeLeft", number(pet.DyingTimeLeft)},
        {"DisciplineWhenNeed", number(pet.DisciplineWhenNeed)},
        {"PlayCounter", number(pet.PlayCounter)},
        {"SnackCount", number(pet.SnackCount)},
        {"NeedCount", number(pet.NeedCount)},
        {"CareWhenNeed", number(pet.CareWhenNeed)},
    };
    platform.settings.writeSection(pet.PiplingName, values);
}

void Form1::DoFirstRunDefaults() {
    pet.InsulatingSheet = 1;
    pet.CurrentInsulatingSheet = 1;
    pet.InsulatingSheetWidthPushed = 700;
    window.left = (platform.desktop.screenWidth() - window.width) / 2;
    window.top = (platform.desktop.screenHeight() - window.height) / 2;
    window.visible = true;
    pet.MinutesPerHour = 10;
    pet.MaxMinutes = 0;
    DoSetAlwaysOnTop(window, options.alwaysOnTop);
    pet.CharacterNo = character::Egg;
    DoSetCharacter(character::Egg);
    pet.FeedMenuIndex = 0;
    pet.LightMenuIndex = 0;
    pet.LightOff = false;
    pet.Plugins.clear();
    pet.CurrentSkin = "Default";
}
