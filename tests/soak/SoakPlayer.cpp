// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/SoakPlayer.h"

#include "app/Vocabulary.h"
#include "platform/disk/IniSettingsStore.h"

#include <QJsonArray>

#include <climits>
#include <map>

namespace {

// The stored fields with the ranges the settings loader accepts (pet/Settings.cpp); a value
// outside them would be lost at the next start.
struct Range {
    long long min, max;
    const char* fields;
};
constexpr Range StoredRanges[] = {{0, INT16_MAX,
                                   "IntervalCount Sickness DisciplineWhenNeed PlayCounter SnackCount "
                                   "NeedCount TotalNeedCount CareWhenNeed"},
                                  {INT16_MIN, INT16_MAX, "InsulatingSheetWidthPushed"},
                                  {0, INT32_MAX, "MinuteCount"},
                                  {0, 1, "FeedMenuIndex LightMenuIndex"},
                                  {0, 2, "InsulatingSheet"},
                                  {0, 4, "Happiness Hunger"},
                                  {0, 8, "Dung"},
                                  {0, 12, "CharacterNo"},
                                  {0, 14, "Discipline"},
                                  {0, 15, "CurrentTempChar"},
                                  {0, 59, "SecondCount"},
                                  {0, 62, "DyingAction"},
                                  {0, 99, "Age"},
                                  {0, 100, "Weight"},
                                  {0, CallSeconds, "AttendTimeLeft"}};

bool visible(const QJsonObject& state, const std::string& element) {
    return state["elements"][QString::fromStdString(element)]["visible"].toBool();
}

std::string boolText(bool value) {
    return value ? "True" : "False";
}

// What the running device shows for a stored key, written as the store writes it.
std::string shownValue(const QJsonObject& state, const std::string& key) {
    auto checked = [&](const char* item) { return state["menu"][item]["checked"].toBool(); };
    if (key == "Left" || key == "Top")
        return std::to_string(state["window"][key == "Left" ? "left" : "top"].toInteger());
    const std::map<std::string, std::string> menu = {
        {"Sound", boolText(checked("mPopupSound"))},
        {"SoundType", checked("mPopupWave") ? "0" : "1"},
        {"PlayType", checked("mPopupPlay1") ? "1" : "0"},
        {"AlwaysOnTop", boolText(checked("mPopupOnTop"))},
        {"AutoShow", boolText(checked("mPopupAutoShow"))},
        {"Notifications", boolText(checked("mPopupNotifications"))},
        {"FormVisible", boolText(!checked("mPopupStatus"))}};
    if (menu.count(key)) return menu.at(key);
    const QJsonValue value = state["fields"][QString::fromStdString(key)];
    if (value.isBool()) return boolText(value.toBool());
    if (value.isString()) return value.toString().toStdString();
    if (value.isDouble()) return std::to_string(value.toInteger());
    return "(not shown)";
}

} // namespace

std::string SoakPlayer::failure(const std::string& what) const {
    std::string text = "seed " + std::to_string(seed) + ", step " + std::to_string(steps) + ": " + what +
                       "\nthe last actions, oldest first:";
    int number = steps - static_cast<int>(history.size());
    for (const std::string& action : history)
        text += "\n# step " + std::to_string(++number) + "\n" + action;
    return text;
}

std::optional<std::string> SoakPlayer::start() {
    // Time lived counts only while the main timer runs, checked on every tenth period.
    sim.script().slowTimers.push_back([this] {
        if (sim.script().device() && sim.script().device()->timerInterval != 0) livedSeconds += 0.1;
    });
    char clock[16];
    std::snprintf(clock, sizeof clock, "clock %02d:%02d:%02d", pick(24), pick(60), pick(60));
    return sim.tryRun(std::string(clock) + "\nstart");
}

