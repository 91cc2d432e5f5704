// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "assets/Chooser.h"
#include "pet/StoredValue.h"

#include <cmath>

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

namespace {

// Reads the keys of one pet's section into fields. A key that is missing or does not convert
// leaves its field as it is.
class KeyReader {
public:
    KeyReader(SettingsStore& store, const std::string& section) : store(store), section(section) {}
    std::optional<std::string> read(const char* key) const { return store.read(section, key); }
    template <class Field> bool integer(const char* key, Field& field, int32_t min, int32_t max) const {
        if (auto text = read(key))
            if (auto value = toInteger(*text, min, max)) {
                field = static_cast<Field>(*value);
                return true;
            }
        return false;
    }
    void boolean(const char* key, bool& field) const {
        if (auto text = read(key))
            if (auto value = toBoolean(*text)) field = *value;
    }
    // A number that picks one of a pair: 0 the first, anything else the second (true).
    void pair(const char* key, bool& second) const {
        if (auto text = read(key))
            if (auto value = toSingle(*text, -1e30, 1e30)) second = *value != 0;
    }
    // Window positions lie inside the desktop's 16-bit pixel coordinate space.
    void position(const char* key, int& field) const {
        constexpr double PositionLimit = 32767.0 * 15;
        if (auto text = read(key))
            if (auto value = toSingle(*text, -PositionLimit, PositionLimit))
                field = static_cast<int>(std::lround(*value));
    }

private:
    SettingsStore& store;
    const std::string& section;
};

constexpr int32_t Max16 = INT16_MAX;

} // namespace

void Form1::DoLoadSettings() {
    if (!platform.settings.read(pet.PiplingName, "InsulatingSheet")) {
        DoFirstRunDefaults();
        DoSaveSettings();
        return;
    }
    loadPlaceAndOptions();
    loadCharacter();
    loadPetRecord();
    const bool showsPet = screenShowsPet();
    if (pet.DyingAction >= 1) rebuildDyingDisplay(showsPet);
    if (showsPet) elements.PipChar.visible = true;
}

// The sheet, the window's place and the menu's options, up to the skin.
void Form1::loadPlaceAndOptions() {
    const std::string& section = pet.PiplingName;
    const KeyReader keys(platform.settings, section);
    keys.integer("InsulatingSheet", pet.InsulatingSheet, 0, 2);
    keys.integer("InsulatingSheetWidthPushed", pet.InsulatingSheetWidthPushed, INT16_MIN, Max16);
    keys.position("Left", window.left);
    keys.position("Top", window.top);
    keepOnScreen();
    window.visible = true;

    keys.pair("PlayType", options.gameB);
    if (auto text = keys.read("Plugins")) pet.Plugins = isFolderName(*text) ? *text : std::string();
    keys.boolean("AutoShow", options.autoShow);
    // Stores written before this option existed lack the key: their pets keep it checked.
    keys.boolean("Notifications", options.notifications);
    keys.boolean("AlwaysOnTop", options.alwaysOnTop);
    DoSetAlwaysOnTop(window, options.alwaysOnTop);
    if (auto text = keys.read("CurrentSkin")) {
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
}

// The life length and the character, which DoSetCharacter enters; the keys read after it win
// over what it resets.
void Form1::loadCharacter() {
    const KeyReader keys(platform.settings, pet.PiplingName);
    const bool lifeLengthLoaded = keys.integer("MaxMinutes", pet.MaxMinutes, ShortestLife, LongestLife);
    keys.integer("CharacterNo", pet.CharacterNo, character::Egg, character::Angel);
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
}

// The pet's clocks, options read late, calls, needs and care record.
void Form1::loadPetRecord() {
    const KeyReader keys(platform.settings, pet.PiplingName);
    // A count past the frame period only makes the next frame due at once.
    keys.integer("IntervalCount", pet.IntervalCount, 0, IntervalLimit);
    keys.integer("SecondCount", pet.SecondCount, 0, 59);
    keys.integer("MinuteCount", pet.MinuteCount, 0, lastReachableMinute(pet.MinutesPerHour));
    keys.integer("CurrentTempChar", pet.CurrentTempChar, 0, 15);
    keys.boolean("Sound", options.sound);
    bool beep = !options.wave;
    keys.pair("SoundType", beep);
    options.wave = !beep;
    if (auto text = keys.read("FormVisible"))
        if (auto visible = toBoolean(*text)) options.hidden = !*visible;
    keys.boolean("AttentionHungry", pet.AttentionHungry);
    keys.boolean("AttentionHappy", pet.AttentionHappy);
    keys.boolean("AttentionDiscipline", pet.AttentionDiscipline);
    keys.integer("AttendTimeLeft", pet.AttendTimeLeft, 0, CallSeconds);
    elements.AttendIcon.visible = pet.AttendTimeLeft >= 1;
    keys.integer("FeedMenuIndex", pet.FeedMenuIndex, 0, 1);
    keys.integer("LightMenuIndex", pet.LightMenuIndex, 0, 1);
    keys.integer("Age", pet.Age, 0, 99);
    keys.integer("Weight", pet.Weight, 0, 100);
    keys.integer("Discipline", pet.Discipline, 0, 14);
    keys.integer("Happiness", pet.Happiness, 0, 4);
    keys.integer("Hunger", pet.Hunger, 0, 4);
    keys.integer("Sickness", pet.Sickness, 0, CountLimit);
    keys.integer("Dung", pet.Dung, 0, 8);
    keys.boolean("SleepAction", pet.SleepAction);
    keys.boolean("AttentionSleep", pet.AttentionSleep);
    if (pet.AttentionSleep) {
        pet.SleepAction = true;
        elements.AttendIcon.visible = true;
        pet.AttendTimeLeft = CallSeconds;
    }
    keys.boolean("LightOff", pet.LightOff);
    keys.integer("DyingAction", pet.DyingAction, 0, 62);
    keys.integer("DyingTimeLeft", pet.DyingTimeLeft, INT16_MIN, neglectAllowance(pet.MinutesPerHour));
    if (pet.DyingTimeLeft < 1) pet.DyingTimeLeft = neglectAllowance(pet.MinutesPerHour);
    keys.integer("DisciplineWhenNeed", pet.DisciplineWhenNeed, 0, Max16);
    keys.integer("PlayCounter", pet.PlayCounter, 0, Max16);
    keys.integer("SnackCount", pet.SnackCount, 0, Max16);
    keys.integer("NeedCount", pet.NeedCount, 0, CountLimit);
    keys.integer("TotalNeedCount", pet.TotalNeedCount, 0, CountLimit);
    keys.integer("CareWhenNeed", pet.CareWhenNeed, 0, Max16);
}

// The pet was dying when the program closed: put the dying display back together.
void Form1::rebuildDyingDisplay(bool showsPet) {
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
