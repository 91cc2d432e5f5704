// SPDX-License-Identifier: GPL-3.0-or-later
// The status text: a few words on what the pet needs or does, or its vital numbers. It runs at the
// end of every tick, so it reuses the text's storage and looks up menu captions only when a rule
// needs one.
#include "app/Form1.h"

#include <charconv>

namespace {

const std::string& caption(Form1& form, MenuId item) {
    return form.menuItem(item).caption;
}

// The menu items whose captions are the words of the status text.
constexpr MenuId HungryItem = MenuId::mCheatAttention0;
constexpr MenuId UnhappyItem = MenuId::mCheatAttention1;
constexpr MenuId DisciplineItem = MenuId::mCheatAttention2;
constexpr MenuId SickItem = MenuId::mCheatAction0;
constexpr MenuId SleepItem = MenuId::mCheatAction2;

void appendItem(std::string& text, const std::string& label, int16_t value) {
    if (label.empty()) return;
    if (!text.empty()) text += ", ";
    text += label;
    text += '=';
    char digits[8];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, result.ptr);
}

} // namespace

void Form1::DoSetToolTip() {
    if (!pet.AttentionSleep && !pet.AttentionHungry && !pet.AttentionHappy && !pet.AttentionDiscipline) {
        elements.AttendIcon.visible = false;
        pet.AttendTimeLeft = 0;
    }
    std::string& text = pet.StatusText;
    if (pet.CharacterNo < character::Baby || pet.CharacterNo > character::Secret) {
        text.clear();
        return;
    }
    // Sleep, then illness, outrank every other word; the text is copied only when it changes.
    auto show = [&text](const std::string& words) {
        if (text != words) text = words;
    };
    if (pet.SleepAction) return show(caption(*this, SleepItem));
    if (pet.Sickness >= 1) return show(caption(*this, SickItem));

    text.clear();
    if (pet.AttentionDiscipline) {
        text = caption(*this, DisciplineItem);
    } else if (pet.AttentionHungry && pet.AttentionHappy) {
        text = caption(*this, HungryItem);
        text += ", ";
        text += caption(*this, UnhappyItem);
    } else if (pet.AttentionHungry) {
        text = caption(*this, HungryItem);
    } else if (pet.AttentionHappy) {
        text = caption(*this, UnhappyItem);
    } else {
        appendItem(text, layout.AgeToolTip, pet.Age);
        appendItem(text, layout.WeightToolTip, pet.Weight);
        appendItem(text, layout.HungryToolTip, pet.Hunger);
        appendItem(text, layout.HappyToolTip, pet.Happiness);
        appendItem(text, layout.DisciplineToolTip, pet.Discipline);
    }
}