std::optional<std::string> SoakPlayer::play(double seconds) {
    if (auto error = start()) return failure(*error);
    // A toy that never gets going lives no time: about twice the steps a pet day takes is the end.
    const int stepLimit = 200 + static_cast<int>(seconds / 36);
    while (livedSeconds < seconds) {
        if (steps >= stepLimit)
            return failure("only " + std::to_string(livedSeconds) + " seconds lived in " +
                           std::to_string(steps) + " steps");
        const std::string action = nextAction(dump());
        ++steps;
        history.push_back(action);
        if (history.size() > 20) history.pop_front();
        std::optional<std::string> error;
        if (action == "restart" || action == "kill")
            error = restart(action == "kill");
        else if (!(error = sim.tryRun(action)) && sim.form().unloaded)
            error = restart(false); // the menu's Exit closed the program
        if (!error) error = check(dump());
        if (error) return failure(*error);
    }
    return std::nullopt;
}

std::optional<std::string> SoakPlayer::restart(bool kill) {
    ++restarts;
    if (!kill && !sim.form().unloaded)
        if (auto error = sim.tryRun("quit")) return error;
    // Killed, the program saved last at its minute's save; the store file holds that.
    sim.reopen();
    const auto stored = IniSettingsStore(sim.storeFile()).section("Pipling");
    if (auto error = start()) return error;
    const QJsonObject state = dump();
    std::map<std::string, std::string> saved(stored.begin(), stored.end());
    // Loading puts a sleeping or dying pet's display back together, on purpose.
    if (saved["AttentionSleep"] == "True")
        saved["SleepAction"] = "True", saved["AttendTimeLeft"] = std::to_string(CallSeconds);
    if (saved["DyingAction"] != "0") {
        saved["AttentionHungry"] = saved["AttentionHappy"] = saved["AttentionDiscipline"] = "False";
        saved["AttendTimeLeft"] = "0";
        saved["IntervalCount"] = "119";
    }
    // A toy left beyond the right or bottom edge comes back flush with it.
    for (const auto& [key, size] : {std::pair{"Left", "width"}, std::pair{"Top", "height"}})
        if (std::stoll(saved[key]) > state["screen"][size].toInteger())
            saved[key] =
                std::to_string(state["screen"][size].toInteger() - state["window"][size].toInteger());
    // Drawing the main screen restarts a healthy, awake pet's pose animation.
    const int character = std::stoi(saved["CharacterNo"]);
    if (saved["Sickness"] == "0" && saved["SleepAction"] == "False" && character >= 1 && character <= 11)
        saved["IntervalCount"] = saved["CurrentTempChar"] = "0";
    // An egg draws its life length anew when it is set again.
    if (character == 0) saved.erase("MaxMinutes");
    if (std::stoi(saved["DyingTimeLeft"]) < 1) saved["DyingTimeLeft"] = std::to_string(neglectAllowance(10));
    for (const auto& [key, value] : saved)
        if (const std::string shown = shownValue(state, key); shown != value)
            return "after a " + std::string(kill ? "kill" : "close") + " and a new start " + key + " is " +
                   shown + ", stored " + value;
    return std::nullopt;
}

