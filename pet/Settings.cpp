// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "assets/Chooser.h"
#include "pet/StoredKeys.h"
#include "pet/StoredValue.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <type_traits>
#include <variant>

using namespace StoredValue;

namespace {

// The state that holds a field of the key table.
template <class T> PetState& holder(Form1& form, T PetState::*) {
    return form.pet;
}
template <class T> Options& holder(Form1& form, T Options::*) {
    return form.options;
}
template <class T> WindowState& holder(Form1& form, T WindowState::*) {
    return form.window;
}

// Hands the key's field, as its own type, to use.
template <class Use> void withField(Form1& form, const stored::Field& field, Use&& use) {
    std::visit([&](auto member) { use(holder(form, member).*member); }, field);
}

// The field's value as the key stores it.
std::string storedText(Form1& form, const stored::Key& key) {
    std::string text;
    withField(form, key.field, [&](const auto& value) {
        using T = std::remove_cvref_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
            text = value;
        } else if constexpr (std::is_same_v<T, bool>) {
            const bool second = value != key.negated;
            text = key.type == stored::Type::Pair ? (second ? "1" : "0") : fromBoolean(second);
        } else {
            text = std::to_string(value);
        }
    });
    return text;
}

// Takes a stored text into the key's field; false, and the field as it was, when the text does
// not convert or lies outside what the key allows.
bool loadValue(Form1& form, const stored::Key& key, const std::string& text) {
    bool loaded = false;
    withField(form, key.field, [&](auto& value) {
        using T = std::remove_cvref_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
            value = key.rule == stored::Rule::FolderName && !isFolderName(text) ? std::string() : text;
            loaded = true;
        } else if constexpr (std::is_same_v<T, bool>) {
            std::optional<bool> second;
            if (key.type == stored::Type::Pair) {
                if (auto number = toSingle(text, -1e30, 1e30)) second = *number != 0;
            } else {
                second = toBoolean(text);
            }
            if (second) value = *second != key.negated;
            loaded = second.has_value();
        } else if (key.type == stored::Type::Single) {
            // Window positions lie inside the desktop's 16-bit pixel coordinate space.
            constexpr double PositionLimit = 32767.0 * 15;
            if (auto number = toSingle(text, -PositionLimit, PositionLimit)) {
                value = static_cast<T>(std::lround(*number));
                loaded = true;
            }
        } else if (auto number = toInteger(text, key.min, key.highest(form.pet.MinutesPerHour))) {
            value = static_cast<T>(*number);
            loaded = true;
        }
    });
    return loaded;
}

// An empty skin name becomes "Default", and so does one that is no folder name or whose skin lost
// its front view (which would leave the toy without a shell to drag or right-click); the store
// remembers the change where the stored name was empty or unusable.
void loadSkin(Form1& form, const std::string& text) {
    PetState& pet = form.pet;
    Platform& platform = form.platform;
    if (text.empty()) {
        pet.CurrentSkin = "Default";
        platform.settings.writeSection(pet.PiplingName, {{"CurrentSkin", pet.CurrentSkin}});
    } else {
        pet.CurrentSkin = isFolderName(text) ? text : std::string("Default");
    }
    if (pet.CurrentSkin != "Default" &&
        !skinHasShell(platform.files, platform.pictures, platform.appPath, pet.Plugins, pet.CurrentSkin)) {
        pet.CurrentSkin = "Default";
        platform.settings.writeSection(pet.PiplingName, {{"CurrentSkin", pet.CurrentSkin}});
    }
}

// The stored character is entered; the keys read after it win over what DoSetCharacter resets.
void enterStoredCharacter(Form1& form, bool lifeLengthLoaded) {
    PetState& pet = form.pet;
    if (!lifeLengthLoaded) {
        // Without a life length an adult's stage would end at its first minute. It gets the
        // length its character comes with: the secret character's own, or one drawn as for a new
        // egg. The egg and character 7 set their own, and the angel has none.
        if (pet.CharacterNo == character::Secret)
            pet.MaxMinutes = secretStageLength(pet.MinutesPerHour);
        else if (pet.CharacterNo >= character::Baby && pet.CharacterNo <= character::Roelum &&
                 pet.CharacterNo != character::Maskwick)
            pet.MaxMinutes = drawnLifeLength(pet.MinutesPerHour, form.platform.chance.next());
    }
    form.DoSetCharacter(pet.CharacterNo);
    // The loaded screen is drawn whole once loading ends.
    form.elements.PipChar.visible = false;
    form.device.NewPetUndrawn = false;
}