std::optional<std::string> SoakPlayer::check(const QJsonObject& state) {
    if (state.isEmpty()) return "dump printed nothing";
    const QJsonObject fields = state["fields"].toObject();
    auto number = [&](const char* name) { return fields[name].toInteger(); };
    for (const Range& range : StoredRanges) {
        std::istringstream names(range.fields);
        for (std::string field; names >> field;) {
            const long long value = fields[QString::fromStdString(field)].toInteger();
            if (!fields[QString::fromStdString(field)].isDouble() || value < range.min || value > range.max)
                return field + " = " + std::to_string(value) + " lies outside [" + std::to_string(range.min) +
                       ", " + std::to_string(range.max) + "]";
        }
    }
    const long long maxMinutes = number("MaxMinutes");
    if (maxMinutes != 0 && (maxMinutes < 240 || maxMinutes > 1200))
        return "MaxMinutes = " + std::to_string(maxMinutes) + " is neither unset nor a life length";
    if (number("DyingTimeLeft") > neglectAllowance(10))
        return "DyingTimeLeft = " + std::to_string(number("DyingTimeLeft")) + " exceeds the allowance";
    for (const char* edge : {"left", "top"})
        if (std::abs(state["window"][edge].toInteger()) > 32767LL * 15)
            return std::string("the window's ") + edge + " lies outside the loader's range";
    for (const char* name : {"CurrentSkin", "Plugins"}) {
        const std::string folderName = fields[name].toString().toStdString();
        if (folderName.find_first_of("/\\") != std::string::npos || folderName == "." || folderName == "..")
            return std::string(name) + " \"" + folderName + "\" is no folder name";
    }
    if (fields["CurrentSkin"].toString().isEmpty()) return "CurrentSkin is empty";

    // The element set agrees with the state. The back view lies over the front with the reset
    // button on it.
    if (visible(state, "ResetButton") != visible(state, "BackView"))
        return "the reset button and the back view disagree";
    const bool showsPet = sim.form().screenShowsPet();
    if (visible(state, "PipChar") && !showsPet) return "the pet is drawn where the screen cannot show it";
    // A running toy on its plain screen draws the pet (or the angel).
    bool animation = false;
    for (const char* flag : {"EatingAction", "FlushAction", "UnhappyAction", "HappyAction", "NegativeAction"})
        animation = animation || fields[flag].toBool();
    if (showsPet && state["timer"].toInteger() != 0 && number("ScreenTimeLeft") == 0 &&
        number("ChangeStep") == 0 && !animation && !visible(state, "PipChar") && !visible(state, "Angel"))
        return "the screen shows the pet but neither the pet nor the angel is drawn";
    int careScreens = 0, droppings = 0;
    for (const char* screen : {"FeedMenu", "LightMenu", "Meter(0)", "PlayTitle", "HourDigit(0)"})
        careScreens += visible(state, screen);
    if (careScreens > 1) return "two care screens at once";
    for (int i = 0; i < 8; ++i)
        droppings += visible(state, "DungImage(" + std::to_string(i) + ")");
    if (droppings > number("Dung"))
        return std::to_string(droppings) + " droppings drawn for Dung = " + std::to_string(number("Dung"));
    // The skull marks an ill or dying pet, over the pet's own screen only.
    if (visible(state, "Skull") && (!showsPet || (number("DyingAction") < 1 && number("Sickness") < 1)))
        return "a skull shown on a healthy pet or over another screen";
    if (visible(state, "SleepSign") && !fields["SleepAction"].toBool())
        return "the sleep sign shown on a pet awake";
    if (visible(state, "Dark") && !fields["LightOff"].toBool()) return "the screen dark with the light on";
    if (visible(state, "Angel") && number("CharacterNo") != character::Angel)
        return "an angel drawn for a living character";
    // The sheet's window exists while its item is checked, except while the toy is hidden: it
    // goes and comes with the toy.
    const bool sheetOpen = state["windows"]["Form5"].isObject();
    const bool sheetChecked = state["menu"]["mPopupInsulatingSheet"]["checked"].toBool();
    if (sheetOpen ? !sheetChecked : sheetChecked && state["window"]["visible"].toBool())
        return "the sheet's window is " + std::string(sheetOpen ? "open" : "closed") + " with its item " +
               (sheetChecked ? "checked" : "unchecked");
    return std::nullopt;
}