// What the load does right after a key, whether or not the key loaded.
void afterKey(Form1& form, stored::Rule rule, bool loaded, bool& lifeLengthLoaded) {
    PetState& pet = form.pet;
    switch (rule) {
    case stored::Rule::LifeLength:
        lifeLengthLoaded = loaded;
        break;
    case stored::Rule::KeepOnScreen:
        form.keepOnScreen();
        form.window.visible = true;
        break;
    case stored::Rule::ApplyOnTop:
        form.DoSetAlwaysOnTop(form.window, form.options.alwaysOnTop);
        break;
    case stored::Rule::SetCharacter:
        enterStoredCharacter(form, lifeLengthLoaded);
        break;
    case stored::Rule::CallIcon:
        form.elements.AttendIcon.visible = pet.AttendTimeLeft >= 1;
        break;
    case stored::Rule::Asleep:
        if (pet.AttentionSleep) {
            pet.SleepAction = true;
            form.elements.AttendIcon.visible = true;
            pet.AttendTimeLeft = CallSeconds;
        }
        break;
    case stored::Rule::FullAllowance:
        if (pet.DyingTimeLeft < 1) pet.DyingTimeLeft = neglectAllowance(pet.MinutesPerHour);
        break;
    case stored::Rule::Plain:
    case stored::Rule::FolderName:
    case stored::Rule::Skin:
        break;
    }
}

// The value a first run gives the key's field, when it gives one.
void giveFirstRunValue(Form1& form, const stored::Key& key) {
    switch (key.first.kind) {
    case stored::FirstRun::Kept:
        return;
    case stored::FirstRun::Centred: {
        WindowState& window = form.window;
        Desktop& desktop = form.platform.desktop;
        if (key.field == stored::Field(&WindowState::left))
            window.left = (desktop.screenWidth() - window.width) / 2;
        else
            window.top = (desktop.screenHeight() - window.height) / 2;
        return;
    }
    case stored::FirstRun::Value:
        withField(form, key.field, [&](auto& value) {
            using T = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::string>)
                value = key.first.text;
            else if constexpr (std::is_same_v<T, bool>)
                value = key.first.number != 0;
            else
                value = static_cast<T>(key.first.number);
        });
        return;
    }
}

} // namespace

void Form1::DoLoadSettings() {
    const std::string& section = pet.PiplingName;
    if (!platform.settings.read(section, "InsulatingSheet")) {
        DoFirstRunDefaults();
        DoSaveSettings();
        return;
    }
    bool lifeLengthLoaded = false;
    for (const stored::Key& key : stored::keys()) {
        const std::optional<std::string> text = platform.settings.read(section, key.name);
        if (key.rule == stored::Rule::Skin) {
            if (text) loadSkin(*this, *text);
            continue;
        }
        const bool loaded = text && loadValue(*this, key, *text);
        afterKey(*this, key.rule, loaded, lifeLengthLoaded);
    }
    const bool showsPet = screenShowsPet();
    if (pet.DyingAction >= 1) rebuildDyingDisplay(showsPet);
    if (showsPet) elements.PipChar.visible = true;
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
    // Every key in its place of the saved section.
    std::vector<std::pair<std::string, std::string>> values(stored::keys().size());
    for (const stored::Key& key : stored::keys())
        values[static_cast<std::size_t>(key.place)] = {key.name, storedText(*this, key)};
    platform.settings.writeSection(pet.PiplingName, values);
}

void Form1::DoFirstRunDefaults() {
    pet.CurrentInsulatingSheet = 1;
    pet.MinutesPerHour = 10;
    for (const stored::Key& key : stored::keys())
        giveFirstRunValue(*this, key);
    window.visible = true;
    DoSetAlwaysOnTop(window, options.alwaysOnTop);
    // A new egg: DoSetCharacter draws its life length and resets the pet.
    DoSetCharacter(pet.CharacterNo);
}