std::string SoakPlayer::nextAction(const QJsonObject& state) {
    const QJsonObject windows = state["windows"].toObject();
    const std::string pause = "\ntick " + std::to_string(5 + pick(300));
    const std::string button = std::string(1, "ABC"[pick(3)]);
    auto at = [&](int width, int height) {
        return std::to_string(pick(width)) + " " + std::to_string(pick(height));
    };

    // An open window takes most of the player's attention until it is closed.
    if (windows["Form3"].isObject() && pick(4)) {
        const int rows = static_cast<int>(windows["Form3"]["List1"].toArray().size());
        const std::string row = std::to_string(rows ? pick(rows) : 0);
        const std::string choices[] = {"select " + row,
                                       "select " + row,
                                       "dblclick " + row,
                                       "ok",
                                       "cancel",
                                       "mouse down 1 600 150\nwindow Form3 mouse move 1 " + at(3000, 3000) +
                                           "\nwindow Form3 mouse up 1 0 0"};
        return "window Form3 " + choices[pick(6)] + pause;
    }
    if (windows["Form4"].isObject() && pick(4)) {
        // Escape and F1 close the booklet on the key's down: there is no window for the up.
        const int keys[] = {37, 39, 39, 13, 27, 112};
        const std::string key = std::to_string(keys[pick(6)]);
        if (pick(3))
            return "window Form4 key " + key + " down" +
                   (key == "27" || key == "112" ? "" : "\nwindow Form4 key " + key + " up") + pause;
        const std::string mouse = std::to_string(1 + pick(2)) + " " + at(4000, 4000);
        return "window Form4 mouse down " + mouse + "\nwindow Form4 mouse up " + mouse + pause;
    }
    if (windows["Form2"].isObject() && pick(4)) {
        if (pick(2)) return "window Form2 ok" + pause;
        const char* elements[] = {"Email", "Homepage", "Form", "Label1", "AboutPicture"};
        return "window Form2 mouse " + std::string(elements[pick(5)]) + " down 1 " + at(1000, 300) +
               "\nwindow Form2 mouse " + elements[pick(5)] + " up 1 " + at(1000, 300) + pause;
    }
    // The sheet: mostly pulled out while it keeps the toy off, sometimes pushed back in.
    const bool sheetIn = state["fields"]["InsulatingSheet"].toInteger() == 1;
    if (windows["Form5"].isObject() && (sheetIn ? pick(4) != 0 : pick(20) == 0)) {
        const std::string to = std::to_string(sheetIn ? 1300 + pick(400) : 800 + pick(500));
        return "window Form5 mouse down 1 1000 250\nwindow Form5 mouse move 1 " + to + " 250\ntick " +
               std::to_string(pick(250)) + "\nwindow Form5 mouse up 1 " + to + " 250" + pause;
    }

    const std::string view = visible(state, "BackView") ? "BackView" : "FrontView";
    const int weights[] = {30, 5, 8, 2, 12, 4, 3, 3, 3, 2, 1, 10, 1};
    switch (std::discrete_distribution<int>(std::begin(weights), std::end(weights))(random)) {
    case 0:
        return "press " + button + pause;
    case 1: // a hold, sometimes of two buttons together
        if (pick(3) == 0) return "down A\ndown C" + pause + "\nup C\nup A" + pause;
        return "down " + button + pause + "\nup " + button + pause;
    case 2: {
        const int keys[] = {37, 39, 40, 37, 39, 40, 13, 112, 27, 8, 65 + pick(26)};
        const std::string key = std::to_string(keys[pick(11)]);
        return "key " + key + " down\nkey " + key + " up" + pause;
    }
    case 3:
        return "type QZVK" + pause;
    case 4: {
        // Any item of the menu, the Cheats included; hidden and disabled ones are refused.
        QStringList items = state["menu"].toObject().keys();
        // The notifications option and the life story window change nothing the soak checks;
        // leaving them out keeps every seed's week the same as before they existed.
        items.removeAll(QStringLiteral("mPopupNotifications"));
        items.removeAll(QStringLiteral("mPopupLifeStory"));
        std::string item;
        do
            item = items[pick(static_cast<int>(items.size()))].toStdString();
        while (item == "mPopup");
        return "menu " + item + pause;
    }
    case 5:
        return "mouse " + view + " down 1 " + at(2000, 2800) + "\nmouse " + view + " move 1 " +
               at(5000, 5000) + "\nmouse " + view + " up 1 0 0" + pause;
    case 6:
        return "mouse " + view + " dblclick 1 " + at(2000, 2800) + pause;
    case 7:
        return "mouse ResetButton down 1 60 60" + pause + "\nmouse ResetButton up 1 60 60" + pause;
    case 8: {
        const char* clicks[] = {"click", "dblclick", "rdown", "rup"};
        return std::string("tray ") + clicks[pick(4)] + pause;
    }
    case 9:
        return "restart";
    case 10:
        return "kill";
    case 11: // pet minutes
        return "tick " + std::to_string(1000 + pick(59000));
    default: // pet hours
        return "tick " + std::to_string(60000 + pick(660000));
    }
}
